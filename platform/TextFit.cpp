// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TextFit.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace platform {
namespace {

// Font engines measure nonsense far above this (Qt reports "Camera" at 65536 px
// as 192 px wide); no label on any screen needs more.
constexpr int kMaxFittedPixelSize = 4096;

QFont withPixelSize(QFont font, int pixelSize) {
  font.setPixelSize(pixelSize);
  return font;
}

}  // namespace

qreal textInset(const QFont& font, const QString& text, Qt::Alignment alignment) {
  if (text.isEmpty()) return 0.0;
  const QFontMetricsF metrics(font);
  // Whole pixels: antialiasing smears a fraction of an overhang over a pixel.
  if (alignment & Qt::AlignLeft) {
    const qreal bearing = metrics.leftBearing(text.front());
    return bearing < 0.0 ? std::ceil(-bearing) : 0.0;
  }
  if (alignment & Qt::AlignRight) {
    const qreal bearing = metrics.rightBearing(text.back());
    return bearing < 0.0 ? -std::ceil(-bearing) : 0.0;
  }
  return 0.0;
}

bool textFitsFrame(const QFont& font, const QString& text, QSize frame, Qt::Alignment alignment) {
  if (text.isEmpty()) return true;
  if (frame.isEmpty()) return false;
  const QFontMetricsF metrics(font);
  const qreal inset = textInset(font, text, alignment);
  if (metrics.horizontalAdvance(text) + std::abs(inset) > frame.width()) return false;
  // The glyphs as the label paints them, hinting and antialiasing included: the
  // font's own bounding boxes are rounded to whole pixels or ignore hinting, and
  // so miss a label's last pixel either way. Glyphs overhang their line by far
  // less than an em, so a margin of one em catches any ink outside the frame.
  const int margin = static_cast<int>(std::ceil(metrics.height())) + 2;
  QImage canvas(frame + QSize(2 * margin, 2 * margin), QImage::Format_ARGB32_Premultiplied);
  if (canvas.isNull()) return false;
  canvas.fill(Qt::transparent);
  {
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int flags = static_cast<int>((alignment & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter) |
                      Qt::TextSingleLine | Qt::TextDontClip;
    painter.drawText(QRectF(QPointF(margin + inset, margin), QSizeF(frame)), flags, text);
  }
  const QRect inside(QPoint(margin, margin), frame);
  for (int y = 0; y < canvas.height(); ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
    const bool rowInside = y >= inside.top() && y <= inside.bottom();
    for (int x = 0; x < canvas.width(); ++x) {
      if (rowInside && x == inside.left()) x = inside.right() + 1;  // skip the frame itself
      if (x < canvas.width() && qAlpha(row[x]) != 0) return false;
    }
  }
  return true;
}

int fittedPixelSize(const QFont& font, const QString& text, QSize frame, int pixelSize,
                    Qt::Alignment alignment) {
  pixelSize = std::min(pixelSize, kMaxFittedPixelSize);
  if (pixelSize <= 1 || textFitsFrame(withPixelSize(font, pixelSize), text, frame, alignment))
    return std::max(1, pixelSize);
  // Text grows about linearly with the size (hinting moves it by a pixel or
  // two): step down from well above the size the proportion suggests, so that a
  // large size asked for costs a few measurements, not one per pixel.
  const QFontMetricsF metrics(withPixelSize(font, pixelSize));
  const qreal wide = std::max(metrics.horizontalAdvance(text), metrics.tightBoundingRect(text).width());
  const qreal tall = metrics.tightBoundingRect(text).height();
  qreal ratio = 1.0;
  if (wide > 0.0) ratio = std::min(ratio, frame.width() / wide);
  if (tall > 0.0) ratio = std::min(ratio, frame.height() / tall);
  int size = std::clamp(2 * static_cast<int>(std::ceil(pixelSize * std::max<qreal>(ratio, 0.0))) + 2, 1,
                        pixelSize - 1);
  for (; size > 1; --size)
    if (textFitsFrame(withPixelSize(font, size), text, frame, alignment)) break;
  return size;
}

}  // namespace platform
