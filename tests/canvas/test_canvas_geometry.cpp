// The canvas geometry with the numbers of the phone profile (480-point screen:
// a 280 x 375 clipping frame) and a 1280 x 960 photo.
#include <gtest/gtest.h>

#include <cmath>

#include "canvas/CanvasGeometry.h"

using namespace canvas;

namespace {

const FrameF kPlate{0.0f, 0.0f, 280.0f, 375.0f};
const SizeF kClip{280.0f, 375.0f};
const SizeF kPhoto{1280.0f, 960.0f};

// The fit that photo acquisition computes for a picture on this clip.
PictureFit fitFor(SizeF picture, SizeF clip) {
  const float c = clip.width / clip.height;
  const float r = picture.width / picture.height;
  PictureFit fit;
  if (r > c) {
    fit.offsetratio_x = 0.0f;
    fit.offsetratio_y = (1.0f - c / r) * 0.5f;
    fit.bigwidth = true;
  } else {
    fit.offsetratio_y = 0.0f;
    fit.offsetratio_x = (1.0f - r / c) * 0.5f;
    fit.bigwidth = false;
  }
  return fit;
}

}  // namespace

TEST(CanvasGeometry, FixPointMapsThePlateCentreToThePictureCentre) {
  const PictureFit fit = fitFor(kPhoto, kClip);
  ASSERT_TRUE(fit.bigwidth);
  EXPECT_NEAR(fit.offsetratio_y, 0.22f, 1e-6f);
  const PointF p = fixPoint(kPlate, kPhoto, fit, {140.0f, 187.5f});
  EXPECT_FLOAT_EQ(p.x, 640.0f);
  EXPECT_FLOAT_EQ(p.y, 480.0f);
  // Twice the size: the plate's centre is still the picture's centre.
  const PointF z = fixPoint({0, 0, 560, 750}, kPhoto, fit, {280.0f, 375.0f});
  EXPECT_FLOAT_EQ(z.x, 640.0f);
  EXPECT_FLOAT_EQ(z.y, 480.0f);
  // The plate's origin is not used: only its size.
  const PointF moved = fixPoint({-37, 12, 280, 375}, kPhoto, fit, {140.0f, 187.5f});
  EXPECT_EQ(moved, p);
}

TEST(CanvasGeometry, FixPointLeavesMarginPointsOutsideThePicture) {
  const PictureFit fit = fitFor(kPhoto, kClip);
  const FrameF img = getimgframe(kPlate, kPhoto, fit);
  // Top margin ends at 82.5 points; the bottom margin starts at 292.5.
  const PointF top = fixPoint(kPlate, kPhoto, fit, {10.0f, 82.0f});
  EXPECT_LT(top.y, 0.0f);
  EXPECT_FALSE(frameContainsPoint(img, top));
  const PointF bottom = fixPoint(kPlate, kPhoto, fit, {10.0f, 293.0f});
  EXPECT_GE(bottom.y, 960.0f);
  EXPECT_FALSE(frameContainsPoint(img, bottom));
  const PointF corner = fixPoint(kPlate, kPhoto, fit, {0.0f, 83.0f});
  EXPECT_TRUE(frameContainsPoint(img, corner));
  const PointF right = fixPoint(kPlate, kPhoto, fit, {280.0f, 187.5f});
  EXPECT_FLOAT_EQ(right.x, 1280.0f);
  EXPECT_FALSE(frameContainsPoint(img, right));
}

TEST(CanvasGeometry, GetimgframeIsThePicturesPixelRectangle) {
  const PictureFit fit = fitFor(kPhoto, kClip);
  const FrameF img = getimgframe(kPlate, kPhoto, fit);
  EXPECT_EQ(img.x, 0.0f);
  EXPECT_EQ(img.y, 0.0f);
  EXPECT_NEAR(img.width, 1280.0f, 1e-3f);
  EXPECT_NEAR(img.height, 960.0f, 1e-3f);
  // It follows the fit values when they change.
  PictureFit other = fit;
  other.offsetratio_y = 0.0f;
  EXPECT_NEAR(getimgframe(kPlate, kPhoto, other).height, 1714.2857f, 1e-3f);
}

TEST(CanvasGeometry, TallPicturesMapThroughTheHeights) {
  const SizeF tall{600.0f, 1000.0f};
  const PictureFit fit = fitFor(tall, kClip);
  ASSERT_FALSE(fit.bigwidth);
  EXPECT_GT(fit.offsetratio_x, 0.0f);
  const PointF c = fixPoint(kPlate, tall, fit, {140.0f, 187.5f});
  EXPECT_NEAR(c.x, 300.0f, 1e-3f);
  EXPECT_FLOAT_EQ(c.y, 500.0f);
  const FrameF img = getimgframe(kPlate, tall, fit);
  EXPECT_NEAR(img.width, 600.0f, 1e-3f);
  EXPECT_FLOAT_EQ(img.height, 1000.0f);
  EXPECT_LT(fixPoint(kPlate, tall, fit, {5.0f, 100.0f}).x, 0.0f);
}

TEST(CanvasGeometry, WithoutPictureEverythingIsZero) {
  const PictureFit fit = fitFor(kPhoto, kClip);
  EXPECT_EQ(fixPoint(kPlate, {}, fit, {140.0f, 187.5f}), (PointF{0.0f, 0.0f}));
  const FrameF img = getimgframe(kPlate, {}, fit);
  EXPECT_EQ(img.width, 0.0f);
  EXPECT_EQ(img.height, 0.0f);
  EXPECT_FALSE(frameContainsPoint(img, {0.0f, 0.0f}));
  EXPECT_EQ(linesizeForSlider(0.5f, 0.0f), 0.0f);
  EXPECT_EQ(indicatorDiameter(30.0f, kPlate, {}, true), 0.0f);
  // An empty plate maps nothing to infinity.
  const PointF e = fixPoint({0, 0, 0, 0}, kPhoto, fit, {3.0f, 4.0f});
  EXPECT_EQ(e, (PointF{0.0f, 0.0f}));
}

TEST(CanvasGeometry, SliderGivesATenthOfTheWidthAtItsMiddle) {
  EXPECT_EQ(linesizeForSlider(0.5f, 1280.0f), 128.0f);
  EXPECT_EQ(linesizeForSlider(1.0f, 1280.0f), 256.0f);
  EXPECT_EQ(linesizeForSlider(0.0f, 1280.0f), 0.0f);
  // Single-precision product, double-precision tenth, stored as float.
  const float v = 0.3337f;
  EXPECT_EQ(linesizeForSlider(v, 1001.0f), static_cast<float>(static_cast<double>(v * 1001.0f) * 0.2));
}

TEST(CanvasGeometry, IndicatorFollowsTheZoom) {
  EXPECT_EQ(indicatorDiameter(128.0f, kPlate, kPhoto, true), 28.0f);
  EXPECT_EQ(indicatorDiameter(128.0f, {0, 0, 560, 750}, kPhoto, true), 56.0f);
  // Not bigwidth: heights decide.
  EXPECT_EQ(indicatorDiameter(100.0f, kPlate, {600.0f, 1000.0f}, false), 37.5f);
}

TEST(CanvasGeometry, FrameContainsPointIncludesMinExcludesMax) {
  const FrameF r{0, 0, 1280, 960};
  EXPECT_TRUE(frameContainsPoint(r, {0.0f, 0.0f}));
  EXPECT_TRUE(frameContainsPoint(r, {1279.99f, 959.99f}));
  EXPECT_FALSE(frameContainsPoint(r, {1280.0f, 10.0f}));
  EXPECT_FALSE(frameContainsPoint(r, {10.0f, 960.0f}));
  EXPECT_FALSE(frameContainsPoint(r, {-0.01f, 10.0f}));
}

TEST(CanvasGeometry, SpreadingFingersZoomsAboutThePreviousMidpoint) {
  const FrameF f = twoFingerStep(kPlate, {100, 200}, {200, 200}, {90, 200}, {210, 200});
  EXPECT_FLOAT_EQ(f.width, 336.0f);
  EXPECT_FLOAT_EQ(f.height, 450.0f);
  EXPECT_FLOAT_EQ(f.center().x, 138.0f);
  EXPECT_FLOAT_EQ(f.center().y, 185.0f);
  EXPECT_FLOAT_EQ(f.x, -30.0f);
  EXPECT_FLOAT_EQ(f.y, -40.0f);
}

TEST(CanvasGeometry, PanHasADeadBandPerAxis) {
  const FrameF a = twoFingerStep(kPlate, {100, 200}, {200, 200}, {100.8f, 203}, {200.8f, 203});
  EXPECT_EQ(a.center(), (PointF{140.0f, 190.5f}));
  EXPECT_EQ(a.width, 280.0f);
  const FrameF b = twoFingerStep(kPlate, {100, 200}, {200, 200}, {101, 201}, {201, 201});
  EXPECT_EQ(b.center(), (PointF{141.0f, 188.5f}));
  // Opposite movements cancel out: no pan.
  const FrameF c = twoFingerStep(kPlate, {100, 200}, {200, 200}, {100, 205}, {200, 195});
  EXPECT_EQ(c, kPlate);
}

TEST(CanvasGeometry, ZoomHasADeadBandOfOnePoint) {
  // Spread by exactly 1.0: no zoom (and a 0.5 mean movement does not pan).
  EXPECT_EQ(twoFingerStep(kPlate, {100, 200}, {200, 200}, {100, 200}, {201, 200}), kPlate);
  // Spread by 2: zoom.
  const FrameF f = twoFingerStep(kPlate, {100, 200}, {200, 200}, {99, 200}, {201, 200});
  EXPECT_FLOAT_EQ(f.width, 280.0f * 1.02f);
}

TEST(CanvasGeometry, CoincidingPreviousPositionsDoNotZoom) {
  const FrameF f = twoFingerStep(kPlate, {150, 200}, {150, 200}, {140, 200}, {160, 200});
  EXPECT_EQ(f, kPlate);
  EXPECT_FALSE(std::isnan(f.x));
  // Both fingers collapsing onto one point would give a zero plate: allowed by
  // the step (r = 0) but the settling restores it.
  const FrameF z = twoFingerStep(kPlate, {100, 200}, {200, 200}, {150, 200}, {150, 200});
  EXPECT_EQ(z.width, 0.0f);
  EXPECT_EQ(settle(z, kClip).width, 280.0f);
}

TEST(CanvasGeometry, ZoomAboutKeepsTheAnchorFixed) {
  const FrameF f = zoomAbout(kPlate, 2.0f, {100.0f, 100.0f});
  EXPECT_EQ(f, (FrameF{-100.0f, -100.0f, 560.0f, 750.0f}));
  EXPECT_EQ(panBy(kPlate, 5.0f, -3.0f), (FrameF{5.0f, -3.0f, 280.0f, 375.0f}));
  EXPECT_FLOAT_EQ(wheelZoomFactor(120), 1.1f);
  EXPECT_FLOAT_EQ(wheelZoomFactor(-240), static_cast<float>(1.0 / 1.21));
  EXPECT_EQ(wheelZoomFactor(0), 1.0f);
}

TEST(CanvasGeometry, SettlingRestoresASmallPlate) {
  FrameF small{0, 0, 140.0f, 187.5f};
  small.setCenter({140.0f, 187.5f});
  EXPECT_EQ(settle(small, kClip), kPlate);
}

TEST(CanvasGeometry, SettlingLeavesAOnePointStripAtTheRightAndBottom) {
  const FrameF left = settle(panBy(kPlate, -50.0f, 0.0f), kClip);
  EXPECT_EQ(left.center().x, 139.0f);
  EXPECT_EQ(left.x, -1.0f);
  EXPECT_EQ(left.y, 0.0f);
  const FrameF up = settle(panBy(kPlate, 0.0f, -50.0f), kClip);
  EXPECT_EQ(up.center().y, 186.5f);
  EXPECT_EQ(up.y, -1.0f);
  // A gap of less than one point stays.
  EXPECT_EQ(settle(panBy(kPlate, -0.5f, 0.0f), kClip), panBy(kPlate, -0.5f, 0.0f));
}

TEST(CanvasGeometry, SettlingPushesABigPlateToTheLeftEdge) {
  FrameF big{0, 0, 560.0f, 750.0f};
  big.setCenter({300.0f, 187.5f});
  const FrameF s = settle(big, kClip);
  EXPECT_EQ(s.center(), (PointF{280.0f, 187.5f}));
  EXPECT_EQ(s.x, 0.0f);
  EXPECT_EQ(s.y, -187.5f);
  EXPECT_EQ(s.width, 560.0f);
  // A plate that covers the frame stays.
  EXPECT_EQ(settle(kPlate, kClip), kPlate);
  const FrameF gap = settle(panBy(kPlate, 20.0f, 30.0f), kClip);
  EXPECT_EQ(gap, kPlate);
}
