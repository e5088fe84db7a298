// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/PointerInput.h"

#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QPointingDevice>
#include <QTabletEvent>
#include <QTouchEvent>
#include <QWheelEvent>
#include <vector>

#include "canvas/CanvasGeometry.h"
#include "canvas/CanvasModel.h"

namespace canvas {

namespace {

bool synthesizedFromTouch(const QMouseEvent* event) {
  const QInputDevice* device = event->device();
  return event->source() != Qt::MouseEventNotSynthesized ||
         (device && device->type() == QInputDevice::DeviceType::TouchScreen);
}

bool isPanButton(Qt::MouseButton button) {
  return button == Qt::RightButton || button == Qt::MiddleButton;
}

}  // namespace

PointerInput::PointerInput(CanvasModel* model, std::function<bool(QPointF)> startsOnControl)
    : model_(model), startsOnControl_(std::move(startsOnControl)) {
  wheelSettleTimer_.setSingleShot(true);
  wheelSettleTimer_.setInterval(kSettleDelayMs);
  QObject::connect(&wheelSettleTimer_, &QTimer::timeout, model_->plate(), &Plate::settleIfMoved);
}

bool PointerInput::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
      return touchEvent(static_cast<QTouchEvent*>(event));
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
      return tabletEvent(static_cast<QTabletEvent*>(event));
    case QEvent::NativeGesture: {
      auto* gesture = static_cast<QNativeGestureEvent*>(event);
      if (!model_->touchesActive()) return false;
      if (gesture->gestureType() == Qt::ZoomNativeGesture) {
        model_->plate()->zoomAbout(1.0f + static_cast<float>(gesture->value()), gesture->position());
      } else if (gesture->gestureType() == Qt::EndNativeGesture) {
        model_->plate()->settleIfMoved();
      }
      event->accept();
      return true;
    }
    default:
      return false;
  }
}

bool PointerInput::touchEvent(QTouchEvent* event) {
  using Touch = CanvasModel::Touch;
  if (event->type() == QEvent::TouchBegin) {
    // A touch that starts on a control belongs to it: left unaccepted, Qt hands
    // it to the control as a mouse press.
    if (!event->points().isEmpty() && startsOnControl_ &&
        startsOnControl_(event->points().first().position())) {
      event->ignore();
      return false;
    }
    touchPositions_.clear();
    model_->setPointerHeld(true);
  }
  event->accept();

  if (event->type() == QEvent::TouchCancel) {
    // A cancelled sequence ends like lifted fingers, at their last positions.
    std::vector<Touch> touches;
    for (const auto& [id, pos] : touchPositions_) touches.push_back({pos, pos});
    touchPositions_.clear();
    if (model_->touchesActive()) model_->touchesEnded(touches, true);
    model_->setPointerHeld(false);
    return true;
  }

  std::vector<Touch> all;
  bool pressed = false, moved = false, released = false;
  for (const QEventPoint& point : event->points()) {
    const QPointF pos = point.position();
    const auto it = touchPositions_.find(point.id());
    const bool known = it != touchPositions_.end() && point.state() != QEventPoint::Pressed;
    all.push_back({pos, known ? it->second : pos});
    pressed |= point.state() == QEventPoint::Pressed;
    moved |= point.state() == QEventPoint::Updated;
    released |= point.state() == QEventPoint::Released;
  }
  if (model_->touchesActive()) {
    if (pressed) model_->touchesBegan(all);
    if (moved) model_->touchesMoved(all);
    if (released) model_->touchesEnded(all, false);
  }
  for (const QEventPoint& point : event->points()) {
    if (point.state() == QEventPoint::Released)
      touchPositions_.erase(point.id());
    else
      touchPositions_[point.id()] = point.position();
  }
  if (event->type() == QEvent::TouchEnd) {
    touchPositions_.clear();
    model_->setPointerHeld(false);
  }
  return true;
}

bool PointerInput::tabletEvent(QTabletEvent* event) {
  const QPointF pos = event->position();
  Painting* painting = model_->painting();
  if (event->type() == QEvent::TabletPress) {
    // Like a touch, a press on a control or on an unready canvas is left to Qt,
    // which turns it into a mouse press; so is a press while already painting.
    if (penPainting_ || mousePainting_ || mousePanning_ || !model_->touchesActive() ||
        (startsOnControl_ && startsOnControl_(pos))) {
      event->ignore();
      return false;
    }
    event->accept();
    penPainting_ = true;
    penPrevious_ = pos;
    painting->setEraserHeld(event->pointerType() == QPointingDevice::PointerType::Eraser);
    painting->setWidthScale(model_->pressureScale(event->pressure()));
    model_->setPointerHeld(true);
    model_->touchesBegan({{pos, pos}});
    return true;
  }
  if (!penPainting_) {
    // Hovering, or a pen whose press went elsewhere.
    event->ignore();
    return false;
  }
  event->accept();
  if (event->type() == QEvent::TabletMove) {
    if (model_->touchesActive()) {
      painting->setWidthScale(model_->pressureScale(event->pressure()));
      model_->touchesMoved({{pos, penPrevious_}});
    }
    penPrevious_ = pos;
  } else {
    endPenStroke(pos);
  }
  return true;
}

void PointerInput::endPenStroke(QPointF pos) {
  Painting* painting = model_->painting();
  penPainting_ = false;
  // A lifted pen reports no pressure: a tap keeps the width it was pressed with.
  if (model_->touchesActive()) model_->touchesEnded({{pos, penPrevious_}}, false);
  painting->setWidthScale(1.0f);
  painting->setEraserHeld(false);
  model_->setPointerHeld(false);
}

void PointerInput::mousePressEvent(QMouseEvent* event) {
  if (synthesizedFromTouch(event) || !model_->touchesActive()) {
    event->ignore();
    return;
  }
  event->accept();
  const QPointF pos = event->position();
  if (mousePainting_ || mousePanning_) return;
  if (event->button() == Qt::LeftButton) {
    mousePainting_ = true;
    mousePrevious_ = pos;
    model_->setPointerHeld(true);
    model_->touchesBegan({{pos, pos}});
  } else if (isPanButton(event->button())) {
    mousePanning_ = true;
    mousePrevious_ = pos;
    model_->setPointerHeld(true);
  }
}

void PointerInput::mouseMoveEvent(QMouseEvent* event) {
  if (synthesizedFromTouch(event)) {
    event->ignore();
    return;
  }
  const QPointF pos = event->position();
  if (mousePainting_ && model_->touchesActive()) {
    model_->touchesMoved({{pos, mousePrevious_}});
  } else if (mousePanning_ && model_->touchesActive()) {
    model_->plate()->panBy(pos - mousePrevious_);
  }
  mousePrevious_ = pos;
}

void PointerInput::mouseReleaseEvent(QMouseEvent* event) {
  if (synthesizedFromTouch(event)) {
    event->ignore();
    return;
  }
  const QPointF pos = event->position();
  if (mousePainting_ && event->button() == Qt::LeftButton) {
    mousePainting_ = false;
    if (model_->touchesActive()) model_->touchesEnded({{pos, mousePrevious_}}, false);
    model_->setPointerHeld(false);
  } else if (mousePanning_ && isPanButton(event->button())) {
    mousePanning_ = false;
    if (model_->touchesActive()) model_->plate()->settleIfMoved();
    model_->setPointerHeld(false);
  }
}

void PointerInput::wheelEvent(QWheelEvent* event) {
  if (!model_->touchesActive()) {
    event->ignore();
    return;
  }
  event->accept();
  const int delta = event->angleDelta().y();
  if (delta == 0) return;
  model_->plate()->zoomAbout(wheelZoomFactor(delta), event->position());
  wheelSettleTimer_.start();
}

}  // namespace canvas
