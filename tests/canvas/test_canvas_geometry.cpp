// SPDX-License-Identifier: GPL-3.0-or-later
// Canvas geometry on the phone's 280 x 375 clip with a 1280 x 960 photo: on the plate the photo is
// 280 x 210, 82.5 points from the top and bottom; a 600 x 1000 picture 225 x 375, 27.5 from the sides.
#include <gtest/gtest.h>

#include <cmath>

#include "canvas/CanvasGeometry.h"

using namespace canvas;

namespace {
const FrameF kPlate{0.0f, 0.0f, 280.0f, 375.0f};
const SizeF kPhoto{1280.0f, 960.0f}, kTall{600.0f, 1000.0f};
const PictureFit kPhotoFit{0.0f, 82.5f / 375.0f, true}, kTallFit{27.5f / 280.0f, 0.0f, false};

void expectFrame(const FrameF& got, const FrameF& want) {
  EXPECT_FLOAT_EQ(got.x, want.x);
  EXPECT_FLOAT_EQ(got.y, want.y);
  EXPECT_FLOAT_EQ(got.width, want.width);
  EXPECT_FLOAT_EQ(got.height, want.height);
}
}  // namespace

TEST(CanvasGeometry, FixPointMapsPlatePointsToPicturePixels) {
  const std::tuple<FrameF, SizeF, PointF, PointF, bool> cases[] = {
      {kPlate, kPhoto, {140, 187.5f}, {640, 480}, true},               // centre
      {{0, 0, 560, 750}, kPhoto, {280, 375}, {640, 480}, true},        // centre at twice the size
      {{-37, 12, 280, 375}, kPhoto, {140, 187.5f}, {640, 480}, true},  // the origin is not used
      {kPlate, kPhoto, {10, 82}, {45.714286f, -2.285714f}, false},     // top margin
      {kPlate, kPhoto, {10, 293}, {45.714286f, 962.285714f}, false},   // bottom margin
      {kPlate, kPhoto, {0, 83}, {0, 2.285714f}, true},                 // first row
      {kPlate, kPhoto, {280, 187.5f}, {1280, 480}, false},             // right edge
      {kPlate, kTall, {5, 100}, {-60, 266.666667f}, false},            // tall picture's left margin
      {kPlate, {}, {140, 187.5f}, {0, 0}, false}};                     // no picture
  for (const auto& [plate, picture, p, want, inside] : cases) {
    SCOPED_TRACE(testing::Message() << p.x << "," << p.y);
    const PictureFit& fit = picture.width == kTall.width ? kTallFit : kPhotoFit;
    const PointF got = fixPoint(plate, picture, fit, p);
    EXPECT_LT(std::abs(got.x - want.x), 3e-4f);
    EXPECT_LT(std::abs(got.y - want.y), 3e-4f);
    EXPECT_EQ(frameContainsPoint(getimgframe(plate, picture, fit), got), inside);
  }
  EXPECT_EQ(fixPoint({0, 0, 0, 0}, kPhoto, kPhotoFit, {3.0f, 4.0f}), (PointF{0.0f, 0.0f}));
  expectFrame(getimgframe(kPlate, kPhoto, kPhotoFit), {0, 0, 1280, 960});
  EXPECT_NEAR(getimgframe(kPlate, kPhoto, {0.0f, 0.0f, true}).height, 1714.2857f, 1e-3f);  // follows the fit
}

TEST(CanvasGeometry, BrushSizeAndIndicator) {
  EXPECT_FLOAT_EQ(linesizeForSlider(0.3337f, 1001.0f), 66.80674f);  // 334.0337 / 5
  EXPECT_EQ(linesizeForSlider(0.0f, 1280.0f), 0.0f);
  EXPECT_EQ(indicatorDiameter(100.0f, kPlate, kTall, false), 37.5f);  // heights decide
  EXPECT_EQ(indicatorDiameter(30.0f, kPlate, {}, true), 0.0f);
}

TEST(CanvasGeometry, TwoFingerStepZoomsAboutThePreviousMidpointWithDeadBands) {
  const PointF a{100, 200}, b{200, 200};
  const std::tuple<PointF, PointF, PointF, PointF, FrameF> cases[] = {
      {a, b, {100.8f, 203}, {200.8f, 203}, {0, 3, 280, 375}},    // x under the pan band
      {a, b, {101, 201}, {201, 201}, {1, 1, 280, 375}},          // pan by one
      {a, b, {100, 205}, {200, 195}, kPlate},                    // opposite moves cancel
      {a, b, {100, 200}, {201, 200}, kPlate},                    // spread of exactly 1
      {a, b, {99, 200}, {201, 200}, {-3, -4, 285.6f, 382.5f}},   // spread of 2
      {{150, 200}, {150, 200}, {140, 200}, {160, 200}, kPlate},  // coinciding previous
      {a, b, {150, 200}, {150, 200}, {150, 200, 0, 0}}};         // collapse to a point
  for (const auto& [q0, q1, p0, p1, want] : cases) {
    SCOPED_TRACE(testing::Message() << p0.x << "," << p0.y << " " << p1.x << "," << p1.y);
    expectFrame(twoFingerStep(kPlate, q0, q1, p0, p1), want);
  }
  EXPECT_FLOAT_EQ(wheelZoomFactor(120), 1.1f);
  EXPECT_EQ(wheelZoomFactor(0), 1.0f);
}

TEST(CanvasGeometry, Settling) {
  const std::pair<FrameF, FrameF> cases[] = {
      {{70, 93.75f, 140, 187.5f}, kPlate},                // a small plate is restored
      {{150, 200, 0, 0}, kPlate},                         // and so is a zero plate
      {{0, -50, 280, 375}, {0, -1, 280, 375}},            // a one-point strip stays at the bottom
      {{-0.5f, 0, 280, 375}, {-0.5f, 0, 280, 375}},       // a gap under one point stays
      {{20, -187.5f, 560, 750}, {0, -187.5f, 560, 750}},  // a big plate is pushed to the left edge
      {kPlate, kPlate},                                   // a covering plate stays
      {{20, 30, 280, 375}, kPlate}};                      // gaps at the left and top close
  for (const auto& [in, want] : cases)
    EXPECT_EQ(settle(in, {280.0f, 375.0f}), want) << in.x << "," << in.y << " " << in.width;
}
