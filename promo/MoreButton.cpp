// SPDX-License-Identifier: GPL-3.0-or-later
#include "promo/MoreButton.h"

#include <QPainter>

namespace promo {

MoreButton::MoreButton(QWidget* parent) : QAbstractButton(parent) {
  // Touch buttons: they never pull the keyboard focus away from the screen below.
  setFocusPolicy(Qt::NoFocus);
}

void MoreButton::setImage(const QImage& image) {
  image_ = image;
  update();
}

QSize MoreButton::sizeHint() const {
  return image_.isNull() ? QSize(80, 40) : image_.size();
}

void MoreButton::paintEvent(QPaintEvent*) {
  if (image_.isNull()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  if (!isDown()) {
    painter.drawImage(QRectF(rect()), image_);
    return;
  }
  // Pressed: the picture darkened where it is opaque.
  QImage pressed = image_.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  {
    QPainter p(&pressed);
    p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    p.fillRect(pressed.rect(), QColor(0, 0, 0, 90));
  }
  painter.drawImage(QRectF(rect()), pressed);
}

}  // namespace promo
