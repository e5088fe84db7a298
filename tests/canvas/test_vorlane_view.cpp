// The canvas widget driven by real touch and mouse events.
#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QTouchEvent>
#include <cmath>

#include "CanvasTestSupport.h"
#include "canvas/VorlaneView_iPad.h"
#include "platform/AsyncImageWriter.h"
#include "platform/Paths.h"
#include "platform/widgets/FloatSlider.h"
#include "platform/widgets/PictureButton.h"

using namespace canvas_test;

namespace {

QPointF pictureAt(const VorlaneView& view, QPoint canvasPoint) {
  return view.fixPoint(QPointF(canvasPoint) - view.workviewFrame().topLeft() -
                       view.baseviewFrame().topLeft());
}

void tap(VorlaneView& view, QPoint p) {
  QTest::touchEvent(&view, touchScreen()).press(0, p);
  QTest::touchEvent(&view, touchScreen()).release(0, p);
}

void drag(VorlaneView& view, QPoint from, QPoint step, int moves) {
  QPoint p = from;
  QTest::touchEvent(&view, touchScreen()).press(0, p);
  for (int i = 0; i < moves; ++i) {
    p += step;
    QTest::touchEvent(&view, touchScreen()).move(0, p);
  }
  QTest::touchEvent(&view, touchScreen()).release(0, p);
}

void pinch(VorlaneView& view, QPoint a0, QPoint b0, QPoint a1, QPoint b1, bool release = true) {
  QTest::touchEvent(&view, touchScreen()).press(0, a0).press(1, b0);
  QTest::touchEvent(&view, touchScreen()).move(0, a1).move(1, b1);
  if (release) QTest::touchEvent(&view, touchScreen()).release(0, a1).release(1, b1);
}

// Pixels within inner of centre are cleared, those beyond outer untouched.
void expectDot(const QImage& image, QPointF centre, double inner, double outer, QRgb untouched) {
  int cleared = 0, kept = 0;
  for (int y = int(centre.y() - outer - 4); y <= int(centre.y() + outer + 4); ++y)
    for (int x = int(centre.x() - outer - 4); x <= int(centre.x() + outer + 4); ++x) {
      if (!image.rect().contains(x, y)) continue;
      const double d = std::hypot(x + 0.5 - centre.x(), y + 0.5 - centre.y());
      if (d <= inner) {
        ASSERT_EQ(image.pixel(x, y), 0u) << x << "," << y;
        ++cleared;
      } else if (d >= outer) {
        ASSERT_EQ(image.pixel(x, y), untouched) << x << "," << y;
        ++kept;
      }
    }
  EXPECT_GT(cleared, 0);
  EXPECT_GT(kept, 0);
}

}  // namespace

TEST(VorlaneView, PhoneViewTreeAndInitialState) {
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
  EXPECT_TRUE(view.brushsizelabel()->isHidden());
  EXPECT_TRUE(view.linesizeslider()->isHidden());
  EXPECT_EQ(view.linesizeslider()->value(), 0.5f);
  EXPECT_FALSE(view.undobtn()->isEnabled());
  EXPECT_FALSE(view.redobtn()->isEnabled());
  EXPECT_TRUE(view.Abtn()->isSelected());
  EXPECT_FALSE(view.Bbtn()->isSelected());
  EXPECT_EQ(view.linesize(), 30.0f);
  EXPECT_TRUE(view.bigwidth());
  EXPECT_FALSE(view.imgready());
  EXPECT_FALSE(view.sketchready());
  EXPECT_EQ(view.democircleFrame(), QRectF(0, 0, 30, 30));
  EXPECT_TRUE(view.democircleHidden());
  EXPECT_FALSE(view.orgimgview()->isHidden());
  EXPECT_TRUE(view.steparray().empty());

  platform::setScreenheight(568.0f);
  VorlaneView_iPhone tall(QRectF(0, 0, 320, 568));
  EXPECT_EQ(tall.workviewFrame(), QRectF(20, 55, 280, 463));
  EXPECT_EQ(tall.controlview()->geometry().y(), 468);
  platform::setScreenheight(480.0f);
}

TEST(VorlaneView, TabletViewTree) {
  VorlaneView_iPad view(QRectF(0, 0, 768, 1024));
  EXPECT_EQ(view.workviewFrame(), QRectF(60, 110, 648, 848));
  EXPECT_EQ(view.controlview()->geometry(), QRect(0, 892, 768, 132));
  EXPECT_EQ(view.brushsizelabel()->width(), 488);
  EXPECT_EQ(view.linesizeslider()->width(), 488);
  EXPECT_EQ(view.redobtn()->geometry(), QRect(562, 66, 66, 66));
  EXPECT_FLOAT_EQ(view.profile().Abtn.x, 324.6f);
  EXPECT_FLOAT_EQ(view.profile().brushsizelabel.height, 26.4f);
  EXPECT_EQ(view.brushsizelabel()->font().pixelSize(), 36);
}

TEST(VorlaneView, MappingAndBrushSizeOnTheCanvas) {
  auto view = makeCanvas();
  const QPointF c = view->fixPoint(QPointF(140, 187.5));
  EXPECT_FLOAT_EQ(c.x(), 640.0f);
  EXPECT_FLOAT_EQ(c.y(), 480.0f);
  EXPECT_NEAR(view->getimgframe().width(), 1280.0, 1e-3);
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
  const QPointF expected = pictureAt(*view, p);
  EXPECT_EQ(s.startX, s.endX);
  EXPECT_EQ(s.startY, s.endY);
  EXPECT_FLOAT_EQ(s.endX, float(expected.x()));
  EXPECT_FLOAT_EQ(s.endY, float(expected.y()));
  EXPECT_EQ(s.width, 128.0f);
  EXPECT_FALSE(s.mode);
  EXPECT_EQ(s.stroke, 0u);
  EXPECT_EQ(view->brushindex(), 1);
  EXPECT_EQ(view->currentstep(), 1);
  EXPECT_TRUE(view->undobtn()->isEnabled());
  EXPECT_FALSE(view->redobtn()->isEnabled());
  EXPECT_TRUE(view->democircleHidden());
  expectDot(view->workimgview()->image(), expected, 62.0, 66.0, kGrey);
}

TEST(VorlaneView, TapInTheMarginRecordsNothing) {
  auto view = makeCanvas();
  // The top margin ends at 82.5 plate points (137.5 on the canvas).
  tap(*view, QPoint(160, 120));
  EXPECT_TRUE(view->steparray().empty());
  EXPECT_EQ(view->brushindex(), 0);
  EXPECT_FALSE(view->undobtn()->isEnabled());
  EXPECT_EQ(view->workimgview()->image(), flat(kGrey));
}

TEST(VorlaneView, DragRecordsOneSegmentPerMoveWithOneStrokeNumber) {
  auto view = makeCanvas();
  drag(*view, QPoint(100, 200), QPoint(10, 5), 4);
  ASSERT_EQ(view->steparray().size(), 4u);
  for (const StrokeSegment& s : view->steparray()) EXPECT_EQ(s.stroke, 0u);
  // Each segment starts where the previous one ended.
  for (size_t i = 1; i < 4; ++i) {
    EXPECT_EQ(view->steparray()[i].startX, view->steparray()[i - 1].endX);
    EXPECT_EQ(view->steparray()[i].startY, view->steparray()[i - 1].endY);
  }
  EXPECT_EQ(view->brushindex(), 1);
  const QPointF end = pictureAt(*view, QPoint(140, 220));
  EXPECT_EQ(view->workimgview()->image().pixel(int(end.x()), int(end.y())), 0u);
  EXPECT_EQ(view->workimgview()->image().pixel(5, 5), kGrey);
  // A second drag is the next stroke.
  drag(*view, QPoint(200, 300), QPoint(-3, 0), 2);
  EXPECT_EQ(view->steparray().back().stroke, 1u);
  EXPECT_EQ(view->brushindex(), 2);
}

TEST(VorlaneView, MouseActsAsOneFinger) {
  auto view = makeCanvas();
  QTest::mousePress(view.get(), Qt::LeftButton, {}, QPoint(100, 200));
  EXPECT_FALSE(view->democircleHidden());
  EXPECT_EQ(view->democircleFrame().size(), QSizeF(28, 28));
  QTest::mouseMove(view.get(), QPoint(120, 200));
  QTest::mouseMove(view.get(), QPoint(140, 210));
  QTest::mouseRelease(view.get(), Qt::LeftButton, {}, QPoint(140, 210));
  EXPECT_EQ(view->steparray().size(), 2u);
  EXPECT_EQ(view->brushindex(), 1);
  EXPECT_TRUE(view->democircleHidden());
  const QPointF mid = pictureAt(*view, QPoint(120, 200));
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
  pinch(*view, QPoint(100, 200), QPoint(200, 200), QPoint(90, 200), QPoint(210, 200));
  EXPECT_EQ(view->baseviewFrame(), QRectF(0, 0, 280, 375));
}

TEST(VorlaneView, IndicatorFollowsZoomFromTheNextTouchDown) {
  auto view = makeCanvas();
  QTest::touchEvent(view.get(), touchScreen()).press(0, QPoint(160, 242));
  EXPECT_EQ(view->democircleFrame(), QRectF(140 - 14, 187 - 14, 28, 28));
  EXPECT_FALSE(view->democircleHidden());
  EXPECT_TRUE(view->onlyclick());
  QTest::touchEvent(view.get(), touchScreen()).release(0, QPoint(160, 242));
  view->setBaseviewFrame(QRectF(0, 0, 560, 750));
  QTest::touchEvent(view.get(), touchScreen()).press(0, QPoint(160, 242));
  EXPECT_EQ(view->democircleFrame().size(), QSizeF(56, 56));
  // A second finger hides it.
  QTest::touchEvent(view.get(), touchScreen()).move(0, QPoint(160, 242)).press(1, QPoint(200, 300));
  EXPECT_TRUE(view->democircleHidden());
  EXPECT_FALSE(view->onlyclick());
}

TEST(VorlaneView, TouchDownHidesTheBrushSizeControls) {
  auto view = makeCanvas();
  QTest::mouseClick(view->Abtn(), Qt::LeftButton);
  EXPECT_FALSE(view->brushsizelabel()->isHidden());
  EXPECT_FALSE(view->linesizeslider()->isHidden());
  tap(*view, QPoint(160, 120));
  EXPECT_TRUE(view->brushsizelabel()->isHidden());
  EXPECT_TRUE(view->linesizeslider()->isHidden());
}

TEST(VorlaneView, TouchOnAButtonReachesTheButton) {
  auto view = makeCanvas();
  tap(*view, QPoint(160, 242));
  ASSERT_TRUE(view->undobtn()->isEnabled());
  const QPoint undoCentre = view->undobtn()->geometry().center() + view->controlview()->pos();
  tap(*view, undoCentre);
  EXPECT_EQ(view->currentstep(), 0);
  EXPECT_EQ(view->steparray().size(), 1u);
  EXPECT_EQ(view->workimgview()->image(), flat(kGrey));
}

TEST(VorlaneView, PinchZoomsAboutThePreviousMidpoint) {
  auto view = makeCanvas();
  pinch(*view, QPoint(100, 200), QPoint(200, 200), QPoint(90, 200), QPoint(210, 200), false);
  const QRectF f = view->baseviewFrame();
  EXPECT_FLOAT_EQ(f.width(), 336.0f);
  EXPECT_FLOAT_EQ(f.height(), 450.0f);
  EXPECT_FLOAT_EQ(f.center().x(), 138.0f);
  EXPECT_FLOAT_EQ(f.center().y(), 185.0f);
  EXPECT_TRUE(view->framechanged());
  EXPECT_TRUE(view->steparray().empty());
  QTest::touchEvent(view.get(), touchScreen()).release(0, QPoint(90, 200)).release(1, QPoint(210, 200));
  // Covers the clip already: the settling leaves it.
  EXPECT_FALSE(view->framechanged());
  EXPECT_FLOAT_EQ(view->baseviewFrame().center().x(), 138.0f);
  EXPECT_EQ(view->brushindex(), 0);
}

TEST(VorlaneView, TwoFingerPanAndTheAnimatedSettling) {
  auto view = makeCanvas();
  // Moving together by (0, 3): pans down by 3 (x under the dead band).
  QTest::touchEvent(view.get(), touchScreen()).press(0, QPoint(100, 200)).press(1, QPoint(200, 200));
  QTest::touchEvent(view.get(), touchScreen()).move(0, QPoint(100, 203)).move(1, QPoint(200, 203));
  EXPECT_EQ(view->baseviewFrame(), QRectF(0, 3, 280, 375));
  // Zoom out by half.
  QTest::touchEvent(view.get(), touchScreen()).move(0, QPoint(125, 203)).move(1, QPoint(175, 203));
  EXPECT_FLOAT_EQ(view->baseviewFrame().width(), 140.0f);
  // Lifting one finger settles at once; the display follows.
  QTest::touchEvent(view.get(), touchScreen()).move(0, QPoint(125, 203)).release(1, QPoint(175, 203));
  EXPECT_FALSE(view->framechanged());
  const QRectF settled = view->baseviewFrame();
  EXPECT_EQ(settled.size(), QSizeF(280, 375));
  EXPECT_LE(settled.x(), 0.0);
  EXPECT_LE(settled.y(), 0.0);
  EXPECT_GE(settled.right(), 279.0);
  EXPECT_GE(settled.bottom(), 374.0);
  EXPECT_TRUE(view->settlingAnimationRunning());
  EXPECT_NE(view->displayedBaseviewFrame(), settled);
  QTRY_VERIFY(!view->settlingAnimationRunning());
  EXPECT_EQ(view->displayedBaseviewFrame(), settled);
  // The remaining finger paints from its own previous position.
  QTest::touchEvent(view.get(), touchScreen()).move(0, QPoint(135, 250));
  ASSERT_EQ(view->steparray().size(), 1u);
  const QPointF start = pictureAt(*view, QPoint(125, 203));
  EXPECT_FLOAT_EQ(view->steparray()[0].startX, float(start.x()));
  QTest::touchEvent(view.get(), touchScreen()).release(0, QPoint(135, 250));
  EXPECT_EQ(view->brushindex(), 1);
}

TEST(VorlaneView, RightDragPansAndSettlesOnRelease) {
  auto view = makeCanvas();
  QTest::mousePress(view.get(), Qt::RightButton, {}, QPoint(160, 200));
  QTest::mouseMove(view.get(), QPoint(110, 200));
  EXPECT_EQ(view->baseviewFrame(), QRectF(-50, 0, 280, 375));
  QTest::mouseRelease(view.get(), Qt::RightButton, {}, QPoint(110, 200));
  EXPECT_EQ(view->baseviewFrame(), QRectF(-1, 0, 280, 375));
  EXPECT_TRUE(view->steparray().empty());
}

TEST(VorlaneView, WheelZoomsAboutThePointerAndSettlesLater) {
  auto view = makeCanvas();
  const QPointF pointer(160, 242.5);  // plate (140, 187.5)
  QWheelEvent wheel(pointer, view->mapToGlobal(pointer), QPoint(), QPoint(0, -240), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(view.get(), &wheel);
  const QRectF f = view->baseviewFrame();
  EXPECT_FLOAT_EQ(f.width(), 280.0f / 1.21f);
  EXPECT_FLOAT_EQ(f.center().x(), 140.0f);
  EXPECT_FLOAT_EQ(f.center().y(), 187.5f);
  EXPECT_TRUE(view->framechanged());
  QTRY_VERIFY(!view->framechanged());
  EXPECT_EQ(view->baseviewFrame(), QRectF(0, 0, 280, 375));
}

TEST(VorlaneView, CancelledTouchEndsLikeALift) {
  auto view = makeCanvas();
  QTest::touchEvent(view.get(), touchScreen()).press(0, QPoint(100, 200));
  QTest::touchEvent(view.get(), touchScreen()).move(0, QPoint(120, 200));
  ASSERT_EQ(view->steparray().size(), 1u);
  QTouchEvent cancel(QEvent::TouchCancel, touchScreen());
  QCoreApplication::sendEvent(view.get(), &cancel);
  EXPECT_EQ(view->brushindex(), 1);
  EXPECT_FALSE(view->modified());
  EXPECT_TRUE(view->democircleHidden());
  // A cancelled pinch still settles.
  pinch(*view, QPoint(100, 200), QPoint(200, 200), QPoint(125, 200), QPoint(175, 200), false);
  ASSERT_TRUE(view->framechanged());
  QTouchEvent cancel2(QEvent::TouchCancel, touchScreen());
  QCoreApplication::sendEvent(view.get(), &cancel2);
  EXPECT_FALSE(view->framechanged());
  EXPECT_EQ(view->baseviewFrame().size(), QSizeF(280, 375));
  // A cancelled tap leaves no dot.
  QTest::touchEvent(view.get(), touchScreen()).press(0, QPoint(200, 300));
  QTouchEvent cancel3(QEvent::TouchCancel, touchScreen());
  QCoreApplication::sendEvent(view.get(), &cancel3);
  EXPECT_EQ(view->steparray().size(), 1u);
  EXPECT_FALSE(view->onlyclick());
}
