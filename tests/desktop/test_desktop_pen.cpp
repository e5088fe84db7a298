// SPDX-License-Identifier: GPL-3.0-or-later
// A drawing tablet's pen on the desktop canvas: Brush > Pen Pressure and its stored setting, the
// eraser end in a painting that keeps its history, the outline following a hovering pen.
#include <QMenu>
#include <QPointingDevice>
#include <QTabletEvent>

#include "DesktopFixture.h"
#include "PenEvents.h"

using namespace desktop_test;
using vorlane_test::sendPen;

namespace {

class DesktopPenTest : public DesktopTest {
 protected:
  // A pen stroke from a to b at one pressure, lifted at b.
  void penStroke(QPointF a, QPointF b, double pressure,
                 QPointingDevice::PointerType pointer = QPointingDevice::PointerType::Pen) {
    EXPECT_TRUE(sendPen(plate(), QEvent::TabletPress, a, pressure, pointer));
    EXPECT_TRUE(sendPen(plate(), QEvent::TabletMove, b, pressure, pointer));
    EXPECT_TRUE(sendPen(plate(), QEvent::TabletRelease, b, 0.0, pointer));
  }
};

}  // namespace

TEST_F(DesktopPenTest, PenPressureIsOnByDefaultAndItsSwitchIsRemembered) {
  startWith(640, 480);
  QAction* pressure = action("penPressure");
  EXPECT_TRUE(pressure->isCheckable() && pressure->isChecked());
  bool inBrushMenu = false;
  for (QMenu* menu : w()->menuBar()->findChildren<QMenu*>())
    inBrushMenu |= menu->title() == QStringLiteral("&Brush") && menu->actions().contains(pressure);
  EXPECT_TRUE(inBrushMenu);
  const QPointF centre = pictureOnScreen().center(), a = centre - QPointF(100, 0), b = centre + QPointF(100, 0);
  const float full = painting()->linesize();
  penStroke(a, b, 0.0);
  ASSERT_EQ(painting()->history().count(), 1);
  EXPECT_EQ(painting()->history().steps()[0].width, full * 0.25f);
  pressure->trigger();
  EXPECT_FALSE(model()->penPressure());
  penStroke(a, b, 0.0);
  ASSERT_EQ(painting()->history().count(), 2);
  EXPECT_EQ(painting()->history().steps()[1].width, full);
  // The next launch starts as it was left.
  window_.reset();
  start();
  EXPECT_FALSE(action("penPressure")->isChecked());
  EXPECT_FALSE(model()->penPressure());
  action("penPressure")->trigger();
  window_.reset();
  start();
  EXPECT_TRUE(model()->penPressure());
}

// In brush A the eraser end brings the sketch back, the Brush menu shows B while it touches, and
// the stroke stays in the history: undo shows the colour again, and the pen paints A after it.
TEST_F(DesktopPenTest, ThePensEraserRestoresTheSketchAndIsUndoneLikeAnyStroke) {
  startWith(640, 480);
  const QRectF picture = pictureOnScreen();
  const QPoint a = (picture.center() - QPointF(100, 0)).toPoint(),
               b = (picture.center() + QPointF(100, 0)).toPoint();
  const QPoint mid = pictureAt(picture.center()).toPoint();
  stroke(a, b);
  ASSERT_EQ(qAlpha(workPixel(mid)), 0);
  const auto eraser = QPointingDevice::PointerType::Eraser;
  EXPECT_TRUE(sendPen(plate(), QEvent::TabletPress, a, 1.0, eraser));
  EXPECT_TRUE(action("brushB")->isChecked());
  EXPECT_TRUE(sendPen(plate(), QEvent::TabletMove, b, 1.0, eraser));
  EXPECT_TRUE(sendPen(plate(), QEvent::TabletRelease, b, 0.0, eraser));
  EXPECT_TRUE(action("brushA")->isChecked());
  EXPECT_EQ(painting()->brushMode(), canvas::BrushMode::A);
  EXPECT_TRUE(painting()->history().steps().back().mode);
  EXPECT_EQ(workPixel(mid), painting()->sketchimgview()->image().pixel(mid));
  EXPECT_FALSE(painting()->orgimgview()->isHidden());
  key(Qt::CTRL | Qt::Key_Z);
  EXPECT_EQ(qAlpha(workPixel(mid)), 0);
  penStroke(a + QPoint(0, 40), b + QPoint(0, 40), 1.0);
  const auto& history = painting()->history();
  EXPECT_FALSE(history.steps()[std::size_t(history.currentstep() - 1)].mode);
}

TEST_F(DesktopPenTest, TheOutlineFollowsAHoveringPenAndGoesWhenItLeavesTheTablet) {
  startWith(640, 480);
  const QPointF at = pictureOnScreen().center() + QPointF(30.5, -20);
  EXPECT_TRUE(sendPen(plate(), QEvent::TabletMove, at, 0.0));
  ASSERT_TRUE(plate()->hoverOutline().has_value());
  EXPECT_EQ(plate()->hoverOutline()->center(), at);
  EXPECT_DOUBLE_EQ(plate()->hoverOutline()->width(), model()->plate()->indicatorDiameter());
  const QPointF there = at + QPointF(-60, 45);
  sendPen(plate(), QEvent::TabletMove, there, 0.0);
  ASSERT_TRUE(plate()->hoverOutline().has_value());
  EXPECT_EQ(plate()->hoverOutline()->center(), there);
  // Pressed: the stroke shows, not the outline; lifted, the outline is back.
  sendPen(plate(), QEvent::TabletPress, there, 0.5);
  EXPECT_FALSE(plate()->hoverOutline().has_value());
  sendPen(plate(), QEvent::TabletRelease, there, 0.0);
  EXPECT_TRUE(plate()->hoverOutline().has_value());
  EXPECT_EQ(painting()->history().count(), 1);
  QTabletEvent away(QEvent::TabletLeaveProximity, vorlane_test::penDevice(QPointingDevice::PointerType::Pen),
                    QPointF(), QPointF(), 0, 0, 0, 0, 0, 0, Qt::NoModifier, Qt::NoButton, Qt::NoButton);
  QApplication::sendEvent(qApp, &away);
  EXPECT_FALSE(plate()->hoverOutline().has_value());
}
