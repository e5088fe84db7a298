// SPDX-License-Identifier: GPL-3.0-or-later
// vorlane-sketch with a painting document as INPUT: the picture the desktop's
// Export writes (the document's styles, its strokes in effect replayed), alone
// and in a batch; a hostile document costs one line and writes nothing.
#include <QBuffer>

#include "SketchFixture.h"
#include "document/PaintingFile.h"
#include "document/PaintingFlatten.h"
#include "document/StyleRenderer.h"

namespace {

using sketch_test::Outcome;
using sketch_test::VorlaneSketchTest;

QByteArray pngPhoto(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgb(x * 255 / w, y * 255 / h, (x ^ y) & 255));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

// Two strokes (one of each brush), a style change, and one more stroke undone.
document::PaintingRecord painting() {
  document::PaintingRecord record;
  record.photoBytes = pngPhoto(160, 120);
  record.photoName = "photo.png";
  record.workingSize = QSize(160, 120);
  record.firstSketchStyle = 2;
  record.firstColourStyle = 0;
  auto stroke = [](std::uint32_t n, bool modeB, float y) {
    document::PaintingStep step;
    for (int i = 0; i < 5; ++i)
      step.segments.push_back({float(30 * i + 30), y, float(30 * i), y, 14.0f, modeB, n, n * 100 + std::uint32_t(i)});
    step.timeMs = step.segments.front().timeMs;
    return step;
  };
  record.steps.push_back(stroke(0, false, 40.0f));
  record.steps.push_back(stroke(1, true, 45.0f));
  document::PaintingStep style;
  style.kind = document::PaintingStep::Kind::Style;
  style.sketchStyle = 5;
  style.colourStyle = 3;
  record.steps.push_back(style);
  record.steps.push_back(stroke(2, false, 90.0f));
  record.undoPosition = 3;
  return record;
}

struct PaintingInput : VorlaneSketchTest {
  QImage expected(const document::PaintingRecord& record) const {
    document::StyleRenderer renderer;
    renderer.setTextureName(document::paintingTextureName());
    return document::flattenPainting(record, renderer).value_or(QImage());
  }
  static QImage opaque(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }
};

TEST_F(PaintingInput, AloneAndInABatchTheDocumentIsWrittenAsExportWritesIt) {
  const document::PaintingRecord record = painting();
  const QString doc = path("painting.vorlane");
  ASSERT_TRUE(document::writePaintingFile(doc, record));
  const QImage want = expected(record);
  ASSERT_EQ(want.size(), QSize(160, 120));

  const Outcome one = run({doc, path("out.png")});
  ASSERT_EQ(one.exitCode, 0) << qPrintable(one.err);
  EXPECT_EQ(opaque(QImage(path("out.png"))), opaque(want));

  // In a batch, a folder gives its documents as well as its photos.
  const Outcome batch = run({"--out-dir", path("batch"), dir.path()});
  ASSERT_EQ(batch.exitCode, 0) << qPrintable(batch.err);
  EXPECT_EQ(opaque(QImage(path("batch/painting.style1.png"))), opaque(want));
  // The strokes in effect only: the undone one is not in the picture.
  document::PaintingRecord all = record;
  all.undoPosition = 4;
  EXPECT_NE(opaque(expected(all)), opaque(want));
}

TEST_F(PaintingInput, AHostileDocumentIsOneLineAndNoOutput) {
  document::PaintingRecord notAPhoto = painting();
  notAPhoto.photoBytes = "these bytes are no picture";
  ASSERT_TRUE(document::writePaintingFile(path("bad-photo.vorlane"), notAPhoto));
  QFile truncated(path("cut.vorlane"));
  ASSERT_TRUE(document::writePaintingFile(truncated.fileName(), painting()));
  ASSERT_TRUE(truncated.resize(3000));
  for (const QString name : {"bad-photo.vorlane", "cut.vorlane"}) {
    const QString out = path(name + ".png");
    const Outcome o = run({path(name), out});
    EXPECT_EQ(o.exitCode, 1) << qPrintable(name);
    EXPECT_TRUE(o.err.startsWith("vorlane-sketch: " + path(name) + ": ")) << qPrintable(o.err);
    EXPECT_EQ(o.err.count('\n'), 1) << qPrintable(o.err);
    EXPECT_FALSE(QFileInfo::exists(out)) << qPrintable(name);
  }
}

}  // namespace
