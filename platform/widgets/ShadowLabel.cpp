// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/widgets/ShadowLabel.h"

#include <QPainter>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/TextFit.h"

namespace platform {
namespace {

// Gaussian blur of an 8-bit plane, separable, edges clamped. sigma is half the
// blur radius, which is how a layer's shadow radius reads on screen.
void blurPlane(std::vector<float>& plane, int w, int h, qreal radius) {
  const double sigma = radius / 2.0;
  if (sigma <= 0.0 || w <= 0 || h <= 0) return;
  const int half = static_cast<int>(std::ceil(3.0 * sigma));
  std::vector<float> kernel(2 * half + 1);
  float sum = 0.0f;
  for (int k = -half; k <= half; ++k) {
    kernel[k + half] = static_cast<float>(std::exp(-(k * k) / (2.0 * sigma * sigma)));
    sum += kernel[k + half];
  }
  for (float& k : kernel) k /= sum;
  std::vector<float> tmp(plane.size());
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float acc = 0.0f;
      for (int k = -half; k <= half; ++k)
        acc += kernel[k + half] * plane[y * w + std::clamp(x + k, 0, w - 1)];
      tmp[y * w + x] = acc;
    }
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float acc = 0.0f;
      for (int k = -half; k <= half; ++k) acc += kernel[k + half] * tmp[std::clamp(y + k, 0, h - 1) * w + x];
      plane[y * w + x] = acc;
    }
}

}  // namespace

ShadowLabel::ShadowLabel(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
}

ShadowLabel::ShadowLabel(const QString& text, QWidget* parent) : ShadowLabel(parent) {
  text_ = text;
}

void ShadowLabel::changed() {
  cache_ = QImage();
  update();
}

void ShadowLabel::setText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  changed();
}

void ShadowLabel::setFontPixelSize(int pixels) {
  fontPixelSize_ = std::max(1, pixels);
  changed();
}

void ShadowLabel::setTextColor(const QColor& colour) {
  textColor_ = colour;
  changed();
}

void ShadowLabel::setAlignment(Qt::Alignment alignment) {
  alignment_ = alignment & Qt::AlignHorizontal_Mask;
  changed();
}

void ShadowLabel::setViewAlpha(qreal alpha) {
  viewAlpha_ = std::clamp(alpha, 0.0, 1.0);
  update();
}

void ShadowLabel::setShadowColor(const QColor& colour) {
  shadowColor_ = colour;
  changed();
}

void ShadowLabel::setShadowOffset(const QPointF& offset) {
  shadowOffset_ = offset;
  changed();
}

void ShadowLabel::setShadowRadius(qreal radius) {
  shadowRadius_ = std::max<qreal>(0.0, radius);
  changed();
}

int ShadowLabel::drawnPixelSize() const {
  return fittedPixelSize(font(), text_, size(), fontPixelSize_, alignment_);
}

QImage ShadowLabel::renderContent(qreal dpr) const {
  const QSize pixels(static_cast<int>(width() * dpr), static_cast<int>(height() * dpr));
  if (pixels.isEmpty()) return {};
  QImage glyphs(pixels, QImage::Format_ARGB32_Premultiplied);
  glyphs.fill(Qt::transparent);
  {
    QPainter p(&glyphs);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(dpr, dpr);
    QFont f = font();
    f.setPixelSize(drawnPixelSize());
    p.setFont(f);
    p.setPen(textColor_);
    p.drawText(QRectF(rect()).translated(textInset(f, text_, alignment_), 0),
               static_cast<int>(alignment_ | Qt::AlignVCenter | Qt::TextSingleLine), text_);
  }
  if (shadowColor_.alpha() == 0 || text_.isEmpty()) return glyphs;

  // The shadow is the glyphs' coverage in the shadow colour, blurred and moved.
  const int w = pixels.width(), h = pixels.height();
  std::vector<float> mask(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(glyphs.constScanLine(y));
    for (int x = 0; x < w; ++x) mask[y * w + x] = qAlpha(row[x]) / 255.0f;
  }
  blurPlane(mask, w, h, shadowRadius_ * dpr);
  QImage shadow(pixels, QImage::Format_ARGB32_Premultiplied);
  const QRgb colour = shadowColor_.rgba();
  for (int y = 0; y < h; ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(shadow.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const float a = std::clamp(mask[y * w + x], 0.0f, 1.0f) * qAlpha(colour) / 255.0f;
      const auto scale = [a](int c) { return static_cast<int>(std::lround(c * a)); };
      row[x] = qRgba(scale(qRed(colour)), scale(qGreen(colour)), scale(qBlue(colour)), scale(255));
    }
  }
  QImage result(pixels, QImage::Format_ARGB32_Premultiplied);
  result.fill(Qt::transparent);
  QPainter p(&result);
  p.drawImage(shadowOffset_ * dpr, shadow);
  p.drawImage(0, 0, glyphs);
  return result;
}

void ShadowLabel::paintEvent(QPaintEvent*) {
  const qreal dpr = devicePixelRatioF();
  if (cache_.isNull() || !qFuzzyCompare(cache_.devicePixelRatio(), dpr) ||
      cache_.size() != QSize(static_cast<int>(width() * dpr), static_cast<int>(height() * dpr))) {
    cache_ = renderContent(dpr);
    cache_.setDevicePixelRatio(dpr);
  }
  if (cache_.isNull() || viewAlpha_ <= 0.0) return;
  QPainter p(this);
  p.setOpacity(viewAlpha_);
  p.drawImage(0, 0, cache_);
}

void ShadowLabel::resizeEvent(QResizeEvent* event) {
  cache_ = QImage();
  QWidget::resizeEvent(event);
}

void ShadowLabel::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) changed();
  QWidget::changeEvent(event);
}

}  // namespace platform
