// SPDX-License-Identifier: GPL-3.0-or-later
// vorlane-sketch --thumbnail SIZE DOCUMENT OUTPUT: the stored preview, scaled
// down to fit, or one line and no output at all.
#include "SketchFixture.h"
#include "document/PaintingFile.h"

namespace {

using sketch_test::Outcome;
using sketch_test::VorlaneSketchTest;

QImage preview(int w, int h) {
  QImage image(w, h, QImage::Format_ARGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgba(x % 256, y % 256, 90, 255));
  return image;
}

struct Thumbnail : VorlaneSketchTest {
  QString document(const QString& name, const QImage& image) const {
    document::PaintingRecord record;
    record.photoBytes = "photo";
    record.workingSize = QSize(600, 300);
    record.preview = image;
    const QString file = path(name);
    EXPECT_TRUE(document::writePaintingFile(file, record));
    return file;
  }
};

TEST_F(Thumbnail, ThePreviewIsScaledDownToFitAndNeverUp) {
  const QString doc = document("painting.vorlane", preview(600, 300));  // stored as 256 x 128
  for (const auto& [size, expected] : std::initializer_list<std::pair<const char*, QSize>>{
           {"128", QSize(128, 64)}, {"1", QSize(1, 1)}, {"256", QSize(256, 128)}, {"1024", QSize(256, 128)}}) {
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

TEST_F(Thumbnail, WhatIsNotADocumentWithAPreviewFailsWithOneLineAndNoOutput) {
  const QString photo = png("photo.png", 8, 8, qRgb(1, 2, 3));
  const QString bare = document("bare.vorlane", QImage());
  const QString out = path("out.png");
  for (const auto& [input, says] : std::initializer_list<std::pair<QString, QString>>{
           {photo, "not a Vorlane document"},
           {bare, "holds no preview"},
           {path("missing.vorlane"), "does not exist"}}) {
    const Outcome result = run({"--thumbnail", "128", input, out});
    EXPECT_EQ(result.exitCode, 1) << qPrintable(input);
    EXPECT_EQ(result.err, "vorlane-sketch: " + input + ": " + says + "\n");
    EXPECT_FALSE(QFile::exists(out)) << qPrintable(input);
  }
  // An earlier file at OUTPUT stays as it was.
  QFile earlier(out);
  ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
  earlier.write("earlier");
  earlier.close();
  EXPECT_EQ(run({"--thumbnail", "128", photo, out}).exitCode, 1);
  ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
  EXPECT_EQ(earlier.readAll(), "earlier");
  // A folder that cannot take OUTPUT is named, with nothing left behind.
  const QString doc = document("painting.vorlane", preview(20, 20));
  const Outcome unwritable = run({"--thumbnail", "128", doc, path("gone/thumb.png")});
  EXPECT_EQ(unwritable.exitCode, 1);
  EXPECT_TRUE(unwritable.err.startsWith("vorlane-sketch: " + path("gone/thumb.png") + ": cannot be written ("))
      << qPrintable(unwritable.err);
  EXPECT_EQ(unwritable.err.count('\n'), 1);
}

TEST_F(Thumbnail, ABadSizeOrFormIsAUsageError) {
  const QString doc = document("painting.vorlane", preview(20, 20));
  const QString out = path("out.png");
  for (const auto& [args, says] : std::initializer_list<std::pair<QStringList, QString>>{
           {{"--thumbnail", "0", doc, out}, "--thumbnail must be a number from 1 to 1024, not \"0\""},
           {{"--thumbnail", "1025", doc, out}, "not \"1025\""},
           {{"--thumbnail", "big", doc, out}, "not \"big\""},
           {{"--thumbnail", "-5", doc, out}, "--thumbnail needs a value, not the option \"-5\""},
           {{"--thumbnail", "64", doc}, "--thumbnail takes one DOCUMENT and one OUTPUT"},
           {{"--thumbnail", "64", "--style", "2", doc, out}, "--thumbnail takes no --style"},
           {{"--thumbnail", "64", doc, doc}, "OUTPUT is the same file as INPUT"}}) {
    const Outcome result = run(args);
    EXPECT_EQ(result.exitCode, 2) << qPrintable(args.join(' '));
    EXPECT_TRUE(result.err.contains(says)) << qPrintable(result.err);
    EXPECT_FALSE(QFile::exists(out));
  }
  EXPECT_TRUE(document::looksLikePaintingFile(doc));
}

}  // namespace
