// The canvas geometry with the numbers of the phone profile (480-point screen:
// a 280 x 375 clipping frame) and a 1280 x 960 photo.
#include <gtest/gtest.h>

#include "canvas/CanvasGeometry.h"

using namespace canvas;

namespace {

const FrameF kPlate{0.0f, 0.0f, 280.0f, 375.0f};
const SizeF kClip{280.0f, 375.0f};
const SizeF kPhoto{1280.0f, 960.0f};
const SizeF kTall{600.0f, 1000.0f};

// The fit that photo acquisition computes for a picture on the clip.
PictureFit fitFor(SizeF picture) {
  const float c = kClip.width / kClip.height, r = picture.width / picture.height;
  if (r > c) return {0.0f, (1.0f - c / r) * 0.5f, true};
  return {(1.0f - r / c) * 0.5f, 0.0f, false};
}

void expectFrame(const FrameF& got, const FrameF& want) {
  EXPECT_FLOAT_EQ(got.x, want.x);
  EXPECT_FLOAT_EQ(got.y, want.y);
  EXPECT_FLOAT_EQ(got.width, want.width);
  EXPECT_FLOAT_EQ(got.height, want.height);
}

}  // namespace

TEST(CanvasGeometry, FixPointMapsPlatePointsToPicturePixels) {
  ASSERT_TRUE(fitFor(kPhoto).bigwidth);
  EXPECT_NEAR(fitFor(kPhoto).offsetratio_y, 0.22f, 1e-6f);
  ASSERT_FALSE(fitFor(kTall).bigwidth);
  // Photo margins: top ends at 82.5 points, bottom starts at 292.5; the tall
  // picture's left margin ends at 27.5.
  struct Case {
    const char* name;
    FrameF plate;
    SizeF picture;
    PointF p, want;
    bool inside;
  };
  const Case cases[] = {
      {"centre", kPlate, kPhoto, {140, 187.5f}, {640, 480}, true},
      {"centre at twice the size", {0, 0, 560, 750}, kPhoto, {280, 375}, {640, 480}, true},
      {"origin not used", {-37, 12, 280, 375}, kPhoto, {140, 187.5f}, {640, 480}, true},
      {"top margin", kPlate, kPhoto, {10, 82}, {45.714286f, -2.285714f}, false},
      {"bottom margin", kPlate, kPhoto, {10, 293}, {45.714286f, 962.285714f}, false},
      {"first row", kPlate, kPhoto, {0, 83}, {0, 2.285714f}, true},
      {"right edge", kPlate, kPhoto, {280, 187.5f}, {1280, 480}, false},
      {"tall centre", kPlate, kTall, {140, 187.5f}, {300, 500}, true},
      {"tall left margin", kPlate, kTall, {5, 100}, {-60, 266.666667f}, false},
      {"no picture", kPlate, {}, {140, 187.5f}, {0, 0}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const PictureFit fit = fitFor(c.picture.width > 0 ? c.picture : kPhoto);
    const PointF got = fixPoint(c.plate, c.picture, fit, c.p);
    EXPECT_NEAR(got.x, c.want.x, 3e-4f);
    EXPECT_NEAR(got.y, c.want.y, 3e-4f);
    EXPECT_EQ(frameContainsPoint(getimgframe(c.plate, c.picture, fit), got), c.inside);
  }
  // An empty plate maps everything to (0, 0).
  EXPECT_EQ(fixPoint({0, 0, 0, 0}, kPhoto, fitFor(kPhoto), {3.0f, 4.0f}), (PointF{0.0f, 0.0f}));
}

TEST(CanvasGeometry, GetimgframeIsThePicturesPixelRectangle) {
  const PictureFit fit = fitFor(kPhoto);
  const FrameF img = getimgframe(kPlate, kPhoto, fit);
  EXPECT_EQ(img.x, 0.0f);
  EXPECT_EQ(img.y, 0.0f);
  EXPECT_NEAR(img.width, 1280.0f, 1e-3f);
  EXPECT_NEAR(img.height, 960.0f, 1e-3f);
  PictureFit other = fit;  // it follows the fit values
  other.offsetratio_y = 0.0f;
  EXPECT_NEAR(getimgframe(kPlate, kPhoto, other).height, 1714.2857f, 1e-3f);
  EXPECT_NEAR(getimgframe(kPlate, kTall, fitFor(kTall)).width, 600.0f, 1e-3f);
  EXPECT_FLOAT_EQ(getimgframe(kPlate, kTall, fitFor(kTall)).height, 1000.0f);
  EXPECT_EQ(getimgframe(kPlate, {}, fit), (FrameF{0, 0, 0, 0}));  // no picture
  EXPECT_EQ(linesizeForSlider(0.5f, 0.0f), 0.0f);
  EXPECT_EQ(indicatorDiameter(30.0f, kPlate, {}, true), 0.0f);
}

TEST(CanvasGeometry, BrushSizeIndicatorAndContainment) {
  EXPECT_EQ(linesizeForSlider(0.5f, 1280.0f), 128.0f);
  EXPECT_EQ(linesizeForSlider(1.0f, 1280.0f), 256.0f);
  EXPECT_EQ(linesizeForSlider(0.0f, 1280.0f), 0.0f);
  // Single-precision product, double-precision tenth, stored as float.
  const float v = 0.3337f;
  EXPECT_EQ(linesizeForSlider(v, 1001.0f), static_cast<float>(static_cast<double>(v * 1001.0f) * 0.2));
  EXPECT_EQ(indicatorDiameter(128.0f, kPlate, kPhoto, true), 28.0f);
  EXPECT_EQ(indicatorDiameter(128.0f, {0, 0, 560, 750}, kPhoto, true), 56.0f);
  EXPECT_EQ(indicatorDiameter(100.0f, kPlate, kTall, false), 37.5f);  // heights decide

  const FrameF r{0, 0, 1280, 960};  // min included, max excluded
  EXPECT_TRUE(frameContainsPoint(r, {0.0f, 0.0f}));
  EXPECT_TRUE(frameContainsPoint(r, {1279.99f, 959.99f}));
  EXPECT_FALSE(frameContainsPoint(r, {1280.0f, 10.0f}));
  EXPECT_FALSE(frameContainsPoint(r, {10.0f, 960.0f}));
  EXPECT_FALSE(frameContainsPoint(r, {-0.01f, 10.0f}));
}

TEST(CanvasGeometry, TwoFingerStepZoomsAboutThePreviousMidpointWithDeadBands) {
  struct Case {
    const char* name;
    PointF q0, q1, p0, p1;
    FrameF want;
  };
  const Case cases[] = {
      {"spread r=1.2: centre (138, 185)", {100, 200}, {200, 200}, {90, 200}, {210, 200}, {-30, -40, 336, 450}},
      {"x under the pan band", {100, 200}, {200, 200}, {100.8f, 203}, {200.8f, 203}, {0, 3, 280, 375}},
      {"pan by one", {100, 200}, {200, 200}, {101, 201}, {201, 201}, {1, 1, 280, 375}},
      {"opposite moves cancel", {100, 200}, {200, 200}, {100, 205}, {200, 195}, kPlate},
      {"spread of exactly 1", {100, 200}, {200, 200}, {100, 200}, {201, 200}, kPlate},
      {"spread of 2", {100, 200}, {200, 200}, {99, 200}, {201, 200}, {-3, -4, 285.6f, 382.5f}},
      {"coinciding previous", {150, 200}, {150, 200}, {140, 200}, {160, 200}, kPlate},
      {"collapse to a point", {100, 200}, {200, 200}, {150, 200}, {150, 200}, {150, 200, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    expectFrame(twoFingerStep(kPlate, c.q0, c.q1, c.p0, c.p1), c.want);
  }

  EXPECT_EQ(zoomAbout(kPlate, 2.0f, {100.0f, 100.0f}), (FrameF{-100.0f, -100.0f, 560.0f, 750.0f}));
  EXPECT_EQ(panBy(kPlate, 5.0f, -3.0f), (FrameF{5.0f, -3.0f, 280.0f, 375.0f}));
  EXPECT_FLOAT_EQ(wheelZoomFactor(120), 1.1f);
  EXPECT_FLOAT_EQ(wheelZoomFactor(-240), static_cast<float>(1.0 / 1.21));
  EXPECT_EQ(wheelZoomFactor(0), 1.0f);
}

TEST(CanvasGeometry, Settling) {
  struct Case {
    const char* name;
    FrameF in, want;
  };
  const Case cases[] = {
      {"small plate restored", {70, 93.75f, 140, 187.5f}, kPlate},
      {"zero plate restored", {150, 200, 0, 0}, kPlate},
      {"one-point strip at the right", {-50, 0, 280, 375}, {-1, 0, 280, 375}},
      {"one-point strip at the bottom", {0, -50, 280, 375}, {0, -1, 280, 375}},
      {"gap under one point stays", {-0.5f, 0, 280, 375}, {-0.5f, 0, 280, 375}},
      {"big plate pushed to the left edge", {20, -187.5f, 560, 750}, {0, -187.5f, 560, 750}},
      {"covering plate stays", kPlate, kPlate},
      {"gap at the left and top closed", {20, 30, 280, 375}, kPlate},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(settle(c.in, kClip), c.want);
  }
}
