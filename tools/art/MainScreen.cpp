// SPDX-License-Identifier: GPL-3.0-or-later
// The main screen's backgrounds and plates.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "tools/art/Art.h"
#include "tools/art/Palette.h"

namespace art {

namespace {

uchar clampByte(double v) {
  return static_cast<uchar>(std::clamp(static_cast<int>(v), 0, 255));
}

// Lerp between two colours by t in [0, 1], per channel.
QRgb mix(QColor a, QColor b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return qRgb(clampByte(a.red() + (b.red() - a.red()) * t),
              clampByte(a.green() + (b.green() - a.green()) * t),
              clampByte(a.blue() + (b.blue() - a.blue()) * t));
}

// Planks of wood with flowing grain; each plank gets its own tone and figure.
void paintWoodGrain(QImage& image, int plankWidth, std::uint32_t seed, QColor light, QColor dark) {
  for (int y = 0; y < image.height(); ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const int plank = x / plankWidth;
      const std::uint32_t ps = seed + 31u * static_cast<std::uint32_t>(plank);
      const double warp = 26.0 * fractalNoise(ps, x / 70.0, y / 260.0, 3);
      const double u = (x + warp) * 0.11 + 3.0 * fractalNoise(ps + 7u, x / 40.0, y / 500.0, 2);
      const double ring = 0.5 + 0.5 * std::sin(u * 2.0);
      const double late = std::pow(ring, 5.0);  // thin dark latewood lines
      const double fibre = fractalNoise(ps + 13u, x / 1.6, y / 36.0, 2);
      const double tone = 0.08 * (plank % 3) + 0.12 * valueNoise(ps + 3u, 0.5, y / 700.0);
      double t = 0.25 + 0.45 * late + 0.22 * (fibre - 0.5) + tone;
      row[x] = mix(light, dark, t);
    }
  }
  QPainter p(&image);
  for (int x = plankWidth; x < image.width(); x += plankWidth) {
    // Seam: a dark gap with a lit edge on its right.
    p.fillRect(QRect(x - 1, 0, 2, image.height()), QColor(60, 30, 10, 200));
    p.fillRect(QRect(x + 1, 0, 1, image.height()), QColor(255, 230, 190, 70));
  }
}

}  // namespace

QImage drawWood() {
  QImage image(768, 1024, QImage::Format_RGB32);
  paintWoodGrain(image, 192, 4242u, QColor(214, 164, 108), QColor(128, 74, 34));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  // A soft vignette keeps the eye on the canvas in the middle.
  QRadialGradient v(QPointF(384, 512), 700);
  v.setColorAt(0.55, QColor(0, 0, 0, 0));
  v.setColorAt(1.0, QColor(30, 12, 0, 110));
  p.fillRect(image.rect(), v);
  return image;
}

QImage drawMenuBar() {
  QImage image(768, 110, QImage::Format_ARGB32_Premultiplied);
  paintWoodGrain(image, 100000, 77u, QColor(150, 88, 42), QColor(84, 40, 14));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient shade(0, 0, 0, 110);
  shade.setColorAt(0.0, QColor(255, 235, 200, 70));
  shade.setColorAt(0.45, QColor(255, 235, 200, 0));
  shade.setColorAt(1.0, QColor(20, 8, 0, 110));
  p.fillRect(image.rect(), shade);
  // Stitching along both edges, like a leather strap.
  QPen stitch(QColor(236, 200, 140, 200), 2, Qt::CustomDashLine, Qt::RoundCap);
  stitch.setDashPattern({4, 3});
  p.setPen(stitch);
  p.drawLine(QPointF(6, 7), QPointF(762, 7));
  p.drawLine(QPointF(6, 102), QPointF(762, 102));
  p.fillRect(QRect(0, 0, 768, 2), QColor(255, 240, 210, 120));
  p.fillRect(QRect(0, 107, 768, 3), QColor(30, 10, 0, 180));
  return image;
}

QImage drawMenuButton() {
  QImage image = transparentCanvas(200, 200);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF c(100, 100);
  // Shadow as a few widening translucent discs.
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 5; ++i) {
    p.setBrush(QColor(20, 8, 0, 18));
    p.drawEllipse(c + QPointF(2, 4), 86.0 + i * 2.0, 86.0 + i * 2.0);
  }
  // A light plate so the brown title reads well on it.
  QRadialGradient g(c - QPointF(26, 30), 150);
  g.setColorAt(0.0, QColor(255, 251, 238));
  g.setColorAt(0.6, QColor(240, 222, 186));
  g.setColorAt(1.0, QColor(204, 164, 110));
  p.setBrush(g);
  p.setPen(QPen(QColor(120, 58, 18), 6));
  p.drawEllipse(c, 84, 84);
  // Inner bevel ring and a glint at the top.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 255, 255, 120), 3));
  p.drawEllipse(c, 74, 74);
  QPainterPath glint;
  glint.arcMoveTo(QRectF(40, 32, 120, 90), 30);
  glint.arcTo(QRectF(40, 32, 120, 90), 30, 120);
  p.setPen(QPen(QColor(255, 255, 255, 150), 6, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(glint);
  return image;
}

QImage drawListBackground() {
  QImage image(140, 900, QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      // Parchment: mottled with long vertical fibres.
      const double mottle = fractalNoise(515u, x / 40.0, y / 60.0, 4);
      const double fibre = fractalNoise(616u, x / 2.0, y / 30.0, 2);
      const double edge = std::min(x, 139 - x) / 70.0;
      const double t = 0.15 + 0.35 * mottle + 0.15 * fibre + 0.35 * (1.0 - std::sqrt(edge));
      row[x] = mix(QColor(246, 236, 210), QColor(196, 160, 112), t);
    }
  }
  QPainter p(&image);
  p.fillRect(QRect(0, 0, 3, 900), QColor(120, 58, 18));
  p.fillRect(QRect(137, 0, 3, 900), QColor(120, 58, 18));
  p.fillRect(QRect(3, 0, 1, 900), QColor(255, 240, 210));
  p.fillRect(QRect(136, 0, 1, 900), QColor(255, 240, 210));
  return image;
}

}  // namespace art
