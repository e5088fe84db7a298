// Input of the canvas: touches (one finger paints, two pan and zoom), the mouse as
// one finger, the wheel and trackpad pinch for zoom, a right or middle drag to pan.
#include <QLabel>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QPointingDevice>
#include <QTouchEvent>
#include <QWheelEvent>

#include "canvas/VorlaneView.h"
#include "platform/widgets/FloatSlider.h"
#include "platform/widgets/PictureButton.h"

using namespace canvas;

namespace {

bool synthesizedFromTouch(const QMouseEvent* event) {
  const QInputDevice* device = event->device();
  return event->source() != Qt::MouseEventNotSynthesized ||
         (device && device->type() == QInputDevice::DeviceType::TouchScreen);
}

}  // namespace

PointF VorlaneView::toPlate(QPointF canvasPos) const {
  return {static_cast<float>(canvasPos.x()) - profile_.workview.x - plate_.x,
          static_cast<float>(canvasPos.y()) - profile_.workview.y - plate_.y};
}

bool VorlaneView::startsOnControl(QPointF canvasPos) const {
  for (QWidget* w = childAt(canvasPos.toPoint()); w && w != this; w = w->parentWidget()) {
    if (qobject_cast<platform::PictureButton*>(w) || w == linesizeslider_) return true;
  }
  return false;
}

bool VorlaneView::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
      return handleTouchEvent(static_cast<QTouchEvent*>(event));
    case QEvent::NativeGesture: {
      auto* gesture = static_cast<QNativeGestureEvent*>(event);
      if (!touchesActive()) return QWidget::event(event);
      if (gesture->gestureType() == Qt::ZoomNativeGesture) {
        const float r = 1.0f + static_cast<float>(gesture->value());
        if (r > 0.0f) {
          const QPointF m = gesture->position() - QPointF(profile_.workview.x, profile_.workview.y);
          setPlate(zoomAbout(plate_, r, {static_cast<float>(m.x()), static_cast<float>(m.y())}), false);
          framechanged_ = true;
        }
      } else if (gesture->gestureType() == Qt::EndNativeGesture) {
        if (framechanged_) settle();
      }
      event->accept();
      return true;
    }
    default:
      return QWidget::event(event);
  }
}

bool VorlaneView::handleTouchEvent(QTouchEvent* event) {
  if (event->type() == QEvent::TouchBegin) {
    // A touch that starts on a control belongs to it: left unaccepted, Qt hands
    // it to the control as a mouse press.
    if (!event->points().isEmpty() && startsOnControl(event->points().first().position())) {
      event->ignore();
      return false;
    }
    touchPositions_.clear();
  }
  event->accept();

  if (event->type() == QEvent::TouchCancel) {
    // A cancelled sequence ends like lifted fingers, at their last positions.
    std::vector<Touch> touches;
    for (const auto& [id, pos] : touchPositions_) touches.push_back({pos, pos});
    touchPositions_.clear();
    if (touchesActive()) touchesEnded(touches, true);
    return true;
  }

  std::vector<Touch> all;
  bool pressed = false, moved = false, released = false;
  for (const QEventPoint& point : event->points()) {
    const QPointF pos = point.position();
    const auto it = touchPositions_.find(point.id());
    const bool known = it != touchPositions_.end() && point.state() != QEventPoint::Pressed;
    all.push_back({pos, known ? it->second : pos});
    switch (point.state()) {
      case QEventPoint::Pressed:
        pressed = true;
        break;
      case QEventPoint::Updated:
        moved = true;
        break;
      case QEventPoint::Released:
        released = true;
        break;
      default:
        break;
    }
  }
  if (touchesActive()) {
    if (pressed) touchesBegan(all);
    if (moved) touchesMoved(all);
    if (released) touchesEnded(all, false);
  }
  for (const QEventPoint& point : event->points()) {
    if (point.state() == QEventPoint::Released)
      touchPositions_.erase(point.id());
    else
      touchPositions_[point.id()] = point.position();
  }
  if (event->type() == QEvent::TouchEnd) touchPositions_.clear();
  return true;
}

void VorlaneView::touchesBegan(const std::vector<Touch>& touches) {
  brushsizelabel_->hide();
  linesizeslider_->hide();
  onlyclick_ = false;
  if (touches.size() == 1) {
    const PointF p = toPlate(touches[0].pos);
    const float d = indicatorDiameter(linesize_, plate_, pictureSize(), fit_.bigwidth);
    FrameF circle{0.0f, 0.0f, d, d};
    circle.setCenter(p);
    setDemocircle(circle, false);
    onlyclick_ = true;
  } else {
    setDemocircle(democircle_, true);
  }
}

void VorlaneView::touchesMoved(const std::vector<Touch>& touches) {
  onlyclick_ = false;
  if (touches.size() >= 2) {
    twoFingerMove(touches[0], touches[1]);
    return;
  }
  if (touches.empty()) return;
  const PointF here = toPlate(touches[0].pos);
  const PointF before = toPlate(touches[0].previous);
  const SizeF picture = pictureSize();
  const PointF p = canvas::fixPoint(plate_, picture, fit_, here);
  const PointF q = canvas::fixPoint(plate_, picture, fit_, before);
  FrameF circle = democircle_;
  circle.setCenter(here);
  setDemocircle(circle, democircleHidden_);
  const FrameF r = canvas::getimgframe(plate_, picture, fit_);
  if (!frameContainsPoint(r, p) && !frameContainsPoint(r, q)) return;
  paintAndRecord(q, p);
}

void VorlaneView::touchesEnded(const std::vector<Touch>& touches, bool cancelled) {
  if (framechanged_) settle();
  if (onlyclick_) {
    onlyclick_ = false;
    // A cancelled tap was not meant: it leaves no dot.
    if (!cancelled && !touches.empty()) {
      const SizeF picture = pictureSize();
      const PointF p = canvas::fixPoint(plate_, picture, fit_, toPlate(touches[0].pos));
      if (frameContainsPoint(canvas::getimgframe(plate_, picture, fit_), p)) paintAndRecord(p, p);
    }
  }
  if (modified_) {
    history_.finishStroke();
    modified_ = false;
  }
  setDemocircle(democircle_, true);
}

void VorlaneView::twoFingerMove(const Touch& a, const Touch& b) {
  setDemocircle(democircle_, true);
  const auto pt = [](QPointF p) { return PointF{static_cast<float>(p.x()), static_cast<float>(p.y())}; };
  setPlate(twoFingerStep(plate_, pt(a.previous), pt(b.previous), pt(a.pos), pt(b.pos)), false);
  framechanged_ = true;
}

void VorlaneView::settle() {
  setPlate(canvas::settle(plate_, {profile_.workview.width, profile_.workview.height}), true);
  framechanged_ = false;
}

void VorlaneView::mousePressEvent(QMouseEvent* event) {
  if (synthesizedFromTouch(event) || !touchesActive()) {
    event->ignore();
    return;
  }
  event->accept();
  const QPointF pos = event->position();
  if (event->button() == Qt::LeftButton && !mousePanning_ && !mousePainting_) {
    mousePainting_ = true;
    mousePrevious_ = pos;
    touchesBegan({{pos, pos}});
  } else if ((event->button() == Qt::RightButton || event->button() == Qt::MiddleButton) && !mousePainting_ &&
             !mousePanning_) {
    mousePanning_ = true;
    mousePrevious_ = pos;
  }
}

void VorlaneView::mouseMoveEvent(QMouseEvent* event) {
  if (synthesizedFromTouch(event)) {
    event->ignore();
    return;
  }
  const QPointF pos = event->position();
  if (mousePainting_ && touchesActive()) {
    touchesMoved({{pos, mousePrevious_}});
  } else if (mousePanning_ && touchesActive()) {
    const QPointF d = pos - mousePrevious_;
    setDemocircle(democircle_, true);
    setPlate(panBy(plate_, static_cast<float>(d.x()), static_cast<float>(d.y())), false);
    framechanged_ = true;
  }
  mousePrevious_ = pos;
}

void VorlaneView::mouseReleaseEvent(QMouseEvent* event) {
  if (synthesizedFromTouch(event)) {
    event->ignore();
    return;
  }
  const QPointF pos = event->position();
  if (mousePainting_ && event->button() == Qt::LeftButton) {
    mousePainting_ = false;
    if (touchesActive()) touchesEnded({{pos, mousePrevious_}}, false);
  } else if (mousePanning_ && (event->button() == Qt::RightButton || event->button() == Qt::MiddleButton)) {
    mousePanning_ = false;
    if (touchesActive() && framechanged_) settle();
  }
}

void VorlaneView::wheelEvent(QWheelEvent* event) {
  if (!touchesActive()) {
    event->ignore();
    return;
  }
  event->accept();
  const int delta = event->angleDelta().y();
  if (delta == 0) return;
  const QPointF m = event->position() - QPointF(profile_.workview.x, profile_.workview.y);
  setPlate(zoomAbout(plate_, wheelZoomFactor(delta), {static_cast<float>(m.x()), static_cast<float>(m.y())}),
           false);
  framechanged_ = true;
  wheelSettleTimer_.start();
}
