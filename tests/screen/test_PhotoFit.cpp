// SPDX-License-Identifier: GPL-3.0-or-later
// The fit of a photo to the canvas and the brush width, for shapes the screens do not show elsewhere,
// and the profiles' constants no screen test reaches.
#include <gtest/gtest.h>

#include "document/PhotoFit.h"
#include "screen/ScreenProfile.h"

TEST(PhotoFit, TheFitOfShapesOnTheTallPhoneAndExactCanvasShapesAndTheBrushWidth) {
  const float phone480 = screen::phoneScreenProfile(480).canvasAspect;
  const float phone568 = screen::phoneScreenProfile(568).canvasAspect;
  const float tablet = screen::tabletScreenProfile().canvasAspect;
  EXPECT_NEAR(phone568, 0.6047516f, 1e-7);
  // Photo, canvas ratio, width filled, the offset on the other axis (the screens' own photos are
  // fitted in the acquisition test).
  for (auto [photo, aspect, bigwidth, margin] : std::initializer_list<std::tuple<QSize, float, bool, float>>{
           {{1000, 2000}, phone568, false, 24.25f / 280.0f},  // 231.5 wide in 280
           {{280, 375}, phone480, false, 0},                   // the exact canvas shape takes the height branch
           {{648, 848}, tablet, false, 0}}) {
    SCOPED_TRACE(testing::Message() << photo.width() << "x" << photo.height() << " on " << aspect);
    const auto fit = document::fitPhoto(photo, aspect);
    EXPECT_EQ(fit.bigwidth, bigwidth);
    EXPECT_EQ(bigwidth ? fit.offsetratio_x : fit.offsetratio_y, 0.0f);
    EXPECT_NEAR(bigwidth ? fit.offsetratio_y : fit.offsetratio_x, margin, 5e-8f);
  }
  // v * w in single precision, then times 0.2 in double.
  EXPECT_EQ(document::brushWidthForPhoto(0.0f, 1280), 0.0f);
  EXPECT_FLOAT_EQ(document::brushWidthForPhoto(0.3f, 777), 46.62f);
}

TEST(ScreenProfile, PhoneFramesFollowTheScreenHeightTabletFramesAreFixed) {
  const auto p480 = screen::phoneScreenProfile(480), p568 = screen::phoneScreenProfile(568);
  EXPECT_EQ(p480.photoAPanelExpanded, QRectF(0, 90, 50, 390));
  EXPECT_EQ(p568.sketchPanelExpanded, QRectF(270, 178, 50, 390));
  const auto t = screen::tabletScreenProfile();
  const float xs[5] = {45, 190, 335, 480, 625};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(p480.menuButtonFrame(i), QRectF(12 + 62 * i, 2, 50, 50));
    EXPECT_EQ(t.menuButtonFrame(i), QRectF(xs[i], 5, 100, 100));
  }
  EXPECT_EQ(t.photoAPanelCollapsed, QRectF(0, 844, 140, 180));
  EXPECT_EQ(t.noCamera.message, QStringLiteral("Error accessing photo library!"));
  EXPECT_TRUE(t.noCamera.title.isEmpty());
  EXPECT_EQ(t.noCamera.button, QStringLiteral("Close"));
}
