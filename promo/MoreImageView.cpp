// SPDX-License-Identifier: GPL-3.0-or-later
#include "promo/MoreImageView.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

namespace promo {
namespace {

// One blur pass along rows (horizontal) or columns, Gaussian of the given sigma.
void blurPass(std::vector<float>& a, int w, int h, const std::vector<float>& kernel, bool horizontal) {
  const int half = static_cast<int>(kernel.size() / 2);
  std::vector<float> out(a.size(), 0.0f);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      float sum = 0.0f;
      for (int k = -half; k <= half; ++k) {
        const int sx = horizontal ? x + k : x;
        const int sy = horizontal ? y : y + k;
        if (sx < 0 || sy < 0 || sx >= w || sy >= h) continue;
        sum += a[static_cast<size_t>(sy) * w + sx] * kernel[k + half];
      }
      out[static_cast<size_t>(y) * w + x] = sum;
    }
  }
  a.swap(out);
}

}  // namespace

MoreImageView::MoreImageView(QWidget* parent) : QWidget(parent) {
  // Pictures never take touches; they reach whatever lies below.
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void MoreImageView::setImage(const QImage& image) {
  image_ = image;
  shadowCache_ = QImage();
  update();
}

void MoreImageView::setContentMode(ContentMode mode) {
  mode_ = mode;
  shadowCache_ = QImage();
  update();
}

void MoreImageView::setCornerRadius(qreal radius) {
  cornerRadius_ = radius;
  shadowCache_ = QImage();
  update();
}

void MoreImageView::setShadow(const QColor& color, qreal opacity, qreal radius, QPointF offset) {
  shadowColor_ = color;
  shadowOpacity_ = opacity;
  shadowRadius_ = radius;
  shadowOffset_ = offset;
  shadowCache_ = QImage();
  update();
}

void MoreImageView::setFrameRect(const QRectF& rect) {
  frameRect_ = rect;
  hasFrameRect_ = true;
  shadowCache_ = QImage();
  update();
}

QRectF MoreImageView::frameRect() const {
  return hasFrameRect_ ? frameRect_ : QRectF(rect());
}

QRectF MoreImageView::pictureRect() const {
  const QRectF frame = frameRect();
  if (image_.isNull() || frame.isEmpty()) return {};
  if (mode_ == ContentMode::ScaleToFill) return frame;
  const QSizeF fitted = QSizeF(image_.size()).scaled(frame.size(), Qt::KeepAspectRatio);
  return QRectF(frame.x() + (frame.width() - fitted.width()) / 2.0,
                frame.y() + (frame.height() - fitted.height()) / 2.0, fitted.width(), fitted.height());
}

void MoreImageView::resizeEvent(QResizeEvent* event) {
  shadowCache_ = QImage();
  QWidget::resizeEvent(event);
}

QImage MoreImageView::shadowImage() {
  if (!shadowCache_.isNull()) return shadowCache_;
  const int w = width();
  const int h = height();
  const QRectF picture = pictureRect();
  if (w <= 0 || h <= 0 || picture.isEmpty()) return {};

  // Coverage of the rounded picture, antialiased.
  QImage mask(w, h, QImage::Format_Alpha8);
  mask.fill(0);
  {
    QPainter p(&mask);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(picture.translated(shadowOffset_), cornerRadius_, cornerRadius_);
    p.fillPath(path, Qt::black);
  }
  std::vector<float> alpha(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y) {
    const uchar* line = mask.constScanLine(y);
    for (int x = 0; x < w; ++x) alpha[static_cast<size_t>(y) * w + x] = line[x] / 255.0f;
  }
  if (shadowRadius_ > 0.0) {
    const double sigma = shadowRadius_;
    const int half = static_cast<int>(std::ceil(3.0 * sigma));
    std::vector<float> kernel(2 * half + 1);
    double total = 0.0;
    for (int k = -half; k <= half; ++k) total += std::exp(-(k * k) / (2.0 * sigma * sigma));
    for (int k = -half; k <= half; ++k)
      kernel[k + half] = static_cast<float>(std::exp(-(k * k) / (2.0 * sigma * sigma)) / total);
    blurPass(alpha, w, h, kernel, true);
    blurPass(alpha, w, h, kernel, false);
  }

  QImage shadow(w, h, QImage::Format_ARGB32_Premultiplied);
  const float opacity = static_cast<float>(std::clamp(shadowOpacity_ * shadowColor_.alphaF(), 0.0, 1.0));
  for (int y = 0; y < h; ++y) {
    auto* line = reinterpret_cast<QRgb*>(shadow.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const float a = std::clamp(alpha[static_cast<size_t>(y) * w + x] * opacity, 0.0f, 1.0f);
      line[x] = qRgba(qRound(shadowColor_.red() * a), qRound(shadowColor_.green() * a),
                      qRound(shadowColor_.blue() * a), qRound(a * 255.0f));
    }
  }
  shadowCache_ = shadow;
  return shadowCache_;
}

void MoreImageView::paintEvent(QPaintEvent*) {
  const QRectF picture = pictureRect();
  if (picture.isEmpty()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  if (shadowOpacity_ > 0.0) painter.drawImage(QPointF(0, 0), shadowImage());
  if (cornerRadius_ > 0.0) {
    QPainterPath clip;
    clip.addRoundedRect(picture, cornerRadius_, cornerRadius_);
    painter.setClipPath(clip);
  }
  painter.drawImage(picture, image_);
}

}  // namespace promo
