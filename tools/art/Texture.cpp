// SPDX-License-Identifier: GPL-3.0-or-later
// The sketch-brush texture. The sketch is lifted by it with a screen-like blend,
// so it stays mostly dark: paper grain around 20-40 and lighter pencil hatching,
// which gives the grey rendering its drawn look without washing it out.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "tools/art/Art.h"

namespace art {

namespace {

constexpr double kPi = 3.14159265358979323846;

// One patch of parallel pencil strokes, lighter in the middle of each stroke.
void drawHatchPatch(QPainter& p, Rng& rng, int size) {
  const double cx = rng.range(-60, size + 60), cy = rng.range(-60, size + 60);
  // Two dominant directions, as a right-handed artist hatches, with jitter.
  const double base = rng.uniform() < 0.7 ? 38.0 : 128.0;
  const double angle = (base + rng.range(-12, 12)) * kPi / 180.0;
  const double dx = std::cos(angle), dy = -std::sin(angle);
  const double nx = -dy, ny = dx;  // across the strokes
  const int count = 5 + rng.below(14);
  const double spacing = rng.range(4.0, 9.0);
  const double length = rng.range(60, 220);
  const int peak = 16 + rng.below(34);
  for (int i = 0; i < count; ++i) {
    const double off = (i - count / 2.0) * spacing + rng.range(-1.2, 1.2);
    const double len = length * rng.range(0.7, 1.0);
    const double shift = rng.range(-0.15, 0.15) * len;
    const QPointF a(cx + nx * off + dx * (shift - len / 2), cy + ny * off + dy * (shift - len / 2));
    const QPointF b(cx + nx * off + dx * (shift + len / 2), cy + ny * off + dy * (shift + len / 2));
    const double bend = rng.range(-0.04, 0.04) * len;
    const QPointF mid = (a + b) / 2 + QPointF(nx * bend, ny * bend);
    QPainterPath path(a);
    path.quadTo(mid, b);
    const int v = std::clamp(peak + rng.below(12) - 6, 6, 60);
    QLinearGradient g(a, b);
    g.setColorAt(0.0, QColor(0, 0, 0));
    g.setColorAt(rng.range(0.2, 0.4), QColor(v, v, v));
    g.setColorAt(rng.range(0.6, 0.8), QColor(v, v, v));
    g.setColorAt(1.0, QColor(0, 0, 0));
    QPen pen(QBrush(g), rng.range(1.1, 2.4));
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.drawPath(path);
  }
}

}  // namespace

QImage drawSketchBrush(int size) {
  // Hatching accumulates in its own layer so crossing strokes get lighter.
  QImage hatch(size, size, QImage::Format_RGB32);
  hatch.fill(Qt::black);
  {
    QPainter p(&hatch);
    p.setRenderHint(QPainter::Antialiasing);
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    Rng rng(0x5EC7B1u);
    const int patches = size * size / 3000;
    for (int i = 0; i < patches; ++i) drawHatchPatch(p, rng, size);
  }

  QImage out(size, size, QImage::Format_Grayscale8);
  Rng grain(0x9A7E12u);
  for (int y = 0; y < size; ++y) {
    const QRgb* h = reinterpret_cast<const QRgb*>(hatch.constScanLine(y));
    uchar* o = out.scanLine(y);
    for (int x = 0; x < size; ++x) {
      // Paper: a slow cloudiness plus the tooth of the sheet.
      const double cloud = fractalNoise(7u, x / 96.0, y / 96.0, 3);
      const double tooth = fractalNoise(19u, x / 2.5, y / 2.5, 2);
      const double fleck = grain.uniform();
      double v = 8.0 + 20.0 * cloud + 12.0 * tooth + 4.0 * fleck;
      // The tooth breaks the pencil line up, as graphite skips the valleys.
      const double lead = qRed(h[x]) * (0.45 + 0.75 * tooth);
      v += lead;
      if (v > 85.0) v = 85.0 + (v - 85.0) * 0.35;  // soft ceiling: strokes stay lighter, never white
      o[x] = static_cast<uchar>(std::clamp(static_cast<int>(v), 0, 120));
    }
  }
  return out;
}

}  // namespace art
