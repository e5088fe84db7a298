// SPDX-License-Identifier: GPL-3.0-or-later
// The canvas's control strip pictures and the brush-size indicator. Drawn at
// twice the tablet size so they stay crisp when scaled into their frames.
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "tools/art/Art.h"
#include "tools/art/Palette.h"

namespace art {

namespace {

// A soft cream disc with a brown rim, the plate of the round controls.
void drawRoundPlate(QPainter& p, QPointF centre, double radius) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 40));
  p.drawEllipse(centre + QPointF(2, 3), radius, radius);
  QRadialGradient g(centre - QPointF(radius * 0.3, radius * 0.35), radius * 1.4);
  g.setColorAt(0.0, QColor(255, 250, 236));
  g.setColorAt(1.0, QColor(222, 196, 150));
  p.setBrush(g);
  p.setPen(QPen(inkBrown(), 4));
  p.drawEllipse(centre, radius - 2, radius - 2);
}

// A curved arrow running over the top from right to left, head pointing down.
QImage drawCurvedArrow() {
  QImage image = transparentCanvas(132, 132);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  drawRoundPlate(p, QPointF(66, 66), 60);

  const QPointF centre(66, 72);
  const double r = 30;
  QPainterPath arc;
  arc.arcMoveTo(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), -40);
  arc.arcTo(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), -40, 205);
  QPen pen(inkBrown(), 11);
  pen.setCapStyle(Qt::RoundCap);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  p.drawPath(arc);

  // Arrow head at the arc's end, along its tangent there.
  const QPointF end = arc.currentPosition();
  const double a = arc.angleAtPercent(1.0) * 3.14159265358979323846 / 180.0;
  const QPointF along(std::cos(a), -std::sin(a)), across(-along.y(), along.x());
  QPainterPath head;
  head.moveTo(end - along * 4 + across * 17);
  head.lineTo(end - along * 4 - across * 17);
  head.lineTo(end + along * 22);
  head.closeSubpath();
  p.setPen(QPen(inkBrown(), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(inkBrown());
  p.drawPath(head);
  return image;
}

QPainterPath letterPath(QChar letter) {
  QPainterPath path;
  if (letter == QChar('A')) {
    path.moveTo(33, 102);
    path.lineTo(59.5, 32);
    path.lineTo(86, 102);
    path.moveTo(43, 78);
    path.lineTo(76, 78);
  } else {
    path.moveTo(40, 32);
    path.lineTo(63, 32);
    path.arcTo(QRectF(46, 32, 34, 34), 90, -180);
    path.lineTo(40, 66);
    path.lineTo(66, 66);
    path.arcTo(QRectF(48, 66, 36, 36), 90, -180);
    path.lineTo(40, 102);
    path.closeSubpath();
  }
  return path;
}

}  // namespace

QImage drawUndo() {
  return drawCurvedArrow();
}

QImage drawRedo() {
  return drawCurvedArrow().mirrored(true, false);
}

QImage drawLetterButton(QChar letter, bool selected) {
  QImage image = transparentCanvas(119, 132);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF plate(7, 8, 105, 116);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 40));
  p.drawRoundedRect(plate.translated(2, 3), 18, 18);
  if (selected) {
    // Filled highlight: the chosen brush mode reads at a glance.
    QLinearGradient g(plate.topLeft(), plate.bottomLeft());
    g.setColorAt(0.0, QColor(168, 62, 14));
    g.setColorAt(1.0, inkBrown());
    p.setBrush(g);
    p.setPen(QPen(QColor(240, 160, 60), 5));
  } else {
    QColor fill = cream();
    fill.setAlpha(215);
    p.setBrush(fill);
    p.setPen(QPen(inkBrown(), 4));
  }
  p.drawRoundedRect(plate, 18, 18);

  QPen pen(selected ? cream() : inkBrown(), 11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  p.drawPath(letterPath(letter));
  return image;
}

QImage drawBrushCircle() {
  QImage image = transparentCanvas(256, 256);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(128, 128);
  // A faint interior shows the brush's reach without hiding the picture.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 56));
  p.drawEllipse(centre, 118, 118);
  // Dark outer and light inner ring: visible on both light and dark pictures.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(inkBrown(), 10));
  p.drawEllipse(centre, 120, 120);
  p.setPen(QPen(QColor(255, 244, 220), 4));
  p.drawEllipse(centre, 112, 112);
  return image;
}

}  // namespace art
