// The canvas widget driven by real touch and mouse events.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTouchEvent>
#include <cmath>

#include "CanvasTestSupport.h"
#include "canvas/VorlaneView_iPad.h"
#include "platform/widgets/FloatSlider.h"
#include "platform/widgets/PictureButton.h"

using namespace canvas_test;

namespace {

QPointF pictureAt(const VorlaneView& view, QPoint canvasPoint) {
  return view.fixPoint(QPointF(canvasPoint) - view.workviewFrame().topLeft() - view.baseviewFrame().topLeft());
}

QTest::QTouchEventWidgetSequence touch(VorlaneView& view) { return QTest::touchEvent(&view, touchScreen()); }

void cancelTouch(VorlaneView& view) {
  QTouchEvent cancel(QEvent::TouchCancel, touchScreen());
  QCoreApplication::sendEvent(&view, &cancel);
}

void pinchWithoutLift(VorlaneView& view, QPoint a0, QPoint b0, QPoint a1, QPoint b1) {
  touch(view).press(0, a0).press(1, b0);
  touch(view).move(0, a1).move(1, b1);
}

}  // namespace

TEST(VorlaneView, PhoneAndTabletViewTrees) {
  platform::setScreenheight(480.0f);
  VorlaneView_iPhone view(QRectF(0, 0, 320, 480));
  EXPECT_EQ(view.workviewFrame(), QRectF(20, 55, 280, 375));
  EXPECT_EQ(view.baseviewFrame(), QRectF(0, 0, 280, 375));
  EXPECT_EQ(view.workview()->geometry(), QRect(20, 55, 280, 375));
  EXPECT_EQ(view.controlview()->geometry(), QRect(0, 380, 320, 100));
  EXPECT_EQ(view.redobtn()->geometry(), QRect(220, 50, 50, 50));
  EXPECT_EQ(view.undobtn()->geometry(), QRect(50, 50, 50, 50));
  EXPECT_EQ(view.brushsizelabel()->text(), QString::fromUtf8("Brush Size\xEF\xBC\x9A"));
  EXPECT_EQ(view.brushsizelabel()->font().pixelSize(), 18);
  EXPECT_TRUE(view.brushsizelabel()->isHidden() && view.linesizeslider()->isHidden());
  EXPECT_EQ(view.linesizeslider()->value(), 0.5f);
  EXPECT_FALSE(view.undobtn()->isEnabled() || view.redobtn()->isEnabled());
  EXPECT_TRUE(view.Abtn()->isSelected() && !view.Bbtn()->isSelected());
  EXPECT_EQ(view.linesize(), 30.0f);
  EXPECT_TRUE(view.bigwidth());
  EXPECT_FALSE(view.imgready() || view.sketchready());
  EXPECT_EQ(view.democircleFrame(), QRectF(0, 0, 30, 30));
  EXPECT_TRUE(view.democircleHidden());
  EXPECT_FALSE(view.orgimgview()->isHidden());
  EXPECT_TRUE(view.steparray().empty());

  platform::setScreenheight(568.0f);
  VorlaneView_iPhone tall(QRectF(0, 0, 320, 568));
  EXPECT_EQ(tall.workviewFrame(), QRectF(20, 55, 280, 463));
  EXPECT_EQ(tall.controlview()->geometry().y(), 468);
  platform::setScreenheight(480.0f);

  VorlaneView_iPad pad(QRectF(0, 0, 768, 1024));
  EXPECT_EQ(pad.workviewFrame(), QRectF(60, 110, 648, 848));
  EXPECT_EQ(pad.controlview()->geometry(), QRect(0, 892, 768, 132));
  EXPECT_EQ(QPair(pad.brushsizelabel()->width(), pad.linesizeslider()->width()), QPair(488, 488));
  EXPECT_EQ(pad.redobtn()->geometry(), QRect(562, 66, 66, 66));
  EXPECT_FLOAT_EQ(pad.profile().Abtn.x, 324.6f);
  EXPECT_FLOAT_EQ(pad.profile().brushsizelabel.height, 26.4f);
  EXPECT_EQ(pad.brushsizelabel()->font().pixelSize(), 36);
}

TEST(VorlaneView, MappingAndBrushSizeOnTheCanvas) {
  auto view = makeCanvas();
  const QPointF c = view->fixPoint(QPointF(140, 187.5));
  EXPECT_FLOAT_EQ(c.x(), 640.0f);
  EXPECT_FLOAT_EQ(c.y(), 480.0f);
  EXPECT_NEAR(view->getimgframe().width(), 1280.0, 1e-3);
  view->setLinesize(1.0f);
  view->linesizeslider()->setValue(0.5f);
  view->linesizechanged();
  EXPECT_EQ(view->linesize(), 128.0f);
  view->setBrushMode(true);
  EXPECT_TRUE(view->orgimgview()->isHidden());
  EXPECT_TRUE(view->Abtn()->isSelected());
  EXPECT_FALSE(view->Bbtn()->isSelected());
}

TEST(VorlaneView, TapPaintsADotOfTheBrushDiameter) {
  auto view = makeCanvas();
  const QPoint p(160, 242);
  tap(*view, p);
  ASSERT_EQ(view->steparray().size(), 1u);
  const StrokeSegment& s = view->steparray()[0];
  const QPointF centre = pictureAt(*view, p);
  EXPECT_EQ(QPointF(s.startX, s.startY), QPointF(s.endX, s.endY));  // a dot
  EXPECT_FLOAT_EQ(s.endX, float(centre.x()));
  EXPECT_FLOAT_EQ(s.endY, float(centre.y()));
  EXPECT_EQ(s.width, 128.0f);
  EXPECT_FALSE(s.mode);
  EXPECT_EQ(s.stroke, 0u);
  EXPECT_EQ(view->brushindex(), 1);
  EXPECT_EQ(view->currentstep(), 1);
  EXPECT_TRUE(view->undobtn()->isEnabled() && !view->redobtn()->isEnabled());
  EXPECT_TRUE(view->democircleHidden());
  // Cleared within 62 pixels of the centre, soft in between, untouched from 66 on.
  const QImage& image = view->workimgview()->image();
  int cleared = 0, soft = 0, kept = 0;
  for (int y = int(centre.y()) - 70; y <= int(centre.y()) + 70; ++y)
    for (int x = int(centre.x()) - 70; x <= int(centre.x()) + 70; ++x) {
      const double d = std::hypot(x + 0.5 - centre.x(), y + 0.5 - centre.y());
      const QRgb p = image.pixel(x, y);
      const bool inner = d <= 62.0, outer = d >= 66.0;
      if (inner || outer) {
        ASSERT_EQ(p, inner ? 0u : kGrey) << x << "," << y;
      }
      cleared += inner;
      kept += outer;
      soft += !inner && !outer && qAlpha(p) > 0 && qAlpha(p) < 255;
    }
  EXPECT_GT(cleared, 0);
  EXPECT_GT(soft, 0);
  EXPECT_GT(kept, 0);

  // A touch on the undo button reaches the button, not the canvas.
  tap(*view, view->undobtn()->geometry().center() + view->controlview()->pos());
  EXPECT_EQ(view->currentstep(), 0);
  EXPECT_EQ(view->steparray().size(), 1u);
  EXPECT_EQ(view->workimgview()->image(), flat(kGrey));
}

TEST(VorlaneView, TapInTheMarginRecordsNothingAndHidesTheBrushSizeControls) {
  auto view = makeCanvas();
  QTest::mouseClick(view->Abtn(), Qt::LeftButton);
  ASSERT_FALSE(view->brushsizelabel()->isHidden() || view->linesizeslider()->isHidden());
  tap(*view, QPoint(160, 120));  // the top margin ends at 137.5 on the canvas
  EXPECT_TRUE(view->steparray().empty());
  EXPECT_EQ(view->brushindex(), 0);
  EXPECT_FALSE(view->undobtn()->isEnabled());
  EXPECT_EQ(view->workimgview()->image(), flat(kGrey));
  EXPECT_TRUE(view->brushsizelabel()->isHidden() && view->linesizeslider()->isHidden());
}

TEST(VorlaneView, DragRecordsOneSegmentPerMoveWithOneStrokeNumber) {
  auto view = makeCanvas();
  drag(*view, QPoint(100, 200), QPoint(10, 5), 4);
  ASSERT_EQ(view->steparray().size(), 4u);
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(view->steparray()[i].stroke, 0u);
    if (i == 0) continue;  // each segment starts where the previous one ended
    const StrokeSegment &s = view->steparray()[i], &prev = view->steparray()[i - 1];
    EXPECT_EQ(QPointF(s.startX, s.startY), QPointF(prev.endX, prev.endY));
  }
  EXPECT_EQ(view->brushindex(), 1);
  const QPointF end = pictureAt(*view, QPoint(140, 220));
  EXPECT_EQ(view->workimgview()->image().pixel(int(end.x()), int(end.y())), 0u);
  EXPECT_EQ(view->workimgview()->image().pixel(5, 5), kGrey);
  drag(*view, QPoint(200, 300), QPoint(-3, 0), 2);  // the next stroke
  EXPECT_EQ(view->steparray().back().stroke, 1u);
  EXPECT_EQ(view->brushindex(), 2);

  // The mouse acts as one finger.
  const QPointF mid = pictureAt(*view, QPoint(120, 260));
  EXPECT_EQ(view->workimgview()->image().pixel(int(mid.x()), int(mid.y())), kGrey);
  QTest::mousePress(view.get(), Qt::LeftButton, {}, QPoint(100, 260));
  EXPECT_FALSE(view->democircleHidden());
  EXPECT_EQ(view->democircleFrame().size(), QSizeF(28, 28));
  QTest::mouseMove(view.get(), QPoint(120, 260));
  QTest::mouseMove(view.get(), QPoint(140, 270));
  QTest::mouseRelease(view.get(), Qt::LeftButton, {}, QPoint(140, 270));
  EXPECT_EQ(view->steparray().size(), 8u);
  EXPECT_EQ(view->steparray().back().stroke, 2u);
  EXPECT_EQ(view->brushindex(), 3);
  EXPECT_TRUE(view->democircleHidden());
  EXPECT_EQ(view->workimgview()->image().pixel(int(mid.x()), int(mid.y())), 0u);
}

TEST(VorlaneView, NothingHappensUntilTheCanvasIsReady) {
  auto view = makeCanvas();
  view->setSketchready(false);
  tap(*view, QPoint(160, 242));
  drag(*view, QPoint(100, 200), QPoint(10, 0), 3);
  QTest::mouseClick(view.get(), Qt::LeftButton, {}, QPoint(160, 242));
  EXPECT_TRUE(view->steparray().empty());
  EXPECT_EQ(view->workimgview()->image(), flat(kGrey));
  view->setSketchready(true);
  view->setImgready(false);
  pinchWithoutLift(*view, QPoint(100, 200), QPoint(200, 200), QPoint(90, 200), QPoint(210, 200));
  touch(*view).release(0, QPoint(90, 200)).release(1, QPoint(210, 200));
  EXPECT_EQ(view->baseviewFrame(), QRectF(0, 0, 280, 375));
}

TEST(VorlaneView, IndicatorFollowsZoomFromTheNextTouchDown) {
  auto view = makeCanvas();
  touch(*view).press(0, QPoint(160, 242));
  EXPECT_EQ(view->democircleFrame(), QRectF(140 - 14, 187 - 14, 28, 28));
  EXPECT_FALSE(view->democircleHidden());
  EXPECT_TRUE(view->onlyclick());
  touch(*view).release(0, QPoint(160, 242));
  view->setBaseviewFrame(QRectF(0, 0, 560, 750));
  touch(*view).press(0, QPoint(160, 242));
  EXPECT_EQ(view->democircleFrame().size(), QSizeF(56, 56));
  touch(*view).move(0, QPoint(160, 242)).press(1, QPoint(200, 300));  // a second finger hides it
  EXPECT_TRUE(view->democircleHidden());
  EXPECT_FALSE(view->onlyclick());
}

TEST(VorlaneView, PinchZoomsAboutThePreviousMidpoint) {
  auto view = makeCanvas();
  pinchWithoutLift(*view, QPoint(100, 200), QPoint(200, 200), QPoint(90, 200), QPoint(210, 200));
  const QRectF f = view->baseviewFrame();
  EXPECT_FLOAT_EQ(f.width(), 336.0f);
  EXPECT_FLOAT_EQ(f.height(), 450.0f);
  EXPECT_FLOAT_EQ(f.center().x(), 138.0f);
  EXPECT_FLOAT_EQ(f.center().y(), 185.0f);
  EXPECT_TRUE(view->framechanged());
  EXPECT_TRUE(view->steparray().empty());
  touch(*view).release(0, QPoint(90, 200)).release(1, QPoint(210, 200));
  EXPECT_FALSE(view->framechanged());  // covers the clip already: the settling leaves it
  EXPECT_FLOAT_EQ(view->baseviewFrame().center().x(), 138.0f);
  EXPECT_EQ(view->brushindex(), 0);
}

TEST(VorlaneView, TwoFingerPanAndTheAnimatedSettling) {
  auto view = makeCanvas();
  // Moving together by (0, 3): pans down by 3 (x under the dead band).
  pinchWithoutLift(*view, QPoint(100, 200), QPoint(200, 200), QPoint(100, 203), QPoint(200, 203));
  EXPECT_EQ(view->baseviewFrame(), QRectF(0, 3, 280, 375));
  touch(*view).move(0, QPoint(125, 203)).move(1, QPoint(175, 203));  // zoom out by half
  EXPECT_FLOAT_EQ(view->baseviewFrame().width(), 140.0f);
  // Lifting one finger settles at once; the display follows.
  touch(*view).move(0, QPoint(125, 203)).release(1, QPoint(175, 203));
  EXPECT_FALSE(view->framechanged());
  const QRectF settled = view->baseviewFrame();
  EXPECT_EQ(settled.size(), QSizeF(280, 375));
  EXPECT_TRUE(settled.x() <= 0 && settled.y() <= 0 && settled.right() >= 279 && settled.bottom() >= 374)
      << settled.x() << "," << settled.y();
  EXPECT_TRUE(view->settlingAnimationRunning());
  EXPECT_NE(view->displayedBaseviewFrame(), settled);
  QTRY_VERIFY(!view->settlingAnimationRunning());
  EXPECT_EQ(view->displayedBaseviewFrame(), settled);
  // The remaining finger paints from its own previous position.
  touch(*view).move(0, QPoint(135, 250));
  ASSERT_EQ(view->steparray().size(), 1u);
  EXPECT_FLOAT_EQ(view->steparray()[0].startX, float(pictureAt(*view, QPoint(125, 203)).x()));
  touch(*view).release(0, QPoint(135, 250));
  EXPECT_EQ(view->brushindex(), 1);
}

TEST(VorlaneView, RightDragPansAndWheelZoomsAboutThePointer) {
  auto view = makeCanvas();
  QTest::mousePress(view.get(), Qt::RightButton, {}, QPoint(160, 200));
  QTest::mouseMove(view.get(), QPoint(110, 200));
  EXPECT_EQ(view->baseviewFrame(), QRectF(-50, 0, 280, 375));
  QTest::mouseRelease(view.get(), Qt::RightButton, {}, QPoint(110, 200));
  EXPECT_EQ(view->baseviewFrame(), QRectF(-1, 0, 280, 375));  // settled on release
  EXPECT_TRUE(view->steparray().empty());

  view->resetBaseviewFrame();
  const QPointF pointer(160, 242.5);  // plate (140, 187.5)
  QWheelEvent wheel(pointer, view->mapToGlobal(pointer), QPoint(), QPoint(0, -240), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(view.get(), &wheel);
  const QRectF f = view->baseviewFrame();
  EXPECT_FLOAT_EQ(f.width(), 280.0f / 1.21f);
  EXPECT_FLOAT_EQ(f.center().x(), 140.0f);
  EXPECT_FLOAT_EQ(f.center().y(), 187.5f);
  EXPECT_TRUE(view->framechanged());
  QTRY_VERIFY(!view->framechanged());  // settles later
  EXPECT_EQ(view->baseviewFrame(), QRectF(0, 0, 280, 375));
}

TEST(VorlaneView, CancelledTouchEndsLikeALift) {
  auto view = makeCanvas();
  touch(*view).press(0, QPoint(100, 200));
  touch(*view).move(0, QPoint(120, 200));
  ASSERT_EQ(view->steparray().size(), 1u);
  cancelTouch(*view);
  EXPECT_EQ(view->brushindex(), 1);
  EXPECT_FALSE(view->modified());
  EXPECT_TRUE(view->democircleHidden());
  // A cancelled pinch still settles.
  pinchWithoutLift(*view, QPoint(100, 200), QPoint(200, 200), QPoint(125, 200), QPoint(175, 200));
  ASSERT_TRUE(view->framechanged());
  cancelTouch(*view);
  EXPECT_FALSE(view->framechanged());
  EXPECT_EQ(view->baseviewFrame().size(), QSizeF(280, 375));
  // A cancelled tap leaves no dot.
  touch(*view).press(0, QPoint(200, 300));
  cancelTouch(*view);
  EXPECT_EQ(view->steparray().size(), 1u);
  EXPECT_FALSE(view->onlyclick());
}
