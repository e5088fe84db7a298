// The fit of a photo to the canvas, the brush width and the profile constants.
#include <gtest/gtest.h>

#include "screen/PhotoFit.h"
#include "screen/ScreenProfile.h"

using screen::fitPhoto;

TEST(PhotoFit, PhoneCanvasRatiosAreSinglePrecisionQuotients) {
  EXPECT_EQ(screen::phoneScreenProfile(480).canvasAspect, 280.0f / 375.0f);
  EXPECT_NEAR(screen::phoneScreenProfile(480).canvasAspect, 0.7466667f, 1e-7);
  EXPECT_NEAR(screen::phoneScreenProfile(568).canvasAspect, 0.6047516f, 1e-7);
  EXPECT_NEAR(screen::tabletScreenProfile().canvasAspect, 0.7641509f, 1e-7);
}

TEST(PhotoFit, LandscapePhotoOnPhoneFillsTheWidth) {
  const auto fit = fitPhoto(QSize(3264, 2448), screen::phoneScreenProfile(480).canvasAspect);
  EXPECT_TRUE(fit.bigwidth);
  EXPECT_EQ(fit.offsetratio_x, 0.0f);
  EXPECT_FLOAT_EQ(fit.offsetratio_y, 0.22f);
}

TEST(PhotoFit, PortraitJustWiderThanPhoneCanvasStillFillsTheWidth) {
  const auto fit = fitPhoto(QSize(2448, 3264), screen::phoneScreenProfile(480).canvasAspect);
  EXPECT_TRUE(fit.bigwidth);
  EXPECT_EQ(fit.offsetratio_x, 0.0f);
  EXPECT_NEAR(fit.offsetratio_y, 0.0022222f, 5e-8);
}

TEST(PhotoFit, PortraitOnTabletFillsTheHeight) {
  const auto fit = fitPhoto(QSize(2448, 3264), screen::tabletScreenProfile().canvasAspect);
  EXPECT_FALSE(fit.bigwidth);
  EXPECT_EQ(fit.offsetratio_y, 0.0f);
  EXPECT_NEAR(fit.offsetratio_x, 0.0092593f, 5e-8);
}

TEST(PhotoFit, TallPortraitOn568PhoneFillsTheHeight) {
  // 0.5 is below 0.6047516: margins left and right.
  const auto fit = fitPhoto(QSize(1000, 2000), screen::phoneScreenProfile(568).canvasAspect);
  EXPECT_FALSE(fit.bigwidth);
  const float q = 0.5f / (280.0f / 463.0f);
  EXPECT_EQ(fit.offsetratio_x, float((1.0 - double(q)) * 0.5));
}

TEST(PhotoFit, ExactCanvasShapeTakesTheHeightBranchWithNoMargins) {
  const auto phone = fitPhoto(QSize(280, 375), screen::phoneScreenProfile(480).canvasAspect);
  EXPECT_FALSE(phone.bigwidth);
  EXPECT_EQ(phone.offsetratio_x, 0.0f);
  EXPECT_EQ(phone.offsetratio_y, 0.0f);
  const auto tablet = fitPhoto(QSize(648, 848), screen::tabletScreenProfile().canvasAspect);
  EXPECT_FALSE(tablet.bigwidth);
  EXPECT_EQ(tablet.offsetratio_x, 0.0f);
}

TEST(PhotoFit, BrushWidthIsAFifthOfSliderTimesWidth) {
  EXPECT_EQ(screen::brushWidthForPhoto(0.5f, 640), 64.0f);
  EXPECT_EQ(screen::brushWidthForPhoto(0.5f, 1280), 128.0f);
  EXPECT_EQ(screen::brushWidthForPhoto(0.0f, 1280), 0.0f);
  EXPECT_EQ(screen::brushWidthForPhoto(1.0f, 1000), 200.0f);
  // v * w in single precision, then the product with 0.2 in double.
  const float v = 0.3f;
  EXPECT_EQ(screen::brushWidthForPhoto(v, 777), float(double(v * 777.0f) * 0.2));
}

TEST(ScreenProfile, PhoneFramesFollowTheScreenHeight) {
  const auto p480 = screen::phoneScreenProfile(480);
  EXPECT_EQ(p480.sketchPanelCollapsed, QRectF(270, 415, 50, 65));
  EXPECT_EQ(p480.photoAPanelExpanded, QRectF(0, 90, 50, 390));
  const auto p568 = screen::phoneScreenProfile(568);
  EXPECT_EQ(p568.sketchPanelCollapsed, QRectF(270, 503, 50, 65));
  EXPECT_EQ(p568.sketchPanelExpanded, QRectF(270, 178, 50, 390));
  for (int i = 0; i < 5; ++i) EXPECT_EQ(p480.menuButtonFrame(i), QRectF(12 + 62 * i, 2, 50, 50));
}

TEST(ScreenProfile, TabletFramesAreFixed) {
  const auto p = screen::tabletScreenProfile();
  const float xs[5] = {45, 190, 335, 480, 625};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(p.menuButtonFrame(i), QRectF(xs[i], 5, 100, 100));
  EXPECT_EQ(p.sketchPanelExpanded, QRectF(628, 124, 140, 900));
  EXPECT_EQ(p.photoAPanelCollapsed, QRectF(0, 844, 140, 180));
  EXPECT_FALSE(p.hideCanvasWhileBusy);
  EXPECT_EQ(p.noCamera.message, QStringLiteral("Error accessing photo library!"));
  EXPECT_EQ(p.noCamera.button, QStringLiteral("Close"));
  EXPECT_TRUE(p.noCamera.title.isEmpty());
}
