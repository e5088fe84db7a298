// SPDX-License-Identifier: GPL-3.0-or-later
// vorlane-sketch --timelapse OUT DOCUMENT: the video written whole, in the
// format of its suffix and at the size asked for, or one line and no file.
#include <webp/decode.h>

#include <QBuffer>

#include "SketchFixture.h"
#include "document/PaintingFile.h"

namespace {

using sketch_test::Outcome;
using sketch_test::VorlaneSketchTest;

struct TimelapseCommand : VorlaneSketchTest {
  QString document() const {
    QImage photo(120, 90, QImage::Format_RGB32);
    photo.fill(qRgb(200, 120, 40));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    photo.save(&buffer, "PNG");
    document::PaintingRecord record;
    record.photoBytes = bytes;
    record.workingSize = QSize(120, 90);
    record.firstSketchStyle = 1;
    document::PaintingStep step;
    step.segments = {{100, 40, 10, 40, 12.0f, false, 0, 0}, {100, 60, 10, 40, 12.0f, false, 0, 300}};
    record.steps = {step};
    record.undoPosition = 1;
    const QString file = path("painting.vorlane");
    EXPECT_TRUE(document::writePaintingFile(file, record));
    return file;
  }
  QByteArray bytes(const QString& file) const {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }
};

TEST_F(TimelapseCommand, WritesAnMp4OrAWebpByItsSuffix) {
  const QString doc = document();
  const Outcome mp4 = run({"--timelapse", path("out.mp4"), "--duration", "3", doc});
  EXPECT_EQ(mp4.exitCode, 0) << qPrintable(mp4.err);
  EXPECT_EQ(mp4.err, "");
  EXPECT_EQ(bytes(path("out.mp4")).mid(4, 4), "ftyp");

  const Outcome webp = run({"--timelapse", path("out.webp"), "--size", "40", "--duration", "3", doc});
  EXPECT_EQ(webp.exitCode, 0) << qPrintable(webp.err);
  const QByteArray data = bytes(path("out.webp"));
  WebPBitstreamFeatures features;
  ASSERT_EQ(WebPGetFeatures(reinterpret_cast<const std::uint8_t*>(data.constData()), std::size_t(data.size()),
                            &features),
            VP8_STATUS_OK);
  EXPECT_TRUE(features.has_animation);
  EXPECT_EQ(QSize(features.width, features.height), QSize(40, 30));
  EXPECT_EQ(files(), (QStringList{"out.mp4", "out.webp", "painting.vorlane"}));
}

TEST_F(TimelapseCommand, ABadValueOrFormIsAUsageErrorAndWritesNothing) {
  const QString doc = document();
  const QString out = path("out.mp4");
  for (const auto& [args, says] : std::initializer_list<std::pair<QStringList, QString>>{
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
           {{"--duration", "5", doc, path("out.png")}, "--duration goes with --timelapse"},
           {{"--timelapse", doc, doc}, "--timelapse writes a .mp4 or .webp file"}}) {
    const Outcome result = run(args);
    EXPECT_EQ(result.exitCode, 2) << qPrintable(args.join(' '));
    EXPECT_TRUE(result.err.contains(says)) << qPrintable(result.err);
    EXPECT_EQ(result.err.count('\n'), 2) << qPrintable(result.err);
  }
  EXPECT_EQ(files(), QStringList{"painting.vorlane"});
}

TEST_F(TimelapseCommand, WhatIsNotADocumentFailsWithOneLine) {
  const QString photo = png("photo.png", 8, 8, qRgb(1, 2, 3));
  const QString out = path("out.webp");
  for (const auto& [input, says] : std::initializer_list<std::pair<QString, QString>>{
           {photo, "not a Vorlane document"}, {path("missing.vorlane"), "does not exist"}}) {
    const Outcome result = run({"--timelapse", out, input});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "vorlane-sketch: " + input + ": " + says + "\n");
  }
  // A folder that cannot take the video is named.
  const Outcome gone = run({"--timelapse", path("gone/out.mp4"), document()});
  EXPECT_EQ(gone.exitCode, 1);
  EXPECT_TRUE(gone.err.startsWith("vorlane-sketch: " + path("gone/out.mp4") + ": it cannot be written ("))
      << qPrintable(gone.err);
  EXPECT_EQ(files(), (QStringList{"painting.vorlane", "photo.png"}));
}

}  // namespace
