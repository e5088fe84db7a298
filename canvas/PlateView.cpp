#include "canvas/PlateView.h"

#include <QPaintEvent>
#include <QPainter>

#include "canvas/VorlaneView.h"

namespace canvas {

PlateView::PlateView(VorlaneView* canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {
  // Input goes to the canvas, which decides between brush and gestures.
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_OpaquePaintEvent, false);
}

QRectF PlateView::fitRect(const QRectF& plate, QSizeF picture) {
  if (picture.isEmpty() || plate.width() <= 0.0 || plate.height() <= 0.0) return {};
  const QSizeF fitted = picture.scaled(plate.size(), Qt::KeepAspectRatio);
  return QRectF(plate.x() + (plate.width() - fitted.width()) / 2.0,
                plate.y() + (plate.height() - fitted.height()) / 2.0, fitted.width(), fitted.height());
}

QRect PlateView::widgetRectForPicture(const QRect& pictureRect) const {
  const QSize size = canvas_->orgimgview()->image().size();
  const QRectF target = fitRect(canvas_->displayedBaseviewFrame(), QSizeF(size));
  if (target.isEmpty() || pictureRect.isEmpty()) return {};
  const double sx = target.width() / size.width();
  const double sy = target.height() / size.height();
  const QRectF r(target.x() + pictureRect.x() * sx, target.y() + pictureRect.y() * sy,
                 pictureRect.width() * sx, pictureRect.height() * sy);
  // Smooth scaling reads a pixel beyond each edge.
  return r.toAlignedRect().adjusted(-2, -2, 2, 2).intersected(rect());
}

void PlateView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.setClipRegion(event->region());
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const QRectF plate = canvas_->displayedBaseviewFrame();
  for (ImageLayer* layer : {canvas_->sketchimgview(), canvas_->orgimgview(), canvas_->workimgview()}) {
    if (layer->isHidden() || layer->image().isNull()) continue;
    painter.drawImage(fitRect(plate, QSizeF(layer->image().size())), layer->image());
  }
  if (!canvas_->democircleHidden() && !canvas_->circleImage_.isNull()) {
    const QRectF circle = canvas_->democircleFrame().translated(plate.topLeft());
    painter.drawImage(circle, canvas_->circleImage_);
  }
}

}  // namespace canvas
