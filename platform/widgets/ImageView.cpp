// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/widgets/ImageView.h"

#include <QEvent>
#include <QPainter>

namespace platform {

ImageView::ImageView(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

ImageView::ImageView(const QImage& image, QWidget* parent) : ImageView(parent) { image_ = image; }

void ImageView::setImage(const QImage& image) {
  image_ = image;
  update();
}

void ImageView::setFillsParent(bool fills) {
  if (fills == fillsParent_) return;
  fillsParent_ = fills;
  if (QWidget* p = parentWidget()) {
    if (fills) {
      p->installEventFilter(this);
      setGeometry(p->rect());
    } else {
      p->removeEventFilter(this);
    }
  }
}

bool ImageView::eventFilter(QObject* watched, QEvent* event) {
  if (fillsParent_ && watched == parentWidget() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
  return QWidget::eventFilter(watched, event);
}

QRectF ImageView::pictureRect() const {
  if (image_.isNull() || width() <= 0 || height() <= 0) return {};
  const QSizeF fitted = QSizeF(image_.size()).scaled(QSizeF(size()), Qt::KeepAspectRatio);
  return QRectF(QPointF((width() - fitted.width()) / 2.0, (height() - fitted.height()) / 2.0), fitted);
}

void ImageView::paintEvent(QPaintEvent*) {
  if (image_.isNull()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(pictureRect(), image_);
}

}  // namespace platform
