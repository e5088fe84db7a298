// SPDX-License-Identifier: GPL-3.0-or-later
// Pens of drawing tablets on the phone canvas: pressure sets the recorded width, the eraser end
// paints as brush B while it touches, a pen on a control is left to Qt.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPointingDevice>
#include <QTabletEvent>
#include <QTest>
#include <cmath>

#include "CanvasFixture.h"
#include "PenEvents.h"
#include "canvas/BrushPainter.h"
#include "canvas/VorlaneView_iPhone.h"
#include "platform/widgets/FloatSlider.h"
#include "platform/widgets/PictureButton.h"

using namespace canvas;
using fixture::flat;
using fixture::kGrey;
using fixture::kRed;

namespace {

// A pen event at pos (top's coordinates) sent to the widget under it, as Qt delivers it; true when taken.
bool pen(QWidget* top, QEvent::Type type, QPointF pos, double pressure,
         QPointingDevice::PointerType pointer = QPointingDevice::PointerType::Pen) {
  QWidget* target = top->childAt(pos.toPoint());
  if (!target) target = top;
  const QPointF local = target->mapFrom(top, pos);
  return vorlane_test::sendPen(target, type, local, pressure, pointer);
}

QPointF at(float x, float y) { return fixture::phoneCanvasPoint(x, y); }

}  // namespace

TEST(PenInput, PressureScalesTheWidthFromAQuarterToAllAndClampsBadReports) {
  CanvasModel model(PlateRule::FitPicture, QRectF(0, 0, 100, 100), QRectF());
  EXPECT_TRUE(model.penPressure());
  for (auto [pressure, scale] : {std::pair{-0.5, 0.25f}, {1.7, 1.0f}, {std::nan(""), 1.0f}})
    EXPECT_EQ(model.pressureScale(pressure), scale) << pressure;
  model.setPenPressure(false);
  EXPECT_EQ(model.pressureScale(0.0), 1.0f);
}

// A 128-pixel brush: pressure 0.25 then 0.5 then 1 records 80 and 128, and the
// work image is those segments replayed, through undo and redo.
TEST(PenInput, APressureRampRecordsAndPaintsThePressedWidths) {
  auto view = fixture::makePhoneCanvas();
  Painting* painting = view->model()->painting();
  ASSERT_EQ(painting->linesize(), 128.0f);
  EXPECT_TRUE(pen(view.get(), QEvent::TabletPress, at(200, 300), 0.25));
  EXPECT_TRUE(view->model()->pointerHeld());
  EXPECT_TRUE(pen(view.get(), QEvent::TabletMove, at(600, 300), 0.5));
  EXPECT_TRUE(pen(view.get(), QEvent::TabletMove, at(1000, 300), 1.0));
  EXPECT_TRUE(pen(view.get(), QEvent::TabletRelease, at(1000, 300), 0.0));
  EXPECT_FALSE(view->model()->pointerHeld());
  const auto& steps = painting->history().steps();
  ASSERT_EQ(steps.size(), 2u);
  EXPECT_EQ(std::tuple(steps[0].width, steps[1].width, steps[0].mode), std::tuple(80.0f, 128.0f, false));
  EXPECT_EQ(steps[0].stroke, steps[1].stroke);
  // The set size is untouched; a finger paints it whole again.
  EXPECT_EQ(std::pair(painting->linesize(), painting->widthScale()), std::pair(128.0f, 1.0f));
  // 50 pixels off the line: outside the 80-pixel band, inside the 128-pixel one.
  const QImage& work = painting->workimgview()->image();
  EXPECT_EQ(work.pixel(400, 350), kGrey);
  EXPECT_EQ(qAlpha(work.pixel(800, 350)), 0);
  EXPECT_EQ(work, replaySegments(flat(kGrey), steps.data(), 2));
  painting->undo();
  EXPECT_EQ(painting->workimgview()->image(), flat(kGrey));
  painting->redo();
  EXPECT_EQ(painting->workimgview()->image(), replaySegments(flat(kGrey), steps.data(), 2));
  // A tap keeps the width it was pressed with, whatever the lifted pen reports.
  EXPECT_TRUE(pen(view.get(), QEvent::TabletPress, at(640, 700), 0.0));
  EXPECT_TRUE(pen(view.get(), QEvent::TabletRelease, at(640, 700), 0.0));
  ASSERT_EQ(steps.size(), 3u);
  EXPECT_EQ(steps[2].width, 32.0f);
  EXPECT_EQ(steps[2].startX, steps[2].endX);
}

// The eraser end brings the sketch back over painted colour, in brush B while it touches; lifted,
// brush A again (the strip did not pop up its slider), unless a mode was chosen meanwhile.
TEST(PenInput, TheEraserEndPaintsAsBrushBWhileItTouches) {
  auto view = fixture::makePhoneCanvas();
  Painting* painting = view->model()->painting();
  const auto eraser = QPointingDevice::PointerType::Eraser;
  pen(view.get(), QEvent::TabletPress, at(200, 300), 1.0);
  pen(view.get(), QEvent::TabletMove, at(1000, 300), 1.0);
  pen(view.get(), QEvent::TabletRelease, at(1000, 300), 0.0);
  ASSERT_EQ(qAlpha(painting->workimgview()->image().pixel(600, 300)), 0);  // photo A (red) shows
  EXPECT_TRUE(pen(view.get(), QEvent::TabletPress, at(500, 300), 1.0, eraser));
  EXPECT_EQ(painting->brushMode(), BrushMode::B);
  EXPECT_TRUE(view->Bbtn()->isSelected());
  EXPECT_TRUE(painting->orgimgview()->isHidden());
  EXPECT_TRUE(pen(view.get(), QEvent::TabletMove, at(700, 300), 1.0, eraser));
  ASSERT_GT(painting->history().count(), 0);
  EXPECT_TRUE(painting->history().steps().back().mode);
  EXPECT_EQ(painting->history().steps().back().width, 128.0f);
  EXPECT_TRUE(pen(view.get(), QEvent::TabletRelease, at(700, 300), 0.0, eraser));
  EXPECT_EQ(painting->brushMode(), BrushMode::A);
  EXPECT_TRUE(view->Abtn()->isSelected());
  EXPECT_FALSE(painting->eraserHeld());
  EXPECT_FALSE(painting->orgimgview()->isHidden());
  EXPECT_TRUE(view->linesizeslider()->isHidden());
  const QImage& work = painting->workimgview()->image();
  EXPECT_EQ(work.pixel(600, 300), kGrey);  // the sketch is back under the eraser
  EXPECT_EQ(work.pixel(900, 300), kRed);   // the colour stays beyond it, now in the work image

  pen(view.get(), QEvent::TabletPress, at(500, 300), 1.0, eraser);
  painting->setBrushMode(BrushMode::B);
  pen(view.get(), QEvent::TabletRelease, at(500, 300), 0.0, eraser);
  EXPECT_EQ(painting->brushMode(), BrushMode::B);
  EXPECT_TRUE(view->Bbtn()->isSelected());
}

// A pen on a button or on an unready canvas is not taken (Qt turns it into a
// mouse press); its hover is not taken either, and moves after it paint nothing.
TEST(PenInput, APenOnAControlOrAnUnreadyCanvasIsLeftToQt) {
  auto view = fixture::makePhoneCanvas();
  Painting* painting = view->model()->painting();
  const QPointF onB = view->Bbtn()->geometry().center() + view->controlview()->pos();
  EXPECT_FALSE(pen(view.get(), QEvent::TabletPress, onB, 1.0));
  EXPECT_FALSE(pen(view.get(), QEvent::TabletMove, at(600, 300), 1.0));
  EXPECT_FALSE(pen(view.get(), QEvent::TabletRelease, at(600, 300), 0.0));
  EXPECT_FALSE(view->model()->pointerHeld());
  EXPECT_FALSE(pen(view.get(), QEvent::TabletMove, at(600, 300), 0.0));
  painting->setSketchready(false);
  EXPECT_FALSE(pen(view.get(), QEvent::TabletPress, at(600, 300), 1.0));
  EXPECT_FALSE(pen(view.get(), QEvent::TabletPress, at(600, 300), 1.0, QPointingDevice::PointerType::Eraser));
  EXPECT_EQ(painting->brushMode(), BrushMode::A);
  EXPECT_EQ(painting->history().count(), 0);
}
