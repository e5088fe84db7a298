// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the more-apps dialog: its button plate, and for each recommended
// application an abstract icon and a demonstration scene of the kind of work it
// is for (photo retouching, painting, vector drawing). Our own drawings only.
#include <QConicalGradient>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "tools/art/Art.h"
#include "tools/art/Palette.h"

namespace art {

namespace {

constexpr double kPi = 3.14159265358979323846;

QPainterPath starPath(QPointF c, double outer, double inner, int points, double turn = -90) {
  QPainterPath star;
  for (int i = 0; i < 2 * points; ++i) {
    const double r = i % 2 ? inner : outer;
    const double a = (turn + i * 180.0 / points) * kPi / 180.0;
    const QPointF pt = c + QPointF(r * std::cos(a), r * std::sin(a));
    if (i == 0) {
      star.moveTo(pt);
    } else {
      star.lineTo(pt);
    }
  }
  star.closeSubpath();
  return star;
}

// A landscape photograph in a rectangle: sky, sun, mountains and a lake.
void drawPhotoScene(QPainter& p, const QRectF& r) {
  p.save();
  p.setClipRect(r);
  QLinearGradient sky(r.topLeft(), r.bottomLeft());
  sky.setColorAt(0.0, QColor(64, 120, 200));
  sky.setColorAt(0.6, QColor(250, 196, 140));
  p.fillRect(r, sky);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 230, 150));
  p.drawEllipse(QPointF(r.left() + r.width() * 0.7, r.top() + r.height() * 0.35), r.height() * 0.09,
                r.height() * 0.09);
  QPainterPath mountains;
  mountains.moveTo(r.left(), r.top() + r.height() * 0.68);
  const double peaks[][2] = {{0.15, 0.38}, {0.3, 0.55}, {0.48, 0.3}, {0.66, 0.52}, {0.82, 0.4}, {1.0, 0.6}};
  for (const auto& pk : peaks) mountains.lineTo(r.left() + r.width() * pk[0], r.top() + r.height() * pk[1]);
  mountains.lineTo(r.right(), r.bottom());
  mountains.lineTo(r.left(), r.bottom());
  mountains.closeSubpath();
  p.setBrush(QColor(70, 84, 110));
  p.drawPath(mountains);
  QLinearGradient lake(0, r.top() + r.height() * 0.72, 0, r.bottom());
  lake.setColorAt(0.0, QColor(90, 140, 190));
  lake.setColorAt(1.0, QColor(30, 60, 100));
  p.fillRect(QRectF(r.left(), r.top() + r.height() * 0.72, r.width(), r.height() * 0.28), lake);
  p.restore();
}

QImage tileWithGradient(QColor top, QColor bottom, QPainterPath* tileOut) {
  QImage image = transparentCanvas(192, 192);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath tile;
  tile.addRoundedRect(QRectF(6, 6, 180, 180), 36, 36);
  QLinearGradient g(0, 6, 0, 186);
  g.setColorAt(0.0, top);
  g.setColorAt(1.0, bottom);
  p.fillPath(tile, g);
  *tileOut = tile;
  return image;
}

void drawRetouchIcon(QPainter& p) {
  // Three stacked layers, the top one a photograph under a selection.
  for (int i = 2; i >= 0; --i) {
    const QRectF card(44 + i * 10, 40 + i * 12, 96, 80);
    p.setPen(QPen(QColor(60, 30, 10, 90), 2));
    p.setBrush(i == 0 ? QColor(255, 255, 255) : QColor(255, 255, 255, 150 - i * 40));
    p.drawRoundedRect(card, 6, 6);
  }
  drawPhotoScene(p, QRectF(50, 46, 84, 68));
  QPen marquee(Qt::white, 2.5, Qt::CustomDashLine);
  marquee.setDashPattern({3, 2});
  p.setPen(marquee);
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRectF(62, 56, 52, 40));
  // A brush crossing the corner.
  p.setPen(QPen(QColor(250, 240, 220), 10, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(120, 150), QPointF(160, 110));
  p.setPen(QPen(QColor(40, 30, 30), 10, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(106, 164), QPointF(116, 154));
}

// A thick brush stroke along a curve: discs of changing size and colour.
void drawSweepStroke(QPainter& p, const QPainterPath& curve, double width, QColor from, QColor to) {
  p.setPen(Qt::NoPen);
  const int steps = 160;
  for (int i = 0; i <= steps; ++i) {
    const double t = double(i) / steps;
    const double r = width * (0.25 + 0.75 * std::sin(t * kPi));
    QColor c(from.red() + (to.red() - from.red()) * t, from.green() + (to.green() - from.green()) * t,
             from.blue() + (to.blue() - from.blue()) * t);
    p.setBrush(c);
    p.drawEllipse(curve.pointAtPercent(t), r, r * 0.8);
  }
}

void drawPaintingIcon(QPainter& p) {
  QPainterPath curve(QPointF(36, 140));
  curve.cubicTo(QPointF(60, 40), QPointF(120, 170), QPointF(158, 56));
  drawSweepStroke(p, curve, 16, QColor(255, 90, 160), QColor(255, 196, 60));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(120, 220, 255));
  p.drawEllipse(QPointF(140, 146), 12, 12);
  p.setBrush(QColor(170, 255, 170));
  p.drawEllipse(QPointF(112, 162), 7, 7);
  p.setBrush(QColor(255, 255, 255, 200));
  p.drawEllipse(QPointF(58, 56), 6, 6);
}

// A smooth path with its nodes and handles, as a vector editor shows it.
void drawEditedCurve(QPainter& p, QPointF a, QPointF ca, QPointF cb, QPointF b, double scale) {
  QPainterPath curve(a);
  curve.cubicTo(ca, cb, b);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 255, 255), 6 * scale, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(curve);
  p.setPen(QPen(QColor(120, 200, 255), 2 * scale));
  p.drawLine(a, ca);
  p.drawLine(b, cb);
  p.setBrush(QColor(120, 200, 255));
  p.drawEllipse(ca, 6 * scale, 6 * scale);
  p.drawEllipse(cb, 6 * scale, 6 * scale);
  p.setPen(QPen(QColor(20, 40, 60), 2 * scale));
  p.setBrush(Qt::white);
  const double n = 8 * scale;
  p.drawRect(QRectF(a.x() - n, a.y() - n, 2 * n, 2 * n));
  p.drawRect(QRectF(b.x() - n, b.y() - n, 2 * n, 2 * n));
}

void drawVectorIcon(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 200, 60, 200));
  p.drawPath(starPath(QPointF(124, 74), 40, 17, 5));
  drawEditedCurve(p, QPointF(38, 150), QPointF(50, 70), QPointF(112, 172), QPointF(156, 140), 1.0);
}

// The frame of a desktop application window around a demonstration.
void drawWindowFrame(QPainter& p, QColor chrome) {
  p.fillRect(QRectF(0, 0, 768, 400), chrome);
  p.fillRect(QRectF(0, 0, 768, 26), chrome.darker(130));
  p.setPen(Qt::NoPen);
  const QColor dots[] = {QColor(240, 96, 86), QColor(246, 190, 60), QColor(96, 200, 90)};
  for (int i = 0; i < 3; ++i) {
    p.setBrush(dots[i]);
    p.drawEllipse(QPointF(18 + i * 20, 13), 6, 6);
  }
}

QImage drawRetouchDemo() {
  QImage image(768, 400, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  drawWindowFrame(p, QColor(58, 58, 62));
  // Tool box: a grid of little tool tiles.
  Rng rng(0x61u);
  for (int i = 0; i < 16; ++i) {
    const QRectF tool(10 + (i % 2) * 30, 40 + (i / 2) * 30, 24, 24);
    p.setBrush(QColor(90, 90, 96));
    p.drawRoundedRect(tool, 4, 4);
    p.setBrush(QColor::fromHsv(rng.below(360), 120, 220));
    p.drawEllipse(tool.center(), 5 + rng.below(4), 5 + rng.below(4));
  }
  // The photograph being retouched, with an elliptic selection.
  const QRectF photo(84, 44, 470, 340);
  drawPhotoScene(p, photo);
  QPen marquee(Qt::white, 2, Qt::CustomDashLine);
  marquee.setDashPattern({4, 3});
  p.setPen(marquee);
  p.setBrush(QColor(255, 255, 255, 30));
  p.drawEllipse(QRectF(300, 90, 200, 150));
  // Layers panel.
  p.setPen(Qt::NoPen);
  const QColor swatches[] = {QColor(250, 196, 140), QColor(70, 84, 110), QColor(90, 140, 190)};
  for (int i = 0; i < 3; ++i) {
    const QRectF row(570, 44 + i * 56, 188, 48);
    p.setBrush(i == 0 ? QColor(90, 110, 150) : QColor(74, 74, 80));
    p.drawRoundedRect(row, 6, 6);
    p.setBrush(swatches[i]);
    p.drawRect(QRectF(row.left() + 6, row.top() + 6, 48, 36));
    p.setBrush(QColor(200, 200, 206));
    p.drawRoundedRect(QRectF(row.left() + 64, row.top() + 14, 90 - i * 16, 8), 4, 4);
    p.drawRoundedRect(QRectF(row.left() + 64, row.top() + 28, 60, 6), 3, 3);
  }
  // Curves dialog: a tone curve over a histogram.
  const QRectF curves(570, 220, 188, 164);
  p.setBrush(QColor(74, 74, 80));
  p.drawRoundedRect(curves, 6, 6);
  for (int i = 0; i < 40; ++i) {
    const double h =
        20 + 90 * std::exp(-std::pow((i - 24) / 9.0, 2)) + 20 * std::exp(-std::pow((i - 8) / 5.0, 2));
    p.setBrush(QColor(130, 130, 140));
    p.drawRect(QRectF(curves.left() + 10 + i * 4.2, curves.bottom() - 10 - h, 3.2, h));
  }
  QPainterPath tone(QPointF(curves.left() + 10, curves.bottom() - 10));
  tone.cubicTo(QPointF(curves.left() + 80, curves.bottom() - 30),
               QPointF(curves.left() + 110, curves.top() + 20),
               QPointF(curves.right() - 10, curves.top() + 10));
  p.setPen(QPen(QColor(255, 255, 255), 3));
  p.setBrush(Qt::NoBrush);
  p.drawPath(tone);
  return image;
}

QImage drawPaintingDemo() {
  QImage image(768, 400, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  drawWindowFrame(p, QColor(46, 46, 52));
  // The canvas: an evening landscape laid in with loose strokes.
  const QRectF canvas(16, 40, 560, 344);
  p.fillRect(canvas, QColor(236, 228, 214));
  p.save();
  p.setClipRect(canvas);
  Rng rng(0x4B52u);
  struct Band {
    double top, bottom;
    QColor colour;
  };
  const Band bands[] = {{40, 150, QColor(90, 80, 170)},
                        {120, 230, QColor(240, 120, 90)},
                        {200, 280, QColor(250, 190, 90)},
                        {260, 330, QColor(60, 110, 90)},
                        {310, 390, QColor(30, 60, 60)}};
  for (const Band& band : bands) {
    for (int i = 0; i < 70; ++i) {
      const double y = rng.range(band.top, band.bottom);
      const double x = rng.range(canvas.left() - 40, canvas.right());
      const double len = rng.range(60, 180);
      QPainterPath s(QPointF(x, y));
      s.cubicTo(QPointF(x + len * 0.3, y + rng.range(-14, 14)),
                QPointF(x + len * 0.7, y + rng.range(-14, 14)), QPointF(x + len, y + rng.range(-8, 8)));
      QColor c = band.colour;
      c = QColor::fromHsv(c.hsvHue(), std::clamp(c.hsvSaturation() + rng.below(60) - 30, 0, 255),
                          std::clamp(c.value() + rng.below(60) - 30, 0, 255), 170);
      p.setPen(QPen(c, rng.range(6, 18), Qt::SolidLine, Qt::RoundCap));
      p.drawPath(s);
    }
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 236, 170, 220));
  p.drawEllipse(QPointF(400, 190), 34, 34);
  p.restore();
  // Colour wheel and brush presets at the side.
  const QPointF wheel(672, 130);
  QConicalGradient hue(wheel, 0);
  for (int i = 0; i <= 6; ++i) hue.setColorAt(i / 6.0, QColor::fromHsv((i * 60) % 360, 230, 250));
  p.setBrush(hue);
  p.drawEllipse(wheel, 78, 78);
  p.setBrush(QColor(46, 46, 52));
  p.drawEllipse(wheel, 52, 52);
  p.setBrush(QColor(240, 120, 90));
  p.drawRect(QRectF(wheel.x() - 30, wheel.y() - 30, 60, 60));
  for (int i = 0; i < 8; ++i) {
    const QPointF c(612 + (i % 4) * 40, 262 + (i / 4) * 52);
    p.setBrush(QColor(70, 70, 78));
    p.drawEllipse(c, 17, 17);
    p.setBrush(QColor(230, 230, 236));
    p.drawEllipse(c, 3 + i * 1.6, 3 + i * 1.6);
  }
  return image;
}

QImage drawVectorDemo() {
  QImage image(768, 400, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  drawWindowFrame(p, QColor(224, 226, 230));
  // The page with a grid and two guides.
  const QRectF page(60, 40, 648, 344);
  p.fillRect(page, Qt::white);
  p.setPen(QPen(QColor(210, 222, 240), 1));
  for (double x = page.left(); x <= page.right(); x += 24)
    p.drawLine(QPointF(x, page.top()), QPointF(x, page.bottom()));
  for (double y = page.top(); y <= page.bottom(); y += 24)
    p.drawLine(QPointF(page.left(), y), QPointF(page.right(), y));
  p.setPen(QPen(QColor(80, 160, 240), 1.5, Qt::DashLine));
  p.drawLine(QPointF(page.left(), 232), QPointF(page.right(), 232));
  p.drawLine(QPointF(420, page.top()), QPointF(420, page.bottom()));
  // Shapes.
  p.setPen(QPen(QColor(20, 40, 60), 3));
  p.setBrush(QColor(70, 150, 230));
  p.drawEllipse(QPointF(190, 160), 80, 80);
  p.setBrush(QColor(250, 150, 60));
  p.drawRoundedRect(QRectF(250, 200, 160, 120), 20, 20);
  p.setBrush(QColor(110, 200, 110));
  p.drawPath(starPath(QPointF(560, 150), 90, 38, 5));
  // The selected path with its handles, drawn dark on the light page.
  QPainter& q = p;
  QPainterPath curve(QPointF(450, 340));
  curve.cubicTo(QPointF(500, 250), QPointF(620, 380), QPointF(680, 290));
  q.setBrush(Qt::NoBrush);
  q.setPen(QPen(QColor(30, 30, 40), 4, Qt::SolidLine, Qt::RoundCap));
  q.drawPath(curve);
  q.setPen(QPen(QColor(80, 160, 240), 1.5));
  q.drawLine(QPointF(450, 340), QPointF(500, 250));
  q.drawLine(QPointF(680, 290), QPointF(620, 380));
  q.setBrush(QColor(80, 160, 240));
  q.drawEllipse(QPointF(500, 250), 5, 5);
  q.drawEllipse(QPointF(620, 380), 5, 5);
  q.setPen(QPen(QColor(30, 30, 40), 1.5));
  q.setBrush(Qt::white);
  q.drawRect(QRectF(444, 334, 12, 12));
  q.drawRect(QRectF(674, 284, 12, 12));
  // Selection box around the star.
  QPen dash(QColor(30, 30, 40), 1.2, Qt::DashLine);
  p.setPen(dash);
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(470, 60, 180, 172));
  // Tool column.
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 9; ++i) {
    p.setBrush(i == 2 ? QColor(80, 160, 240) : QColor(190, 194, 200));
    p.drawRoundedRect(QRectF(14, 44 + i * 36, 30, 30), 5, 5);
  }
  return image;
}

}  // namespace

QImage drawPromoButton() {
  QImage image = transparentCanvas(192, 96);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF plate(5, 5, 182, 86);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 60, 100, 40));
  p.drawRoundedRect(plate.translated(1, 3), 22, 22);
  // Light plate: the blue label text lies on it.
  QLinearGradient g(plate.topLeft(), plate.bottomLeft());
  g.setColorAt(0.0, QColor(255, 255, 255));
  g.setColorAt(1.0, QColor(214, 240, 252));
  p.setBrush(g);
  p.setPen(QPen(promoBlue(), 4));
  p.drawRoundedRect(plate, 22, 22);
  return image;
}

QImage drawPromoIcon(PromoApp app) {
  QPainterPath tile;
  QImage image;
  switch (app) {
    case PromoApp::Gimp:
      image = tileWithGradient(QColor(236, 150, 70), QColor(150, 80, 30), &tile);
      break;
    case PromoApp::Krita:
      image = tileWithGradient(QColor(110, 70, 190), QColor(40, 26, 90), &tile);
      break;
    case PromoApp::Inkscape:
      image = tileWithGradient(QColor(40, 110, 130), QColor(16, 44, 60), &tile);
      break;
  }
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setClipPath(tile);
  switch (app) {
    case PromoApp::Gimp:
      drawRetouchIcon(p);
      break;
    case PromoApp::Krita:
      drawPaintingIcon(p);
      break;
    case PromoApp::Inkscape:
      drawVectorIcon(p);
      break;
  }
  // Glossy top edge.
  QLinearGradient gloss(0, 6, 0, 96);
  gloss.setColorAt(0.0, QColor(255, 255, 255, 70));
  gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
  p.fillRect(QRectF(0, 0, 192, 96), gloss);
  return image;
}

QImage drawPromoDemo(PromoApp app) {
  switch (app) {
    case PromoApp::Gimp:
      return drawRetouchDemo();
    case PromoApp::Krita:
      return drawPaintingDemo();
    case PromoApp::Inkscape:
      return drawVectorDemo();
  }
  return {};
}

}  // namespace art
