// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace vorlane_test {
namespace {
QString g_root;
}
QString testRoot() {
  return g_root;
}
void setTestRoot(const QString& root) {
  g_root = root;
}

FramedText drawTextUnclipped(const QFont& font, const QString& text, QSize frame, Qt::Alignment alignment,
                             qreal inset) {
  const QFontMetricsF metrics(font);
  const QPoint margin(static_cast<int>(std::ceil(metrics.horizontalAdvance(text))) + 4,
                      static_cast<int>(std::ceil(2 * metrics.height())) + 4);
  QImage canvas(frame + QSize(2 * margin.x(), 2 * margin.y()), QImage::Format_ARGB32_Premultiplied);
  canvas.fill(Qt::transparent);
  {
    QPainter p(&canvas);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font);
    p.setPen(Qt::black);
    const int flags =
        (alignment & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip;
    p.drawText(QRectF(QPointF(margin) + QPointF(inset, 0), QSizeF(frame)), flags, text);
  }
  FramedText result;
  const QRect inner(margin, frame);
  result.inside = canvas.copy(inner);
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width(); ++x)
      if (!inner.contains(x, y)) result.outsideAlpha += qAlpha(canvas.pixel(x, y));
  return result;
}

}  // namespace vorlane_test
