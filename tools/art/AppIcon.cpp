// The application icon: a pencil over a little landscape that is a pencil
// sketch on the left and in colour on the right, which is what the app does.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "tools/art/Art.h"
#include "tools/art/Palette.h"

namespace art {

namespace {

QPainterPath hillPath(double s, double baseY, double peakX, double peakY, double spread) {
  QPainterPath hill;
  hill.moveTo(-10 * s, 270 * s);
  hill.lineTo(-10 * s, baseY * s);
  hill.cubicTo((peakX - spread) * s, baseY * s, (peakX - spread / 2) * s, peakY * s, peakX * s, peakY * s);
  hill.cubicTo((peakX + spread / 2) * s, peakY * s, (peakX + spread) * s, baseY * s, 270 * s, baseY * s);
  hill.lineTo(270 * s, 270 * s);
  hill.closeSubpath();
  return hill;
}

// The landscape in a 256-unit square scaled by s: sun and two hills.
void drawLandscape(QPainter& p, double s, bool colour) {
  const QPainterPath far = hillPath(s, 170, 80, 110, 90);
  const QPainterPath near = hillPath(s, 205, 190, 140, 110);
  const QPointF sun(128 * s, 64 * s);  // straddles the seam: half sketched, half coloured
  if (colour) {
    QLinearGradient sky(0, 0, 0, 256 * s);
    sky.setColorAt(0.0, QColor(86, 164, 230));
    sky.setColorAt(1.0, QColor(200, 232, 250));
    p.fillRect(QRectF(0, 0, 256 * s, 256 * s), sky);
    QRadialGradient glow(sun, 34 * s);
    glow.setColorAt(0.0, QColor(255, 236, 120));
    glow.setColorAt(1.0, QColor(250, 180, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(sun, 26 * s, 26 * s);
    p.setBrush(QColor(90, 160, 70));
    p.drawPath(far);
    p.setBrush(QColor(52, 124, 52));
    p.drawPath(near);
  } else {
    p.fillRect(QRectF(0, 0, 256 * s, 256 * s), QColor(240, 238, 232));
    QPen lead(QColor(70, 70, 70), 3 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    // Hatching inside each hill, denser for the nearer one.
    auto hatch = [&](const QPainterPath& area, double step, int grey) {
      p.save();
      p.setClipPath(area, Qt::IntersectClip);
      p.setPen(QPen(QColor(grey, grey, grey), 1.6 * s));
      for (double x = -256; x < 512; x += step)
        p.drawLine(QPointF(x * s, 256 * s), QPointF((x + 140) * s, 116 * s));
      p.restore();
    };
    hatch(far, 11, 140);
    hatch(near, 7, 100);
    p.setBrush(Qt::NoBrush);
    p.setPen(lead);
    p.drawEllipse(sun, 26 * s, 26 * s);
    p.drawPath(far);
    p.drawPath(near);
  }
}

void drawPencil(QPainter& p, double s) {
  p.save();
  p.translate(150 * s, 132 * s);
  p.rotate(-40);
  // The pencil lies along +x, point at the left end.
  const double len = 190 * s, w = 30 * s;
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 60));
  p.drawRoundedRect(QRectF(-len / 2 + 6 * s, -w / 2 + 8 * s, len, w), 4 * s, 4 * s);
  QLinearGradient body(0, -w / 2, 0, w / 2);
  body.setColorAt(0.0, QColor(255, 214, 80));
  body.setColorAt(0.5, QColor(246, 178, 30));
  body.setColorAt(1.0, QColor(206, 128, 12));
  p.setBrush(body);
  p.drawRect(QRectF(-len / 2 + 40 * s, -w / 2, len - 70 * s, w));
  // Ferrule and eraser.
  p.setBrush(QColor(176, 180, 186));
  p.drawRect(QRectF(len / 2 - 30 * s, -w / 2, 14 * s, w));
  p.setBrush(QColor(236, 120, 140));
  p.drawRoundedRect(QRectF(len / 2 - 16 * s, -w / 2, 16 * s, w), 5 * s, 5 * s);
  // Sharpened wood and the graphite point.
  QPainterPath cone;
  cone.moveTo(-len / 2 + 40 * s, -w / 2);
  cone.lineTo(-len / 2, 0);
  cone.lineTo(-len / 2 + 40 * s, w / 2);
  cone.closeSubpath();
  p.setBrush(QColor(232, 196, 150));
  p.drawPath(cone);
  QPainterPath tip;
  tip.moveTo(-len / 2 + 14 * s, -w / 2 * (26.0 / 40.0));
  tip.lineTo(-len / 2, 0);
  tip.lineTo(-len / 2 + 14 * s, w / 2 * (26.0 / 40.0));
  tip.closeSubpath();
  p.setBrush(QColor(50, 50, 54));
  p.drawPath(tip);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(150, 90, 10), 1.5 * s));
  p.drawLine(QPointF(-len / 2 + 40 * s, 0), QPointF(len / 2 - 30 * s, 0));
  p.restore();
}

}  // namespace

QImage drawAppIcon(int size) {
  QImage image = transparentCanvas(size, size);
  const double s = size / 256.0;
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath tile;
  tile.addRoundedRect(QRectF(8 * s, 8 * s, 240 * s, 240 * s), 44 * s, 44 * s);
  p.save();
  p.setClipPath(tile);
  p.save();
  p.setClipRect(QRectF(0, 0, 128 * s, 256 * s), Qt::IntersectClip);
  drawLandscape(p, s, false);
  p.restore();
  p.save();
  p.setClipRect(QRectF(128 * s, 0, 128 * s, 256 * s), Qt::IntersectClip);
  drawLandscape(p, s, true);
  p.restore();
  p.restore();
  p.setPen(QPen(inkBrown(), 6 * s));
  p.setBrush(Qt::NoBrush);
  p.drawPath(tile);
  drawPencil(p, s);
  return image;
}

}  // namespace art
