// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/widgets/PictureButton.h"

#include <QPainter>

namespace platform {

namespace {
constexpr qreal kDisabledOpacity = 0.35;
}

PictureButton::PictureButton(QWidget* parent) : QAbstractButton(parent) {
  setCheckable(false);
  setFocusPolicy(Qt::NoFocus);
}

void PictureButton::setImage(const QImage& image) {
  image_ = image;
  update();
}

void PictureButton::setSelectedImage(const QImage& image) {
  selectedImage_ = image;
  update();
}

void PictureButton::setSelected(bool selected) {
  if (selected_ == selected) return;
  selected_ = selected;
  update();
}

const QImage& PictureButton::currentImage() const {
  return (selected_ && !selectedImage_.isNull()) ? selectedImage_ : image_;
}

QSize PictureButton::sizeHint() const {
  return image_.isNull() ? QSize(44, 44) : image_.size();
}

void PictureButton::paintEvent(QPaintEvent*) {
  const QImage& picture = currentImage();
  if (picture.isNull() || width() <= 0 || height() <= 0) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  if (!isEnabled()) painter.setOpacity(kDisabledOpacity);
  // Centred at its own size; shrunk aspect-fit when larger than the button.
  QSizeF size = picture.size();
  if (size.width() > width() || size.height() > height())
    size.scale(QSizeF(this->size()), Qt::KeepAspectRatio);
  const QRectF target(QPointF((width() - size.width()) / 2.0, (height() - size.height()) / 2.0), size);
  painter.drawImage(target, picture);
}

}  // namespace platform
