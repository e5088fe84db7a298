// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One canvas set-up shared by the canvas tests and the canvas benchmarks: a
// phone canvas fitting a 1280 x 960 photo (photo B and the work image flat grey,
// photo A flat red), and a driver that paints strokes with real mouse events.
#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <functional>
#include <memory>

#include "canvas/VorlaneView_iPhone.h"
#include "platform/DeviceProfile.h"

namespace fixture {

inline constexpr QRgb kGrey = 0xff808080, kRed = 0xffff0000;

inline QImage flat(QRgb colour, QSize size = {1280, 960}) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(colour);
  return image;
}

inline std::unique_ptr<canvas::VorlaneView_iPhone> makePhoneCanvas() {
  platform::setScreenheight(480.0f);
  auto view = std::make_unique<canvas::VorlaneView_iPhone>(QRectF(0, 0, 320, 480));
  view->show();
  canvas::CanvasModel* model = view->model();
  // Fitted to the 280 x 375 clip the photo is 280 x 210: margins of 82.5 points
  // above and below, 0.22 of the height.
  model->plate()->setFit({0.0f, 0.22f, true});
  model->painting()->setLinesize(128.0f);
  model->setPictures(flat(kGrey), flat(kRed));
  QApplication::processEvents();
  return view;
}

// Canvas point of picture pixel (x, y) on the phone canvas at its first zoom.
inline QPointF phoneCanvasPoint(float x, float y) {
  const float k = 280.0f / 1280.0f;
  return QPointF(20.0 + x * k, 55.0 + 82.5 + y * k);
}

// Strokes of 100 moves of 8 picture pixels, one row after another, sent as mouse
// events to target at the points toWidget gives for picture pixels.
class StrokeDriver {
 public:
  StrokeDriver(QWidget* target, std::function<QPointF(float, float)> toWidget)
      : target_(target), toWidget_(std::move(toWidget)) {}
  bool atStrokeStart() const { return moves_ == 0; }
  bool strokeDone() const { return moves_ < 0; }
  void begin() {
    x_ = 200.0f;
    y_ = 100.0f + float((row_++ * 37) % 760);
    send(QEvent::MouseButtonPress);
  }
  void move() {
    x_ += 8.0f;
    send(QEvent::MouseMove);
    if (++moves_ == 100) moves_ = -1;
  }
  void end() {
    send(QEvent::MouseButtonRelease);
    moves_ = 0;
  }
  // A whole stroke.
  void stroke() {
    begin();
    while (!strokeDone()) move();
    end();
  }

 private:
  void send(QEvent::Type type) {
    const QPointF pos = toWidget_(x_, y_);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, pos, target_->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(target_, &event);
  }

  QWidget* target_;
  std::function<QPointF(float, float)> toWidget_;
  float x_ = 0, y_ = 0;
  int row_ = 0;
  int moves_ = 0;
};

// Times one move per iteration of a benchmark's state; the presses and releases
// that start and end each stroke (and their repaints) are left out.
template <class State>
void timeMoves(State& state, StrokeDriver& driver) {
  for (auto _ : state) {
    if (driver.atStrokeStart()) {
      state.PauseTiming();
      driver.begin();
      QApplication::processEvents();
      state.ResumeTiming();
    }
    driver.move();
    QApplication::processEvents();  // the repaint
    if (driver.strokeDone()) {
      state.PauseTiming();
      driver.end();
      QApplication::processEvents();
      state.ResumeTiming();
    }
  }
}

}  // namespace fixture
