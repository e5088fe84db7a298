// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/CanvasModel.h"

#include <algorithm>
#include <cmath>

#include "canvas/CanvasGeometry.h"

namespace canvas {

CanvasModel::CanvasModel(PlateRule rule, const QRectF& clip, const QRectF& plate, QObject* parent)
    : QObject(parent), painting_(new Painting(this)) {
  plate_ = new Plate(rule, clip, plate, painting_->linesize(), this);
  // The plate hears of the painting before any view does: views bind later, and
  // a view repainting on these signals reads the plate.
  connect(painting_, &Painting::layersChanged, plate_,
          [this] { plate_->setPictureSize(painting_->orgimgview()->image().size()); });
  connect(painting_, &Painting::brushSizeChanged, plate_,
          [this] { plate_->setBrushWidth(painting_->linesize()); });
  connect(painting_, &Painting::readyChanged, plate_,
          [this] { plate_->setReady(painting_->imgready(), touchesActive()); });
}

void CanvasModel::setPictures(const QImage& photoB, const QImage& photoA, KnownOpaque known) {
  painting_->setPictures(photoB, photoA, known);
  plate_->resetBaseviewFrame();
}

QImage CanvasModel::renderFinalPicture() const {
  std::optional<QRectF> indicator;
  if (!plate_->democircleHidden()) indicator = plate_->democircleFrame();
  return painting_->renderFinalPicture(indicator);
}

void CanvasModel::setPointerHeld(bool held) {
  if (held_ == held) return;
  held_ = held;
  emit pointerHeldChanged(held);
}

float CanvasModel::pressureScale(double pressure) const {
  if (!penPressure_) return 1.0f;
  // A NaN pressure (a driver's bad report) paints at full width, as a mouse would.
  if (std::isnan(pressure)) return 1.0f;
  return 0.25f + 0.75f * static_cast<float>(std::clamp(pressure, 0.0, 1.0));
}

QPointF CanvasModel::toPlate(QPointF canvasPos) const {
  // In single precision, as the plate's own geometry.
  const QRectF clip = plate_->clipFrame(), frame = plate_->baseviewFrame();
  return QPointF(
      static_cast<float>(canvasPos.x()) - static_cast<float>(clip.x()) - static_cast<float>(frame.x()),
      static_cast<float>(canvasPos.y()) - static_cast<float>(clip.y()) - static_cast<float>(frame.y()));
}

bool CanvasModel::onPicture(QPointF picturePoint) const {
  const QRectF r = plate_->getimgframe();
  return frameContainsPoint({static_cast<float>(r.x()), static_cast<float>(r.y()),
                             static_cast<float>(r.width()), static_cast<float>(r.height())},
                            {static_cast<float>(picturePoint.x()), static_cast<float>(picturePoint.y())});
}

void CanvasModel::touchesBegan(const std::vector<Touch>& touches) {
  emit touchStarted();
  onlyclick_ = false;
  if (touches.size() == 1) {
    plate_->showIndicatorAt(toPlate(touches[0].pos));
    onlyclick_ = true;
  } else {
    plate_->hideIndicator();
  }
}

void CanvasModel::touchesMoved(const std::vector<Touch>& touches) {
  onlyclick_ = false;
  if (touches.size() >= 2) {
    plate_->twoFingerMove(touches[0].previous, touches[1].previous, touches[0].pos, touches[1].pos);
    return;
  }
  if (touches.empty()) return;
  const QPointF here = toPlate(touches[0].pos);
  const QPointF p = plate_->fixPoint(here);
  const QPointF q = plate_->fixPoint(toPlate(touches[0].previous));
  plate_->moveIndicatorTo(here);
  if (!onPicture(p) && !onPicture(q)) return;
  painting_->paintSegment(q, p);
  modified_ = true;
}

void CanvasModel::touchesEnded(const std::vector<Touch>& touches, bool cancelled) {
  plate_->settleIfMoved();
  if (onlyclick_) {
    onlyclick_ = false;
    // A cancelled tap was not meant: it leaves no dot.
    if (!cancelled && !touches.empty()) {
      const QPointF p = plate_->fixPoint(toPlate(touches[0].pos));
      if (onPicture(p)) {
        painting_->paintSegment(p, p);
        modified_ = true;
      }
    }
  }
  if (modified_) {
    painting_->finishStroke();
    modified_ = false;
  }
  plate_->hideIndicator();
}

}  // namespace canvas
