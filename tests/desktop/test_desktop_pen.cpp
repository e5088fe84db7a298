// SPDX-License-Identifier: GPL-3.0-or-later
// A drawing tablet's pen on the desktop canvas: Brush > Pen Pressure and its
// stored setting, the eraser end in a painting that keeps its history, the
// outline following a hovering pen until it leaves the tablet.
#include <QMenu>
#include <QPointingDevice>
#include <QTabletEvent>

#include "DesktopFixture.h"
#include "PenEvents.h"

using namespace desktop_test;

namespace {

bool pen(QWidget* target, QEvent::Type type, QPointF pos, double pressure,
         QPointingDevice::PointerType pointer = QPointingDevice::PointerType::Pen) {
  return vorlane_test::sendPen(target, type, pos, pressure, pointer);
}

}  // namespace

TEST_F(DesktopTest, PenPressureIsOnByDefaultAndItsSwitchIsRemembered) {
  start();
  QAction* pressure = action("penPressure");
  EXPECT_TRUE(pressure->isCheckable());
  EXPECT_TRUE(pressure->isChecked());
  EXPECT_FALSE(pressure->statusTip().isEmpty());
  bool inBrushMenu = false;
  for (QMenu* menu : w()->menuBar()->findChildren<QMenu*>())
    inBrushMenu |= menu->title() == QStringLiteral("&Brush") && menu->actions().contains(pressure);
  EXPECT_TRUE(inBrushMenu);
  ASSERT_TRUE(open(writePhoto(dir_, "p.png", 640, 480)));
  const QRectF picture = pictureOnScreen();
  const QPointF a = picture.center() - QPointF(100, 0), b = picture.center() + QPointF(100, 0);
  const float full = model()->painting()->linesize();

  pen(plate(), QEvent::TabletPress, a, 0.0);
  pen(plate(), QEvent::TabletMove, b, 0.0);
  pen(plate(), QEvent::TabletRelease, b, 0.0);
  ASSERT_EQ(model()->painting()->history().count(), 1);
  EXPECT_EQ(model()->painting()->history().steps()[0].width, full * 0.25f);

  pressure->trigger();
  EXPECT_FALSE(model()->penPressure());
  pen(plate(), QEvent::TabletPress, a, 0.0);
  pen(plate(), QEvent::TabletMove, b, 0.0);
  pen(plate(), QEvent::TabletRelease, b, 0.0);
  ASSERT_EQ(model()->painting()->history().count(), 2);
  EXPECT_EQ(model()->painting()->history().steps()[1].width, full);

  // The next launch starts with it off.
  window_.reset();
  start();
  EXPECT_FALSE(action("penPressure")->isChecked());
  EXPECT_FALSE(model()->penPressure());
  action("penPressure")->trigger();
  window_.reset();
  start();
  EXPECT_TRUE(model()->penPressure());
}

// In brush A the eraser end brings the sketch back, the Brush menu shows B while
// it touches, and the stroke stays in the history: undo shows the colour again.
TEST_F(DesktopTest, ThePensEraserRestoresTheSketchAndIsUndoneLikeAnyStroke) {
  start();
  ASSERT_TRUE(open(writePhoto(dir_, "p.png", 640, 480)));
  const QRectF picture = pictureOnScreen();
  const QPoint a = (picture.center() - QPointF(100, 0)).toPoint(),
               b = (picture.center() + QPointF(100, 0)).toPoint();
  stroke(a, b);
  const QPoint mid = pictureAt(picture.center()).toPoint();
  const QImage* work = &model()->painting()->workimgview()->image();
  ASSERT_EQ(qAlpha(work->pixel(mid)), 0);

  const auto eraser = QPointingDevice::PointerType::Eraser;
  EXPECT_TRUE(pen(plate(), QEvent::TabletPress, a, 1.0, eraser));
  EXPECT_TRUE(action("brushB")->isChecked());
  EXPECT_TRUE(pen(plate(), QEvent::TabletMove, b, 1.0, eraser));
  EXPECT_TRUE(pen(plate(), QEvent::TabletRelease, b, 0.0, eraser));
  EXPECT_TRUE(action("brushA")->isChecked());
  EXPECT_EQ(model()->painting()->brushMode(), canvas::BrushMode::A);
  EXPECT_TRUE(model()->painting()->history().steps().back().mode);
  work = &model()->painting()->workimgview()->image();
  EXPECT_EQ(work->pixel(mid), model()->painting()->sketchimgview()->image().pixel(mid));
  EXPECT_FALSE(model()->painting()->orgimgview()->isHidden());

  key(Qt::CTRL | Qt::Key_Z);
  work = &model()->painting()->workimgview()->image();
  EXPECT_EQ(qAlpha(work->pixel(mid)), 0);
  // A pen stroke after it is brush A again.
  pen(plate(), QEvent::TabletPress, a + QPoint(0, 40), 1.0);
  pen(plate(), QEvent::TabletMove, b + QPoint(0, 40), 1.0);
  pen(plate(), QEvent::TabletRelease, b + QPoint(0, 40), 0.0);
  EXPECT_FALSE(model()
                   ->painting()
                   ->history()
                   .steps()[std::size_t(model()->painting()->history().currentstep() - 1)]
                   .mode);
}

TEST_F(DesktopTest, TheOutlineFollowsAHoveringPenAndGoesWhenItLeavesTheTablet) {
  start();
  ASSERT_TRUE(open(writePhoto(dir_, "p.png", 640, 480)));
  const QPointF at = pictureOnScreen().center() + QPointF(30.5, -20);
  EXPECT_TRUE(pen(plate(), QEvent::TabletMove, at, 0.0));
  auto outline = plate()->hoverOutline();
  ASSERT_TRUE(outline.has_value());
  EXPECT_EQ(outline->center(), at);
  EXPECT_DOUBLE_EQ(outline->width(), model()->plate()->indicatorDiameter());
  const QPointF there = at + QPointF(-60, 45);
  pen(plate(), QEvent::TabletMove, there, 0.0);
  ASSERT_TRUE(plate()->hoverOutline().has_value());
  EXPECT_EQ(plate()->hoverOutline()->center(), there);
  // Pressed: the stroke shows, not the outline; lifted, the outline is back.
  pen(plate(), QEvent::TabletPress, there, 0.5);
  EXPECT_FALSE(plate()->hoverOutline().has_value());
  pen(plate(), QEvent::TabletRelease, there, 0.0);
  EXPECT_TRUE(plate()->hoverOutline().has_value());
  EXPECT_EQ(model()->painting()->history().count(), 1);

  QTabletEvent away(QEvent::TabletLeaveProximity, vorlane_test::penDevice(QPointingDevice::PointerType::Pen), QPointF(),
                    QPointF(), 0, 0, 0, 0, 0, 0, Qt::NoModifier, Qt::NoButton, Qt::NoButton);
  QApplication::sendEvent(qApp, &away);
  EXPECT_FALSE(plate()->hoverOutline().has_value());
}
