// SPDX-License-Identifier: GPL-3.0-or-later
// vorlane-sketch with a painting document: as INPUT, the picture the desktop's
// Export writes (the document's styles, its strokes in effect replayed), alone
// and in a batch; --thumbnail SIZE DOCUMENT OUTPUT, the stored preview scaled
// down to fit; --timelapse OUT DOCUMENT, the video in the format of its suffix
// at the size asked for. Anything else costs one line and writes nothing.
#include <webp/decode.h>

#include "SketchFixture.h"
#include "document/PaintingFlatten.h"
#include "document/StyleRenderer.h"
#include "tests/document/SamplePainting.h"

namespace {

using namespace sketch_test;

QImage opaque(const QImage& image) {
  return image.convertToFormat(QImage::Format_RGB32);
}

QImage preview(int w, int h) {
  QImage image(w, h, QImage::Format_ARGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgba(x % 256, y % 256, 90, 255));
  return image;
}

struct DocumentInput : VorlaneSketchTest {
  // The sample painting saved as name, with a preview stored as 256 x 128 unless another is given.
  QString document(const QString& name = "painting.vorlane", const QImage& image = preview(600, 300)) const {
    document::PaintingRecord record = painting_sample::painting();
    record.preview = image;
    EXPECT_TRUE(document::writePaintingFile(path(name), record));
    return path(name);
  }
};

TEST_F(DocumentInput, AloneAndInABatchTheDocumentIsWrittenAsExportWritesIt) {
  const QString doc = document();
  document::StyleRenderer renderer;
  renderer.setTextureName(document::paintingTextureName());
  document::PaintingRecord record = painting_sample::painting();
  const QImage want = opaque(document::flattenPainting(record, renderer).value_or(QImage()));
  ASSERT_EQ(want.size(), QSize(160, 120));
  // The strokes in effect only: the undone one would show.
  record.undoPosition = 6;
  ASSERT_NE(opaque(document::flattenPainting(record, renderer).value_or(QImage())), want);

  const Outcome one = run({doc, path("out.png")});
  ASSERT_EQ(one.exitCode, 0) << qPrintable(one.err);
  EXPECT_EQ(opaque(QImage(path("out.png"))), want);
  // In a batch, a folder gives its documents as well as its photos.
  const Outcome batch = run({"--out-dir", path("batch"), dir.path()});
  ASSERT_EQ(batch.exitCode, 0) << qPrintable(batch.err);
  EXPECT_EQ(opaque(QImage(path("batch/painting.style1.png"))), want);
}

TEST_F(DocumentInput, ThePreviewIsScaledDownToFitAndNeverUp) {
  const QString doc = document();
  for (const auto& [size, expected] :
       std::initializer_list<std::pair<const char*, QSize>>{{"128", QSize(128, 64)},
                                                            {"1", QSize(1, 1)},
                                                            {"256", QSize(256, 128)},
                                                            {"1024", QSize(256, 128)}}) {
    const QString out = path(QStringLiteral("thumb-%1.png").arg(size));
    const Outcome result = run({"--thumbnail", size, doc, out});
    EXPECT_EQ(result.exitCode, 0) << size << qPrintable(result.err);
    EXPECT_EQ(result.err, "") << size;
    QImageReader reader(out);
    EXPECT_EQ(reader.format(), "png") << size;
    EXPECT_EQ(reader.read().size(), expected) << size;
  }
  // The stored preview itself, pixel for pixel, when it fits.
  const QString small = document("small.vorlane", preview(40, 30));
  ASSERT_EQ(run({"--thumbnail", "256", small, path("small.png")}).exitCode, 0);
  EXPECT_EQ(QImage(path("small.png")).convertToFormat(QImage::Format_ARGB32), preview(40, 30));
}

TEST_F(DocumentInput, TheTimelapseIsAnMp4OrAWebpByItsSuffix) {
  const QString doc = document();
  const Outcome mp4 = run({"--timelapse", path("out.mp4"), "--duration", "3", doc});
  EXPECT_EQ(mp4.exitCode, 0) << qPrintable(mp4.err);
  EXPECT_EQ(mp4.err, "");
  EXPECT_EQ(readAll(path("out.mp4")).mid(4, 4), "ftyp");

  const Outcome webp = run({"--timelapse", path("out.webp"), "--size", "40", "--duration", "3", doc});
  EXPECT_EQ(webp.exitCode, 0) << qPrintable(webp.err);
  const QByteArray data = readAll(path("out.webp"));
  WebPBitstreamFeatures features;
  ASSERT_EQ(WebPGetFeatures(reinterpret_cast<const std::uint8_t*>(data.constData()), std::size_t(data.size()),
                            &features),
            VP8_STATUS_OK);
  EXPECT_TRUE(features.has_animation);
  EXPECT_EQ(QSize(features.width, features.height), QSize(40, 30));
  EXPECT_EQ(entries(), (QStringList{"out.mp4", "out.webp", "painting.vorlane"}));
}

TEST_F(DocumentInput, ABadValueOrFormIsAUsageErrorAndWritesNothing) {
  const QString doc = document(), out = path("out.mp4"), png = path("out.png");
  for (const auto& [args, says] : std::initializer_list<std::pair<QStringList, QString>>{
           {{"--thumbnail", "0", doc, png}, "--thumbnail must be a number from 1 to 1024, not \"0\""},
           {{"--thumbnail", "1025", doc, png}, "not \"1025\""},
           {{"--thumbnail", "big", doc, png}, "not \"big\""},
           {{"--thumbnail", "-5", doc, png}, "--thumbnail needs a value, not the option \"-5\""},
           {{"--thumbnail", "64", doc}, "--thumbnail takes one DOCUMENT and one OUTPUT"},
           {{"--thumbnail", "64", "--style", "2", doc, png}, "--thumbnail takes no --style"},
           {{"--thumbnail", "64", doc, doc}, "OUTPUT is the same file as INPUT"},
           {{"--timelapse", out, "--duration", "0", doc},
            "--duration must be a number of seconds from 3 to 120, not \"0\""},
           {{"--timelapse", out, "--duration", "2", doc}, "not \"2\""},
           {{"--timelapse", out, "--duration", "121", doc}, "not \"121\""},
           {{"--timelapse", out, "--duration", "-1", doc}, "--duration needs a value, not the option \"-1\""},
           {{"--timelapse", out, "--size", "0", doc}, "--size must be a number from 16 to 16384, not \"0\""},
           {{"--timelapse", out, "--size", "abc", doc}, "not \"abc\""},
           {{"--timelapse", out, "--size", "-5", doc}, "--size needs a value, not the option \"-5\""},
           {{"--timelapse", path("out.gif"), doc}, "--timelapse writes a .mp4 or .webp file, not \""},
           {{"--timelapse", out}, "--timelapse takes one PAINTING"},
           {{"--timelapse", out, doc, doc}, "--timelapse takes one PAINTING"},
           {{"--timelapse", out, "--style", "2", doc}, "--timelapse takes no --style"},
           {{"--duration", "5", doc, png}, "--duration goes with --timelapse"},
           {{"--timelapse", doc, doc}, "--timelapse writes a .mp4 or .webp file"}}) {
    const Outcome result = run(args);
    EXPECT_EQ(result.exitCode, 2) << qPrintable(args.join(' '));
    EXPECT_TRUE(result.err.contains(says)) << qPrintable(result.err);
    // A usage error and the pointer to --help.
    EXPECT_EQ(result.err.count('\n'), 2) << qPrintable(result.err);
  }
  EXPECT_EQ(entries(), QStringList{"painting.vorlane"});
  EXPECT_TRUE(document::looksLikePaintingFile(doc));
}

// A document whose photo is no picture or that is cut short, what is not a document (or one without a
// preview, for a thumbnail), and a folder that cannot take OUTPUT: one line naming the file, an earlier
// OUTPUT as it was, and nothing new.
TEST_F(DocumentInput, WhatIsNotAGoodDocumentCostsOneLineAndWritesNothing) {
  document::PaintingRecord notAPhoto = painting_sample::painting();
  notAPhoto.photoBytes = "these bytes are no picture";
  const QString doc = document(), badPhoto = path("bad-photo.vorlane"), cut = document("cut.vorlane"),
                photo = png("photo.png", 8, 8, 0), bare = document("bare.vorlane", QImage()),
                missing = path("missing.vorlane"), out = write("out.png", "earlier"), webp = path("out.webp");
  ASSERT_TRUE(document::writePaintingFile(badPhoto, notAPhoto));
  ASSERT_TRUE(QFile::resize(cut, 3000));
  const QStringList present = entries();
  // The file the line names, and what it says of it (only its start when the reason is the system's).
  for (const auto& [args, file, says] : std::initializer_list<std::tuple<QStringList, QString, QString>>{
           {{badPhoto, out}, badPhoto, ""},
           {{cut, out}, cut, ""},
           {{"--thumbnail", "128", photo, out}, photo, "not a Vorlane document"},
           {{"--thumbnail", "128", bare, out}, bare, "holds no preview"},
           {{"--thumbnail", "128", missing, out}, missing, "does not exist"},
           {{"--thumbnail", "128", doc, path("gone/thumb.png")},
            path("gone/thumb.png"),
            "cannot be written ("},
           {{"--timelapse", webp, photo}, photo, "not a Vorlane document"},
           {{"--timelapse", webp, missing}, missing, "does not exist"},
           {{"--timelapse", path("gone/out.mp4"), doc}, path("gone/out.mp4"), "it cannot be written ("}}) {
    const Outcome o = run(args);
    const QString line = "vorlane-sketch: " + file + ": " + says;
    EXPECT_EQ(o.exitCode, 1) << qPrintable(args.join(' '));
    EXPECT_EQ(o.err.count('\n'), 1) << qPrintable(o.err);
    EXPECT_TRUE(says.isEmpty() || says.endsWith('(') ? o.err.startsWith(line) : o.err == line + "\n")
        << qPrintable(o.err);
  }
  EXPECT_EQ(readAll(out), "earlier");
  EXPECT_EQ(entries(), present);
}

}  // namespace
