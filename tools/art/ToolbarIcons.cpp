// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop window's toolbar and menu icons. Each is drawn once in a 24-unit
// square and scaled to the pixel size asked for, so the 24 and 48 pixel files
// are the same design. Strokes are 2 units wide on whole coordinates, which
// puts straight edges on pixel boundaries at both sizes. Dark grey glyphs with
// one warm accent, on a faint light rim so they also read on dark toolbars.
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <vector>

#include "tools/art/Art.h"
#include "tools/art/Palette.h"

namespace art {

namespace {

const QColor kInk(0x3b, 0x3b, 0x3b);
// The accent: the titles' warm shadow, lifted so it holds on dark toolbars too.
const QColor kAccent(196, 112, 38);
const QColor kPaper(214, 214, 210);     // the grey half of a sketch
const QColor kHatch(120, 120, 120);     // pencil lines on it
const QColor kRim(255, 255, 255, 120);  // under the glyph, invisible on light toolbars

QPen inkPen(const QColor& colour = kInk, double width = 2) {
  return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Grey paper with diagonal pencil hatching, clipped to the given area.
void fillSketch(QPainter& p, const QPainterPath& area) {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(kPaper);
  p.drawPath(area);
  p.setClipPath(area, Qt::IntersectClip);
  p.setPen(QPen(kHatch, 1, Qt::SolidLine, Qt::FlatCap));
  for (double x = -24; x < 48; x += 3) p.drawLine(QPointF(x, 24), QPointF(x + 24, 0));
  p.restore();
}

// Punches a gap around the shape so a piece drawn next leaves air between itself and what is below.
void clearAround(QPainter& p, const QPainterPath& shape, double gap) {
  p.save();
  p.setCompositionMode(QPainter::CompositionMode_Clear);
  p.setPen(QPen(Qt::black, 2 * gap, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::black);
  p.drawPath(shape);
  p.restore();
}

void drawOpen(QPainter& p) {
  // Folder back with its tab, then the front flap tipped open and filled.
  QPainterPath back;
  back.moveTo(4, 18);
  back.lineTo(3, 17);
  back.lineTo(3, 5);
  back.lineTo(9, 5);
  back.lineTo(11, 7);
  back.lineTo(18, 7);
  back.lineTo(19, 8);
  back.lineTo(19, 10);
  p.setPen(inkPen());
  p.setBrush(Qt::NoBrush);
  p.drawPath(back);
  QPainterPath flap;
  flap.moveTo(3, 19);
  flap.lineTo(7, 11);
  flap.lineTo(22, 11);
  flap.lineTo(18, 19);
  flap.closeSubpath();
  p.setBrush(kAccent);
  p.drawPath(flap);
}

void drawCamera(QPainter& p) {
  QPainterPath body;
  body.moveTo(2, 9);
  body.quadTo(2, 7, 4, 7);
  body.lineTo(8, 7);
  body.lineTo(9.5, 4);
  body.lineTo(14.5, 4);
  body.lineTo(16, 7);
  body.lineTo(20, 7);
  body.quadTo(22, 7, 22, 9);
  body.lineTo(22, 18);
  body.quadTo(22, 20, 20, 20);
  body.lineTo(4, 20);
  body.quadTo(2, 20, 2, 18);
  body.closeSubpath();
  p.setPen(inkPen());
  p.setBrush(Qt::NoBrush);
  p.drawPath(body);
  p.setBrush(kAccent);
  p.drawEllipse(QPointF(12, 13.5), 3.5, 3.5);
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawEllipse(QPointF(18.5, 10), 1, 1);
}

void drawSave(QPainter& p) {
  QPainterPath tray;
  tray.moveTo(3, 14);
  tray.lineTo(3, 20);
  tray.lineTo(21, 20);
  tray.lineTo(21, 14);
  p.setPen(inkPen());
  p.setBrush(Qt::NoBrush);
  p.drawPath(tray);
  QPainterPath arrow;
  arrow.moveTo(12, 3);
  arrow.lineTo(12, 15);
  arrow.moveTo(7, 10);
  arrow.lineTo(12, 15);
  arrow.lineTo(17, 10);
  p.setPen(inkPen(kAccent));
  p.drawPath(arrow);
}

void drawShare(QPainter& p) {
  p.setPen(inkPen());
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(2, 5, 20, 14), 2, 2);
  QPainterPath fold;
  fold.moveTo(3, 7);
  fold.lineTo(12, 13);
  fold.lineTo(21, 7);
  p.setPen(inkPen(kAccent));
  p.drawPath(fold);
}

// A hooked arrow: shaft along the top turning down and back, head pointing left.
void drawUndoArrow(QPainter& p) {
  QPainterPath shaft;
  shaft.moveTo(5, 9);
  shaft.lineTo(14.5, 9);
  shaft.arcTo(QRectF(9, 9, 11, 11), 90, -180);
  shaft.lineTo(10, 20);
  p.setPen(inkPen());
  p.setBrush(Qt::NoBrush);
  p.drawPath(shaft);
  QPainterPath head;
  head.moveTo(9, 4);
  head.lineTo(4, 9);
  head.lineTo(9, 14);
  p.setPen(inkPen(kAccent));
  p.drawPath(head);
}

void drawUndo(QPainter& p) {
  drawUndoArrow(p);
}

void drawRedo(QPainter& p) {
  p.translate(24, 0);
  p.scale(-1, 1);
  drawUndoArrow(p);
}

// A round brush lying from the top right to its tip on a swatch at the bottom left.
void drawBrushOver(QPainter& p, bool colour) {
  const QRectF swatchRect(3, 11, 11, 10);
  QPainterPath swatch;
  swatch.addRoundedRect(swatchRect, 1.5, 1.5);
  if (colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawPath(swatch);
  } else {
    fillSketch(p, swatch);
  }
  p.setPen(inkPen());
  p.setBrush(Qt::NoBrush);
  p.drawPath(swatch);

  // The brush in its own frame: tip at the origin, handle along +x.
  QTransform frame;
  frame.translate(12, 13);
  frame.rotate(-45);
  QPainterPath bristles;
  bristles.moveTo(0, 0);
  bristles.cubicTo(1.5, -0.6, 4, -2.4, 6.5, -2.4);
  bristles.lineTo(6.5, 2.4);
  bristles.cubicTo(4, 2.4, 1.5, 0.6, 0, 0);
  QPainterPath ferrule;
  ferrule.addRect(QRectF(6.5, -2.4, 2.5, 4.8));
  QPainterPath handle;
  handle.moveTo(9, 0);
  handle.lineTo(13.5, 0);
  QPainterPath whole = bristles.united(ferrule);
  whole.addPath(QPainterPathStroker(inkPen(kInk, 2.5)).createStroke(handle));
  clearAround(p, frame.map(whole), 1.5);

  p.setPen(inkPen(kInk, 1.5));
  p.setBrush(colour ? kAccent : kPaper);
  p.drawPath(frame.map(bristles));
  p.setBrush(kInk);
  p.drawPath(frame.map(ferrule));
  p.setPen(inkPen(kInk, 2.5));
  p.drawPath(frame.map(handle));
}

void drawFit(QPainter& p) {
  QPainterPath corners;
  for (auto [x, y, dx, dy] : {std::array{3, 3, 1, 1}, {21, 3, -1, 1}, {3, 21, 1, -1}, {21, 21, -1, -1}}) {
    corners.moveTo(x, y + 5 * dy);
    corners.lineTo(x, y);
    corners.lineTo(x + 5 * dx, y);
  }
  p.setPen(inkPen());
  p.setBrush(Qt::NoBrush);
  p.drawPath(corners);
  p.setPen(Qt::NoPen);
  p.setBrush(kAccent);
  p.drawRoundedRect(QRectF(8, 8, 8, 8), 1, 1);
}

void drawMagnifier(QPainter& p, bool plus) {
  p.setPen(inkPen());
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(10, 10), 7, 7);
  p.setPen(inkPen(kInk, 3));
  p.drawLine(QPointF(15.5, 15.5), QPointF(21, 21));
  QPainterPath sign;
  sign.moveTo(7, 10);
  sign.lineTo(13, 10);
  if (plus) {
    sign.moveTo(10, 7);
    sign.lineTo(10, 13);
  }
  p.setPen(inkPen(kAccent));
  p.drawPath(sign);
}

void drawZoomIn(QPainter& p) {
  drawMagnifier(p, true);
}

void drawZoomOut(QPainter& p) {
  drawMagnifier(p, false);
}

void drawActual(QPainter& p) {
  // "1:1" as strokes: fonts differ between machines, paths do not.
  QPainterPath ones;
  for (double stem : {8.0, 20.0}) {
    ones.moveTo(stem - 3, 8);
    ones.lineTo(stem, 5);
    ones.lineTo(stem, 19);
  }
  p.setPen(inkPen());
  p.setBrush(Qt::NoBrush);
  p.drawPath(ones);
  p.setPen(Qt::NoPen);
  p.setBrush(kAccent);
  p.drawEllipse(QPointF(13.5, 9.5), 1.5, 1.5);
  p.drawEllipse(QPointF(13.5, 16.5), 1.5, 1.5);
}

void drawCompare(QPainter& p) {
  const QRectF square(3, 3, 18, 18);
  QPainterPath left, right;
  left.addRect(QRectF(3, 3, 9, 18));
  right.addRect(QRectF(12, 3, 9, 18));
  p.setPen(Qt::NoPen);
  p.setBrush(kAccent);
  p.drawPath(left);
  fillSketch(p, right);
  p.setPen(inkPen());
  p.setBrush(Qt::NoBrush);
  p.drawRect(square);
  p.drawLine(QPointF(12, 3), QPointF(12, 21));
}

void drawHelp(QPainter& p) {
  p.setPen(inkPen());
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(12, 12), 9, 9);
  QPainterPath hook;
  hook.arcMoveTo(QRectF(9, 6.5, 6, 6), 160);
  hook.arcTo(QRectF(9, 6.5, 6, 6), 160, -200);
  hook.quadTo(12, 12.2, 12, 14);
  p.setPen(inkPen(kAccent));
  p.drawPath(hook);
  p.setPen(Qt::NoPen);
  p.setBrush(kAccent);
  p.drawEllipse(QPointF(12, 17.25), 1.25, 1.25);
}

using Drawing = void (*)(QPainter&);

const std::vector<std::pair<QString, Drawing>>& drawings() {
  static const std::vector<std::pair<QString, Drawing>> list = {
      {"tb_open", drawOpen},
      {"tb_camera", drawCamera},
      {"tb_save", drawSave},
      {"tb_share", drawShare},
      {"tb_undo", drawUndo},
      {"tb_redo", drawRedo},
      {"tb_brush_a", [](QPainter& p) { drawBrushOver(p, true); }},
      {"tb_brush_b", [](QPainter& p) { drawBrushOver(p, false); }},
      {"tb_fit", drawFit},
      {"tb_zoom_in", drawZoomIn},
      {"tb_zoom_out", drawZoomOut},
      {"tb_actual", drawActual},
      {"tb_compare", drawCompare},
      {"tb_help", drawHelp},
  };
  return list;
}

// Lays a light rim under the dark strokes: their coverage spread by one unit,
// faint. The accent and the greys hold on a dark toolbar by themselves.
QImage withRim(const QImage& glyph, int size) {
  const int reach = std::max(1, size / 24);
  const QImage source = glyph.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  std::vector<int> dark(size * size);
  for (int i = 0; i < size * size; ++i) {
    const QColor c = QColor::fromRgba(qUnpremultiply(source.pixel(i % size, i / size)));
    dark[i] = std::max({c.red(), c.green(), c.blue()}) <= 100 ? c.alpha() : 0;
  }
  QImage out = transparentCanvas(size, size);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      int cover = 0;
      for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx) {
          const int sx = x + dx, sy = y + dy;
          if (sx < 0 || sy < 0 || sx >= size || sy >= size || dx * dx + dy * dy > reach * reach + reach)
            continue;
          cover = std::max(cover, dark[sy * size + sx]);
        }
      const int rimAlpha = cover * kRim.alpha() / 255;
      const QRgb g = source.pixel(x, y);
      const int ga = qAlpha(g), keep = 255 - ga;
      // Premultiplied "glyph over rim".
      const int a = ga + (rimAlpha * keep + 127) / 255;
      const int r = qRed(g) + (kRim.red() * rimAlpha / 255 * keep + 127) / 255;
      const int gr = qGreen(g) + (kRim.green() * rimAlpha / 255 * keep + 127) / 255;
      const int b = qBlue(g) + (kRim.blue() * rimAlpha / 255 * keep + 127) / 255;
      out.setPixel(x, y, qRgba(std::min(r, a), std::min(gr, a), std::min(b, a), a));
    }
  }
  return out;
}

}  // namespace

QStringList toolbarIconNames() {
  QStringList names;
  for (const auto& entry : drawings()) names << entry.first;
  return names;
}

std::vector<std::pair<QString, int>> toolbarIconSizes() {
  return {{"", 24}, {"@1.5x", 36}, {"@2x", 48}};
}

QImage drawToolbarIcon(const QString& name, int size) {
  const auto& list = drawings();
  const auto it = std::find_if(list.begin(), list.end(), [&](const auto& e) { return e.first == name; });
  if (it == list.end() || size < 16 || size > 512) return QImage();
  QImage glyph = transparentCanvas(size, size);
  {
    QPainter p(&glyph);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 24.0, size / 24.0);
    it->second(p);
  }
  return withRim(glyph, size);
}

}  // namespace art
