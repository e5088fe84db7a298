// SPDX-License-Identifier: GPL-3.0-or-later
// vorlane-sketch --size: the working size, the photo's own size and a longer
// side, for photos and documents, alone and in a batch; the values refused;
// and the strokes of a painting scaled to a larger size.
#include <cmath>

#include "LookMeasure.h"
#include "SketchFixture.h"
#include "document/PaintingFile.h"
#include "document/PaintingFlatten.h"
#include "document/StyleRenderer.h"

namespace {

using sketch_test::Outcome;
using sketch_test::VorlaneSketchTest;

// Gradients, a disc and pixel-fine grain: something for every style to draw.
QImage photoImage(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const double u = double(x) / w, v = double(y) / h;
      const double dx = (u - 0.4) * w / h, dy = v - 0.5;
      const int grain = int((std::uint32_t(x) * 2654435761u ^ std::uint32_t(y) * 40503u) >> 27) - 16;
      const bool disc = dx * dx + dy * dy < 0.05;
      const int r = int(60 + 150 * u) / (disc ? 2 : 1) + grain;
      const int g = int(90 + 110 * v) / (disc ? 2 : 1) + grain;
      const int b = int(180 - 100 * u * v) + grain;
      image.setPixel(x, y, qRgb(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255)));
    }
  return image;
}

reference::Plane greyPlane(const QImage& picture) {
  const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
  reference::Plane p{grey.width(), grey.height(),
                     std::vector<double>(std::size_t(grey.width()) * grey.height())};
  for (int y = 0; y < grey.height(); ++y)
    for (int x = 0; x < grey.width(); ++x) p.v[std::size_t(y) * grey.width() + x] = grey.constScanLine(y)[x];
  return p;
}

double lookDifference(const QImage& a, const QImage& b) {
  int w = 0, h = 0;
  reference::fitLonger(a.width(), a.height(), 320, w, h);
  return reference::meanAbsDifference(reference::areaReduce(greyPlane(a), w, h),
                                      reference::areaReduce(greyPlane(b), w, h));
}

QImage opaque(const QImage& image) {
  return image.convertToFormat(QImage::Format_RGB32);
}

// Strokes of both brushes on a 2560 x 1600 photo painted at its working size.
document::PaintingRecord largePainting() {
  document::PaintingRecord record;
  record.photoBytes = sketch_test::pf::encode(photoImage(2560, 1600), "png");
  record.photoName = "photo.png";
  record.workingSize = QSize(1280, 800);
  record.firstSketchStyle = 3;
  record.firstColourStyle = 0;
  auto stroke = [](std::uint32_t n, bool modeB, float y, float width) {
    document::PaintingStep step;
    for (int i = 0; i < 6; ++i)
      step.segments.push_back({float(150 * i + 200), y + 20 * i, float(150 * i + 50), y, width, modeB, n,
                               n * 100 + std::uint32_t(i)});
    step.timeMs = step.segments.front().timeMs;
    return step;
  };
  record.steps.push_back(stroke(0, false, 200.0f, 40.0f));
  record.steps.push_back(stroke(1, true, 260.0f, 25.0f));
  record.steps.push_back(stroke(2, false, 600.0f, 9.5f));
  record.undoPosition = 3;
  return record;
}

QImage flat(const document::PaintingRecord& record, int size) {
  document::StyleRenderer renderer;
  renderer.setTextureName(document::paintingTextureName());
  QString why;
  std::optional<QImage> picture = document::flattenPainting(record, renderer, size, &why);
  EXPECT_TRUE(picture) << qPrintable(why);
  return picture.value_or(QImage());
}

}  // namespace

TEST_F(VorlaneSketchTest, SizeGivesTheWorkingSizeTheOwnSizeOrALongerSide) {
  const QString in = png("photo.png", photoImage(2560, 1600));
  const QImage working = render({"--style", "3", in}, path("working.png"));
  EXPECT_EQ(working.size(), QSize(1280, 800));
  EXPECT_EQ(render({"--size", "working", "--style", "3", in}, path("w2.png")), working);
  // The working size asked for as a number is the working-size render itself.
  EXPECT_EQ(render({"--size", "1280", "--style", "3", in}, path("n1280.png")), working);
  const QImage full = render({"--size", "full", "--style", "3", in}, path("full.png"));
  EXPECT_EQ(full.size(), QSize(2560, 1600));
  EXPECT_EQ(render({"--size", "2560", "--style", "3", in}, path("n2560.png")), full);
  EXPECT_EQ(render({"--size", "2000", "--style", "3", in}, path("n2000.png")).size(), QSize(2000, 1250));
  // Below the working size: the working-size render reduced.
  EXPECT_EQ(render({"--size", "256", "--style", "3", in}, path("n256.png")).size(), QSize(256, 160));
  // Every style at full size looks like the working-size one, with the app's texture.
  ASSERT_EQ(run({"--out-dir", path("w"), "--style", "all", in}).exitCode, 0);
  ASSERT_EQ(run({"--out-dir", path("f"), "--size", "full", "--style", "all", in}).exitCode, 0);
  for (int style = 1; style <= 7; ++style) {
    const QString name = QStringLiteral("/photo.style%1.png").arg(style);
    EXPECT_LE(lookDifference(QImage(path("w") + name), QImage(path("f") + name)), 8.0) << style;
  }
  EXPECT_NE(full.scaled(working.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation), working);
  // A portrait photo and the prepared photo itself (style 0) at its own size.
  const QString tall = png("tall.png", photoImage(1000, 1700));
  EXPECT_EQ(render({"--size", "full", "--style", "0", tall}, path("tall0.png")).size(), QSize(1000, 1700));
  EXPECT_EQ(render({"--size", "1500", "--style", "6", tall}, path("tall6.png")).size(), QSize(882, 1500));
}

TEST_F(VorlaneSketchTest, SizeOutsideItsRangeIsAUsageErrorAndLargerThanThePhotoOneLine) {
  const QString in = png("photo.png", photoImage(600, 400)), out = path("out.png");
  for (const QString value :
       {"0", "-1", "abc", "255", "8193", "99999999999", "", "1e3", "full ", "FULL", "12.5"}) {
    const Outcome o = run({"--size", value, in, out});
    EXPECT_EQ(o.exitCode, 2) << qPrintable(value);
    const QStringList lines = o.err.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << qPrintable(o.err);
    if (!value.startsWith('-')) {
      EXPECT_EQ(lines[0],
                "vorlane-sketch: --size must be working, full or a longer side from 256 to 8192 pixels "
                "(8192 x 8192 is the 64 MP limit), not \"" +
                    value + "\"");
    }
    EXPECT_EQ(lines[1], "Try 'vorlane-sketch --help'.");
    EXPECT_FALSE(QFileInfo::exists(out));
  }
  EXPECT_EQ(run({"--size", in, out}).exitCode, 2);  // the value missing: the photo taken for it
  EXPECT_FALSE(QFileInfo::exists(out));
  EXPECT_EQ(run({"--thumbnail", "64", "--size", "full", in, out}).exitCode, 2);

  const Outcome large = run({"--size", "601", in, out});
  EXPECT_EQ(large.exitCode, 1);
  EXPECT_EQ(large.err, "vorlane-sketch: " + in + ": 601 pixels is larger than the photo (600 x 400)\n");
  EXPECT_FALSE(QFileInfo::exists(out));
  EXPECT_EQ(render({"--size", "600", in}, out).size(), QSize(600, 400));
}

TEST_F(VorlaneSketchTest, SizeInABatchAppliesToEveryPhotoAndAPhotoTooSmallFailsAlone) {
  png("big.png", photoImage(1800, 1200));
  png("small.png", photoImage(700, 500));
  const QString outDir = path("out");
  const Outcome full =
      run({"--out-dir", outDir, "--size", "full", "--style", "all", path("big.png"), path("small.png")});
  ASSERT_EQ(full.exitCode, 0) << qPrintable(full.err);
  for (int style = 1; style <= 7; ++style) {
    EXPECT_EQ(QImage(outDir + QStringLiteral("/big.style%1.png").arg(style)).size(), QSize(1800, 1200));
    EXPECT_EQ(QImage(outDir + QStringLiteral("/small.style%1.png").arg(style)).size(), QSize(700, 500));
  }
  const QString sized = path("sized");
  const Outcome n =
      run({"--out-dir", sized, "--size", "1500", "--format", "jpg", path("big.png"), path("small.png")});
  EXPECT_EQ(n.exitCode, 1);
  EXPECT_TRUE(n.err.startsWith("vorlane-sketch: " + path("small.png") +
                               ": 1500 pixels is larger than the photo (700 x 500)\n"))
      << qPrintable(n.err);
  EXPECT_EQ(n.err.count('\n'), 2) << qPrintable(n.err);  // and the batch's count of failures
  EXPECT_EQ(QImage(sized + "/big.style1.jpg").size(), QSize(1500, 1000));
  EXPECT_FALSE(QFileInfo::exists(sized + "/small.style1.jpg"));
}

TEST_F(VorlaneSketchTest, ADocumentAtSizeIsItsPictureAtThatSizeAndAtTheWorkingSizeTodaysPicture) {
  const document::PaintingRecord record = largePainting();
  const QString doc = path("painting.vorlane");
  ASSERT_TRUE(document::writePaintingFile(doc, record));
  const QImage working = flat(record, document::kWorkingPictureSize);
  {
    document::StyleRenderer renderer;
    renderer.setTextureName(document::paintingTextureName());
    EXPECT_EQ(opaque(working), opaque(document::flattenPainting(record, renderer).value_or(QImage())));
  }
  const QImage full = flat(record, document::kFullPictureSize);
  ASSERT_EQ(full.size(), QSize(2560, 1600));
  EXPECT_LE(lookDifference(working, full), 8.0);

  const Outcome one = run({"--size", "full", doc, path("full.png")});
  ASSERT_EQ(one.exitCode, 0) << qPrintable(one.err);
  EXPECT_EQ(opaque(QImage(path("full.png"))), opaque(full));
  const Outcome w = run({doc, path("working.png")});
  ASSERT_EQ(w.exitCode, 0) << qPrintable(w.err);
  EXPECT_EQ(opaque(QImage(path("working.png"))), opaque(working));
  const Outcome batch = run({"--out-dir", path("batch"), "--size", "1920", doc});
  ASSERT_EQ(batch.exitCode, 0) << qPrintable(batch.err);
  EXPECT_EQ(QImage(path("batch/painting.style1.png")).size(), QSize(1920, 1200));
  const Outcome tooLarge = run({"--size", "4000", doc, path("x.png")});
  EXPECT_EQ(tooLarge.exitCode, 1);
  EXPECT_EQ(tooLarge.err,
            "vorlane-sketch: " + doc + ": 4000 pixels is larger than the photo (2560 x 1600)\n");

  // A photo no larger than its working size: the sized path gives today's pixels.
  document::PaintingRecord small = record;
  small.photoBytes = sketch_test::pf::encode(photoImage(400, 300), "png");
  small.workingSize = QSize(400, 300);
  EXPECT_EQ(opaque(flat(small, document::kFullPictureSize)),
            opaque(flat(small, document::kWorkingPictureSize)));
  EXPECT_EQ(opaque(flat(small, 400)), opaque(flat(small, document::kWorkingPictureSize)));
}

TEST(ScaledStrokes, EachAxisScalesByItsOwnRatioAndTheWidthByTheLongerSides) {
  const QSize from(640, 400), to(1280, 800);
  const std::vector<canvas::StrokeSegment> recorded = {{100.5f, 80.25f, 40.0f, 60.0f, 30.0f, false, 0, 0},
                                                       {180.0f, 120.0f, 100.5f, 80.25f, 30.0f, false, 0, 10},
                                                       {300.0f, 300.0f, 250.0f, 90.0f, 12.5f, true, 1, 20},
                                                       {600.0f, 390.0f, 300.0f, 300.0f, 7.0f, true, 1, 30},
                                                       {20.0f, 380.0f, 630.0f, 10.0f, 3.0f, false, 2, 40}};
  const std::vector<canvas::StrokeSegment> scaled = document::scaledSegments(recorded, from, to);
  ASSERT_EQ(scaled.size(), recorded.size());
  for (std::size_t i = 0; i < recorded.size(); ++i) {
    EXPECT_EQ(scaled[i].startX, recorded[i].startX * 2) << i;
    EXPECT_EQ(scaled[i].endY, recorded[i].endY * 2) << i;
    EXPECT_EQ(scaled[i].width, recorded[i].width * 2) << i;
    EXPECT_EQ(scaled[i].mode, recorded[i].mode) << i;
    EXPECT_EQ(scaled[i].stroke, recorded[i].stroke) << i;
  }
  // Sides scaled unequally (a portrait working width is a multiple of 256):
  // each axis by its own ratio, the width by the longer sides'.
  const auto uneven = document::scaledSegments(recorded, QSize(768, 1024), QSize(1000, 1700));
  EXPECT_FLOAT_EQ(uneven[0].startX, 40.0f * 1000 / 768);
  EXPECT_FLOAT_EQ(uneven[0].startY, 60.0f * 1700 / 1024);
  EXPECT_FLOAT_EQ(uneven[0].width, 30.0f * 1700 / 1024);
}
