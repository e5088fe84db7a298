// SPDX-License-Identifier: GPL-3.0-or-later
// The application icon: a pencil over a little landscape that is a pencil
// sketch on the left and in colour on the right, which is what the app does.
// The document icon shows the same landscape on a page with a folded corner.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <initializer_list>
#include <tuple>
#include <utility>

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

// The landscape in a 256-unit square scaled by s: sun and two hills. The
// sketch's lines are drawn lines times as wide (thicker when drawn small).
void drawLandscape(QPainter& p, double s, bool colour, double lines = 1) {
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
    QPen lead(QColor(70, 70, 70), 3 * s * lines, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    // Hatching inside each hill, denser for the nearer one.
    auto hatch = [&](const QPainterPath& area, double step, int grey) {
      p.save();
      p.setClipPath(area, Qt::IntersectClip);
      p.setPen(QPen(QColor(grey, grey, grey), 1.6 * s * lines));
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

namespace {

// The document icon's page in 256 units: the folded corner's size, and the
// window the landscape shows through, at a scale of 136 / 256.
constexpr double kFold = 48;
const QRectF kPage(36, 12, 184, 232);
const QRectF kWindow(60, 84, 136, 136);
const QRectF kTextLines[] = {QRectF(60, 36, 96, 8), QRectF(60, 54, 72, 8)};
// The landscape's pencil lines at twice their width: at the window's scale
// they would be under a pixel wide in the 256-pixel icon.
constexpr double kWindowLines = 2;

QPainterPath pagePath(double s) {
  QPainterPath page;
  page.moveTo(kPage.left() * s, kPage.top() * s);
  page.lineTo((kPage.right() - kFold) * s, kPage.top() * s);
  page.lineTo(kPage.right() * s, (kPage.top() + kFold) * s);
  page.lineTo(kPage.right() * s, kPage.bottom() * s);
  page.lineTo(kPage.left() * s, kPage.bottom() * s);
  page.closeSubpath();
  return page;
}

QPainterPath foldPath(double s) {
  QPainterPath fold;
  fold.moveTo((kPage.right() - kFold) * s, kPage.top() * s);
  fold.lineTo((kPage.right() - kFold) * s, (kPage.top() + kFold) * s);
  fold.lineTo(kPage.right() * s, (kPage.top() + kFold) * s);
  fold.closeSubpath();
  return fold;
}

QColor paper() {
  return QColor(252, 250, 244);
}
QColor foldShade() {
  return QColor(222, 210, 186);
}
QColor textGrey() {
  return QColor(176, 166, 150);
}

}  // namespace

QImage drawDocumentIcon(int size) {
  QImage image = transparentCanvas(size, size);
  const double s = size / 256.0;
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(paper());
  p.drawPath(pagePath(s));
  p.setBrush(textGrey());
  for (const QRectF& line : kTextLines)
    p.drawRect(QRectF(line.topLeft() * s, line.size() * s));
  const QRectF window(kWindow.topLeft() * s, kWindow.size() * s);
  const double k = s * kWindow.width() / 256;
  for (bool colour : {false, true}) {
    p.save();
    p.setClipRect(colour ? window.adjusted(window.width() / 2, 0, 0, 0)
                         : window.adjusted(0, 0, -window.width() / 2, 0));
    p.translate(window.topLeft());
    drawLandscape(p, k, colour, kWindowLines);
    p.restore();
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(inkBrown(), 3 * s));
  p.drawRect(window);
  p.setPen(QPen(inkBrown(), 6 * s));
  p.setBrush(foldShade());
  p.drawPath(foldPath(s));
  p.setBrush(Qt::NoBrush);
  p.drawPath(pagePath(s));
  return image;
}

}  // namespace art

// The same icon as scalable vector graphics, for the desktop's scalable icon
// folder. It keeps to SVG Tiny 1.2, which every icon renderer draws (Qt's own
// ignores clip paths): clips are applied to the geometry here, and clipped
// strokes become filled outlines. The test renders it beside drawAppIcon().
namespace art {

namespace {

QString number(double v) {
  QString text = QString::number(v, 'f', 2);
  while (text.contains('.') && (text.endsWith('0') || text.endsWith('.'))) text.chop(1);
  return text == "-0" ? QStringLiteral("0") : text;
}

QString point(QPointF p) {
  return number(p.x()) + ' ' + number(p.y());
}

// Path data; a subpath that ends where it began is closed, so strokes join there.
QString pathData(const QPainterPath& path) {
  QString d;
  QPointF start, current;
  auto closeIfBack = [&] {
    if (!d.isEmpty() && current == start) d += 'Z';
  };
  for (int i = 0; i < path.elementCount(); ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    if (e.isMoveTo()) {
      closeIfBack();
      d += 'M' + point(e);
      start = current = e;
    } else if (e.isLineTo()) {
      d += 'L' + point(e);
      current = e;
    } else if (e.isCurveTo() && i + 2 < path.elementCount()) {
      const QPointF c2 = path.elementAt(i + 1), end = path.elementAt(i + 2);
      d += 'C' + point(e) + ' ' + point(c2) + ' ' + point(end);
      current = end;
      i += 2;
    }
  }
  closeIfBack();
  return d;
}

class SvgWriter {
 public:
  using Stops = std::initializer_list<std::pair<double, QColor>>;
  QString linear(QPointF from, QPointF to, Stops stops) {
    return gradient(QStringLiteral("linearGradient x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\"")
                        .arg(number(from.x()), number(from.y()), number(to.x()), number(to.y())),
                    stops);
  }
  QString radial(QPointF centre, double radius, Stops stops) {
    return gradient(QStringLiteral("radialGradient cx=\"%1\" cy=\"%2\" r=\"%3\"")
                        .arg(number(centre.x()), number(centre.y()), number(radius)),
                    stops);
  }
  void fill(const QPainterPath& path, const QString& paint, int alpha = 255) {
    if (path.isEmpty()) return;
    body_ +=
        QStringLiteral("<path d=\"%1\" fill=\"%2\"%3%4/>\n")
            .arg(
                pathData(path), paint,
                path.fillRule() == Qt::WindingFill ? QString() : QStringLiteral(" fill-rule=\"evenodd\""),
                alpha == 255 ? QString() : QStringLiteral(" fill-opacity=\"%1\"").arg(number(alpha / 255.0)));
  }
  void fill(const QPainterPath& path, QColor colour, int alpha = 255) { fill(path, colour.name(), alpha); }
  // Qt's default pen: square caps, bevelled joins.
  void stroke(const QPainterPath& path, QColor colour, double width) {
    body_ += QStringLiteral(
                 "<path d=\"%1\" fill=\"none\" stroke=\"%2\" stroke-width=\"%3\" "
                 "stroke-linecap=\"square\" stroke-linejoin=\"bevel\"/>\n")
                 .arg(pathData(path), colour.name(), number(width));
  }
  void group(const QString& transform) { body_ += "<g transform=\"" + transform + "\">\n"; }
  void endGroup() { body_ += "</g>\n"; }
  QString document(int size) const {
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.2\" baseProfile=\"tiny\" "
               "width=\"%1\" height=\"%1\" viewBox=\"0 0 %1 %1\">\n<defs>\n%2</defs>\n%3</svg>\n")
        .arg(QString::number(size), defs_, body_);
  }

 private:
  QString gradient(const QString& head, Stops stops) {
    const QString id = QStringLiteral("g%1").arg(++gradients_);
    defs_ += "<" + head + " id=\"" + id + "\" gradientUnits=\"userSpaceOnUse\">\n";
    for (const auto& [at, colour] : stops)
      defs_ += QStringLiteral("<stop offset=\"%1\" stop-color=\"%2\"/>\n").arg(number(at), colour.name());
    defs_ += "</" + head.section(' ', 0, 0) + ">\n";
    return "url(#" + id + ")";
  }
  QString defs_, body_;
  int gradients_ = 0;
};

QPainterPath outline(const QPainterPath& path, const QPen& pen) {
  return QPainterPathStroker(pen).createStroke(path);
}

QPainterPath rectPath(const QRectF& rect, double radius = 0) {
  QPainterPath path;
  if (radius > 0) {
    path.addRoundedRect(rect, radius, radius);
  } else {
    path.addRect(rect);
  }
  return path;
}

// The landscape of drawLandscape(), sketched inside left and coloured inside
// right (both in its own 256 units).
void landscapeSvg(SvgWriter& svg, const QPainterPath& left, const QPainterPath& right, double lines = 1) {
  const QPainterPath far = hillPath(1, 170, 80, 110, 90), near = hillPath(1, 205, 190, 140, 110);
  const QPointF sun(128, 64);
  QPainterPath sunDisc;
  sunDisc.addEllipse(sun, 26, 26);

  // Left: the sketch.
  svg.fill(left, QColor(240, 238, 232));
  for (auto [area, step, grey] : {std::tuple{far, 11.0, 140}, {near, 7.0, 100}}) {
    QPainterPath hatching;
    for (double x = -256; x < 512; x += step) {
      hatching.moveTo(x, 256);
      hatching.lineTo(x + 140, 116);
    }
    svg.fill(outline(hatching, QPen(Qt::black, 1.6 * lines)).intersected(area).intersected(left),
             QColor(grey, grey, grey));
  }
  const QPen lead(Qt::black, 3 * lines, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  for (const QPainterPath& shape : {sunDisc, far, near})
    svg.fill(outline(shape, lead).intersected(left), QColor(70, 70, 70));

  // Right: the same landscape in colour.
  svg.fill(right, svg.linear({0, 0}, {0, 256}, {{0.0, QColor(86, 164, 230)}, {1.0, QColor(200, 232, 250)}}));
  svg.fill(sunDisc.intersected(right),
           svg.radial(sun, 34, {{0.0, QColor(255, 236, 120)}, {1.0, QColor(250, 180, 40)}}));
  svg.fill(far.intersected(right), QColor(90, 160, 70));
  svg.fill(near.intersected(right), QColor(52, 124, 52));
}

}  // namespace

QString drawAppIconSvg() {
  SvgWriter svg;
  const QPainterPath tile = rectPath(QRectF(8, 8, 240, 240), 44);
  landscapeSvg(svg, tile.intersected(rectPath(QRectF(0, 0, 128, 256))),
               tile.intersected(rectPath(QRectF(128, 0, 128, 256))));
  svg.stroke(tile, inkBrown(), 6);

  // The pencil along +x, point at the left end, then turned.
  const double len = 190, w = 30;
  svg.group("translate(150 132) rotate(-40)");
  svg.fill(rectPath(QRectF(-len / 2 + 6, -w / 2 + 8, len, w), 4), Qt::black, 60);
  svg.fill(
      rectPath(QRectF(-len / 2 + 40, -w / 2, len - 70, w)),
      svg.linear({0, -w / 2}, {0, w / 2},
                 {{0.0, QColor(255, 214, 80)}, {0.5, QColor(246, 178, 30)}, {1.0, QColor(206, 128, 12)}}));
  svg.fill(rectPath(QRectF(len / 2 - 30, -w / 2, 14, w)), QColor(176, 180, 186));
  svg.fill(rectPath(QRectF(len / 2 - 16, -w / 2, 16, w), 5), QColor(236, 120, 140));
  QPainterPath cone, tip, seam;
  cone.moveTo(-len / 2 + 40, -w / 2);
  cone.lineTo(-len / 2, 0);
  cone.lineTo(-len / 2 + 40, w / 2);
  cone.closeSubpath();
  svg.fill(cone, QColor(232, 196, 150));
  tip.moveTo(-len / 2 + 14, -w / 2 * (26.0 / 40.0));
  tip.lineTo(-len / 2, 0);
  tip.lineTo(-len / 2 + 14, w / 2 * (26.0 / 40.0));
  tip.closeSubpath();
  svg.fill(tip, QColor(50, 50, 54));
  seam.moveTo(-len / 2 + 40, 0);
  seam.lineTo(len / 2 - 30, 0);
  svg.stroke(seam, QColor(150, 90, 10), 1.5);
  svg.endGroup();
  return svg.document(256);
}

QString drawDocumentIconSvg() {
  SvgWriter svg;
  const QPainterPath page = pagePath(1);
  svg.fill(page, paper());
  for (const QRectF& line : kTextLines) svg.fill(rectPath(line), textGrey());
  svg.group(QStringLiteral("translate(%1 %2) scale(%3)")
                .arg(number(kWindow.left()), number(kWindow.top()), number(kWindow.width() / 256)));
  landscapeSvg(svg, rectPath(QRectF(0, 0, 128, 256)), rectPath(QRectF(128, 0, 128, 256)), kWindowLines);
  svg.endGroup();
  svg.stroke(rectPath(kWindow), inkBrown(), 3);
  svg.fill(foldPath(1), foldShade());
  svg.stroke(foldPath(1), inkBrown(), 6);
  svg.stroke(page, inkBrown(), 6);
  return svg.document(256);
}

}  // namespace art
