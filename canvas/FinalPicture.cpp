// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/FinalPicture.h"

#include <QPainter>

#include "canvas/CanvasGeometry.h"
#include "platform/Resources.h"

namespace canvas {

QRectF fitRect(const QRectF& plate, QSizeF picture) {
  if (picture.isEmpty() || plate.width() <= 0.0 || plate.height() <= 0.0) return {};
  const QSizeF fitted = picture.scaled(plate.size(), Qt::KeepAspectRatio);
  return QRectF(plate.x() + (plate.width() - fitted.width()) / 2.0,
                plate.y() + (plate.height() - fitted.height()) / 2.0, fitted.width(), fitted.height());
}

QImage composeFinalPicture(const QImage& photoB, const QImage* photoA, const QImage& work, QSize size,
                           std::optional<QRectF> indicator) {
  if (size.isEmpty()) return {};
  QImage picture(size, QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  // The plate as it would be laid out at one pixel per point: the layers fill it
  // as they fill the plate on screen.
  const QRectF plate(0, 0, size.width(), size.height());
  for (const QImage* layer : {&photoB, photoA, &work}) {
    if (!layer || layer->isNull()) continue;
    painter.drawImage(fitRect(plate, QSizeF(layer->size())), *layer);
  }
  if (indicator) {
    const QImage circle = platform::imageNamed(QStringLiteral("circle.png"));
    if (!circle.isNull()) painter.drawImage(*indicator, circle);
  }
  return picture;
}

}  // namespace canvas
