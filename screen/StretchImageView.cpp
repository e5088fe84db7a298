// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen/StretchImageView.h"

#include <QPainter>

namespace screen {

StretchImageView::StretchImageView(const QImage& image, QWidget* parent) : QWidget(parent), image_(image) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void StretchImageView::setImage(const QImage& image) {
  image_ = image;
  update();
}

void StretchImageView::paintEvent(QPaintEvent*) {
  if (image_.isNull()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(rect(), image_);
}

}  // namespace screen
