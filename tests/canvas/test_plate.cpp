// SPDX-License-Identifier: GPL-3.0-or-later
// The plate without a window, with frames worked out by hand: the phone's fixed
// 280 x 375 plate showing a 1280 x 960 photo, and the desktop's plate fitting a
// 1000 x 500 photo into an 800 x 600 clip. Then the model that joins plate and
// painting: touches that paint or move the plate.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <array>

#include "CanvasFixture.h"
#include "canvas/CanvasModel.h"
#include "platform/AsyncImageWriter.h"

using namespace canvas;

namespace {

// Exact single-precision frames.
void expectFrame(const QRectF& got, float x, float y, float width, float height) {
  EXPECT_EQ((std::array{float(got.x()), float(got.y()), float(got.width()), float(got.height())}),
            (std::array{x, y, width, height}));
}

// The phone: clip at (20, 55) in the canvas; the photo 280 x 210 on the plate, 82.5 points below its top.
std::unique_ptr<Plate> phonePlate() {
  auto plate = std::make_unique<Plate>(PlateRule::FixedFrame, QRectF(20, 55, 280, 375),
                                       QRectF(0, 0, 280, 375), 128.0f);
  plate->setPictureSize({1280, 960});
  plate->setFit({0.0f, 0.22f, true});
  plate->setReady(true, true);
  return plate;
}

// The desktop: the 1000 x 500 photo fitted into 800 x 600 is 800 x 400, 100 down.
std::unique_ptr<Plate> desktopPlate() {
  auto plate = std::make_unique<Plate>(PlateRule::FitPicture, QRectF(0, 0, 800, 600), QRectF(), 30.0f);
  plate->setPictureSize({1000, 500});
  plate->setReady(true, true);
  plate->resetBaseviewFrame();
  return plate;
}

}  // namespace

TEST(Plate, PhoneMapsPlatePointsAndSizesTheIndicator) {
  auto plate = phonePlate();
  expectFrame(plate->baseviewFrame(), 0, 0, 280, 375);
  EXPECT_EQ(plate->fixPoint(QPointF(0, 82.5)), QPointF(0, 0));
  expectFrame(plate->getimgframe(), 0, 0, 1280, 960);
  EXPECT_EQ(plate->indicatorDiameter(), 28.0f);  // 128 picture pixels at 280 / 1280

  QSignalSpy circle(plate.get(), &Plate::democircleChanged);
  EXPECT_TRUE(plate->democircleHidden());
  expectFrame(plate->democircleFrame(), 0, 0, 128, 128);  // the starting brush, not shown
  plate->showIndicatorAt(QPointF(140, 187.5));
  EXPECT_FALSE(plate->democircleHidden());
  expectFrame(plate->democircleFrame(), 126, 173.5, 28, 28);
  ASSERT_EQ(circle.count(), 1);
  EXPECT_TRUE(circle.last().at(1).toBool());  // it was hidden
  plate->setBrushWidth(64.0f);
  plate->moveIndicatorTo(QPointF(100, 100));  // moved, same size
  expectFrame(plate->democircleFrame(), 86, 86, 28, 28);
  EXPECT_EQ(circle.last().at(0).toRectF(), QRectF(126, 173.5, 28, 28));
  EXPECT_FALSE(circle.last().at(1).toBool());
  plate->hideIndicator();
  EXPECT_TRUE(plate->democircleHidden());
  expectFrame(plate->democircleFrame(), 86, 86, 28, 28);
  plate->hideIndicator();  // already hidden: no signal
  EXPECT_EQ(circle.count(), 3);
  plate->showIndicatorAt(QPointF(140, 187.5));  // at the new brush's size
  expectFrame(plate->democircleFrame(), 133, 180.5, 14, 14);
}

// A pinch doubling the finger distance about (150, 200), then pans far away: the settling leaves
// no gap wider than one point at the right and bottom, none at the left and top.
TEST(Plate, PhonePinchPanAndSettle) {
  auto plate = phonePlate();
  QSignalSpy moved(plate.get(), &Plate::plateChanged);
  plate->twoFingerMove(QPointF(100, 200), QPointF(200, 200), QPointF(50, 200), QPointF(250, 200));
  expectFrame(plate->baseviewFrame(), -150, -200, 560, 750);
  EXPECT_TRUE(plate->framechanged());
  EXPECT_EQ(plate->fixPoint(QPointF(280, 375)), QPointF(640, 480));
  EXPECT_EQ(plate->indicatorDiameter(), 56.0f);
  plate->settleIfMoved();  // it covers the clip: it stays, the display is told
  expectFrame(plate->baseviewFrame(), -150, -200, 560, 750);
  EXPECT_FALSE(plate->framechanged());
  ASSERT_EQ(moved.count(), 2);
  EXPECT_TRUE(moved.last().at(0).toBool());
  plate->settleIfMoved();  // nothing moved since
  EXPECT_EQ(moved.count(), 2);

  plate->panBy(QPointF(-1000, -1000));
  expectFrame(plate->baseviewFrame(), -1150, -1200, 560, 750);
  plate->settleIfMoved();
  expectFrame(plate->baseviewFrame(), -281, -376, 560, 750);  // right edge 279, bottom 374
  plate->panBy(QPointF(1000, 1000));
  plate->settleIfMoved();
  expectFrame(plate->baseviewFrame(), 0, 0, 560, 750);
  plate->zoomAbout(0.25f, QPointF(160, 242.5));  // about the clip's centre, smaller than the clip
  expectFrame(plate->baseviewFrame(), 105, 140.625f, 140, 187.5);
  plate->settleIfMoved();
  expectFrame(plate->baseviewFrame(), 0, 0, 280, 375);
  plate->zoomAbout(0.0f, QPointF(160, 242.5));  // no factor, no move
  EXPECT_FALSE(plate->framechanged());
}

TEST(Plate, DesktopFitZoomAndActualPixels) {
  auto plate = desktopPlate();
  expectFrame(plate->baseviewFrame(), 0, 100, 800, 400);
  EXPECT_EQ(plate->zoomFactor(), 0.8);
  plate->zoomBy(2.0f);  // about the clip's centre (400, 300)
  expectFrame(plate->baseviewFrame(), -400, -100, 1600, 800);
  EXPECT_EQ(plate->zoomFactor(), 1.6);
  plate->fitToClip();
  expectFrame(plate->baseviewFrame(), 0, 100, 800, 400);
  plate->zoomBy(0.25f);  // never smaller than the fit
  expectFrame(plate->baseviewFrame(), 0, 100, 800, 400);
  plate->actualPixels(1.0);  // 1000 x 500 about the centre; wider than the clip
  expectFrame(plate->baseviewFrame(), -100, 50, 1000, 500);
  EXPECT_EQ(plate->zoomFactor(), 1.0);
  // Two device pixels per point: 500 x 250, centred, and the settling allows it.
  plate->setDevicePixelRatio(2.0);
  plate->actualPixels(2.0);
  expectFrame(plate->baseviewFrame(), 150, 175, 500, 250);
  EXPECT_EQ(plate->zoomFactor(), 0.5);
  plate->zoomBy(0.5f);  // no smaller than those actual pixels
  expectFrame(plate->baseviewFrame(), 150, 175, 500, 250);
  plate->setReady(true, false);  // the canvas takes no input: the commands wait
  plate->fitToClip();
  plate->zoomBy(2.0f);
  plate->actualPixels(1.0);
  expectFrame(plate->baseviewFrame(), 150, 175, 500, 250);
}

// Zoomed in and panned far past the picture's edges: the settling brings them back to the clip's.
TEST(Plate, DesktopSettlingAfterAPanFarPastTheEdges) {
  auto plate = desktopPlate();
  plate->zoomBy(2.0f);
  QSignalSpy moved(plate.get(), &Plate::plateChanged);
  plate->panBy(QPointF(-5000, -5000));
  expectFrame(plate->baseviewFrame(), -5400, -5100, 1600, 800);
  plate->settleIfMoved();
  expectFrame(plate->baseviewFrame(), -800, -200, 1600, 800);  // right edge 800, bottom 600
  ASSERT_EQ(moved.count(), 2);
  EXPECT_TRUE(moved.last().at(0).toBool());  // the display follows in an animation
  plate->panBy(QPointF(5000, 5000));
  plate->settleIfMoved();
  expectFrame(plate->baseviewFrame(), 0, 0, 1600, 800);
  plate->panBy(QPointF(-250, -60));  // within the picture: it stays
  plate->settleIfMoved();
  expectFrame(plate->baseviewFrame(), -250, -60, 1600, 800);
  // Wider than the clip but not as tall: the height centres, the width keeps its edges.
  plate->zoomBy(0.625f);  // 1000 x 500 about (400, 300), settled at once
  expectFrame(plate->baseviewFrame(), -6.25f, 50, 1000, 500);
  plate->panBy(QPointF(-900, 300));
  plate->settleIfMoved();
  expectFrame(plate->baseviewFrame(), -200, 50, 1000, 500);

  // The clip follows the window: the picture point under the centre stays there.
  plate->fitToClip();
  plate->zoomBy(2.0f);
  plate->setClipFrame(QRectF(0, 0, 1000, 600));
  expectFrame(plate->clipFrame(), 0, 0, 1000, 600);
  expectFrame(plate->baseviewFrame(), -300, -100, 1600, 800);
  plate->setClipFrame(QRectF(0, 0, 1000, 1000));  // now taller than the picture: centred
  expectFrame(plate->baseviewFrame(), -300, 100, 1600, 800);
  // Without a picture the plate is the clip, whatever its size.
  Plate empty(PlateRule::FitPicture, QRectF(0, 0, 800, 600), QRectF(), 30.0f);
  empty.setClipFrame(QRectF(0, 0, 640, 480));
  expectFrame(empty.baseviewFrame(), 0, 0, 640, 480);
  EXPECT_EQ(empty.zoomFactor(), 0.0);
}

// The model joins them: the plate learns photo A's size, the brush width and
// readiness from the painting; one finger paints, two move the plate.
TEST(CanvasModel, ThePlateFollowsThePaintingAndTouchesPaintOrMove) {
  CanvasModel model(PlateRule::FitPicture, QRectF(0, 0, 800, 600), QRectF());
  Painting* painting = model.painting();
  Plate* plate = model.plate();
  EXPECT_FALSE(model.touchesActive());
  plate->zoomBy(2.0f);  // not ready: nothing
  expectFrame(plate->baseviewFrame(), 0, 0, 800, 600);
  model.setPictures(fixture::flat(0xff808080, {1000, 500}), fixture::flat(0xffff0000, {1000, 500}));
  EXPECT_TRUE(model.touchesActive());
  expectFrame(plate->baseviewFrame(), 0, 100, 800, 400);
  plate->setFit({0.0f, 0.0f, true});
  painting->setSliderValue(0.5f);  // 100 picture pixels, 80 points on the plate
  EXPECT_EQ(plate->indicatorDiameter(), 80.0f);

  // A tap at canvas (400, 300): picture (500, 250).
  model.touchesBegan({{QPointF(400, 300), QPointF(400, 300)}});
  expectFrame(plate->democircleFrame(), 360, 160, 80, 80);
  EXPECT_TRUE(model.onlyclick());
  model.touchesEnded({{QPointF(400, 300), QPointF(400, 300)}}, false);
  EXPECT_TRUE(plate->democircleHidden());
  ASSERT_EQ(painting->history().count(), 1);
  const StrokeSegment dot = painting->history().steps()[0];
  EXPECT_EQ(std::tuple(dot.startX, dot.startY, dot.endX, dot.endY, dot.width),
            std::tuple(500.0f, 250.0f, 500.0f, 250.0f, 100.0f));
  EXPECT_EQ(painting->history().brushindex(), 1);
  EXPECT_EQ(painting->workimgview()->image().pixel(500, 250), 0u);
  EXPECT_EQ(painting->workimgview()->image().pixel(500, 310), 0xff808080);

  // A drag above the picture (y < 100 on the canvas) paints nothing.
  model.touchesBegan({{QPointF(100, 50), QPointF(100, 50)}});
  model.touchesMoved({{QPointF(150, 60), QPointF(100, 50)}});
  model.touchesEnded({{QPointF(150, 60), QPointF(150, 60)}}, false);
  EXPECT_EQ(painting->history().count(), 1);

  // Two fingers spreading from 100 to 200 apart about (400, 300): twice the size.
  model.touchesBegan({{QPointF(350, 300), QPointF(350, 300)}, {QPointF(450, 300), QPointF(450, 300)}});
  model.touchesMoved({{QPointF(300, 300), QPointF(350, 300)}, {QPointF(500, 300), QPointF(450, 300)}});
  expectFrame(plate->baseviewFrame(), -400, -100, 1600, 800);
  EXPECT_TRUE(plate->framechanged());
  model.touchesEnded({{QPointF(300, 300), QPointF(300, 300)}}, false);
  EXPECT_FALSE(plate->framechanged());
  EXPECT_EQ(painting->history().count(), 1);

  painting->setSketchready(false);  // a render under way
  EXPECT_FALSE(model.touchesActive());
  plate->fitToClip();
  expectFrame(plate->baseviewFrame(), -400, -100, 1600, 800);
  platform::AsyncImageWriter::shared().waitForIdle();
}
