// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/widgets/ActivityIndicator.h"

#include <QPainter>
#include <cmath>

namespace platform {

namespace {
constexpr int kTickIntervalMs = 80;  // about one turn per second
}

ActivityIndicator::ActivityIndicator(QWidget* parent) : QWidget(parent), timer_(this) {
  resize(kSide, kSide);
  timer_.setInterval(kTickIntervalMs);
  connect(&timer_, &QTimer::timeout, this, &ActivityIndicator::advance);
}

void ActivityIndicator::startAnimating() {
  if (!timer_.isActive()) timer_.start();
  show();
  update();
}

void ActivityIndicator::stopAnimating() {
  timer_.stop();
  update();
}

void ActivityIndicator::setBackdropColor(const QColor& colour) {
  backdrop_ = colour;
  update();
}

void ActivityIndicator::setViewAlpha(qreal alpha) {
  alpha_ = std::clamp(alpha, 0.0, 1.0);
  update();
}

void ActivityIndicator::advance() {
  phase_ = (phase_ + 1) % kTicks;
  update();
}

void ActivityIndicator::paintEvent(QPaintEvent*) {
  // The view alpha applies to the view as a whole: draw it opaque first, then
  // lay it down once at that alpha (ticks do not show the backdrop through).
  const qreal dpr = devicePixelRatioF();
  QImage layer(QSize(static_cast<int>(width() * dpr), static_cast<int>(height() * dpr)),
               QImage::Format_ARGB32_Premultiplied);
  if (layer.isNull()) return;
  layer.setDevicePixelRatio(dpr);
  layer.fill(backdrop_);
  // A stopped indicator shows only its backdrop.
  if (isAnimating()) {
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal side = std::min(width(), height());
    const qreal outer = side * 0.5;
    const qreal inner = outer * 0.45;
    QPen pen(Qt::white, std::max<qreal>(1.5, side / 10.0), Qt::SolidLine, Qt::RoundCap);
    p.translate(width() / 2.0, height() / 2.0);
    for (int i = 0; i < kTicks; ++i) {
      // Tick phase_ is brightest; the ones behind it fade out.
      const int age = (phase_ - i + kTicks) % kTicks;
      QColor c = Qt::white;
      c.setAlphaF(static_cast<float>(1.0 - 0.75 * age / (kTicks - 1)));
      pen.setColor(c);
      p.setPen(pen);
      const qreal angle = 2.0 * M_PI * i / kTicks - M_PI / 2.0;
      const QPointF dir(std::cos(angle), std::sin(angle));
      p.drawLine(dir * inner, dir * (outer - pen.widthF() / 2.0));
    }
  }
  QPainter p(this);
  p.setOpacity(alpha_);
  p.drawImage(0, 0, layer);
}

}  // namespace platform
