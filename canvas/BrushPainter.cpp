// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/BrushPainter.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace canvas {

namespace {
// Antialiasing touches at most about one pixel beyond the geometric shape.
constexpr float kEdgePad = 2.0f;
}  // namespace

void strokeSegment(QPainter& painter, const StrokeSegment& seg, const QImage* restore) {
  painter.setRenderHint(QPainter::Antialiasing, true);
  const bool restoring = restore && seg.mode && !restore->isNull();
  // Source, not source-over: under partial coverage the raster engine blends
  // source and destination by coverage, so a restored pixel never goes past
  // the picture's own value, whatever its alpha.
  painter.setCompositionMode(restoring ? QPainter::CompositionMode_Source : QPainter::CompositionMode_Clear);
  QPen pen = restoring ? QPen(QBrush(*restore), 1.0) : QPen(QColor::fromRgbF(1.0f, 1.0f, 1.0f, 1.0f));
  pen.setWidthF(seg.width);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  const QPointF start(seg.startX, seg.startY);
  const QPointF end(seg.endX, seg.endY);
  // A zero-length line draws nothing; a point with a round cap is the dot.
  if (start == end)
    painter.drawPoint(start);
  else
    painter.drawLine(start, end);
}

void paintSegment(QImage& image, const StrokeSegment& seg, const QImage* restore) {
  QPainter painter(&image);
  strokeSegment(painter, seg, restore);
}

QRect segmentRect(const StrokeSegment& seg, const QRect& bounds) {
  const float pad = std::max(seg.width, 0.0f) * 0.5f + kEdgePad;
  const double left = std::min(seg.startX, seg.endX) - pad;
  const double top = std::min(seg.startY, seg.endY) - pad;
  const double right = std::max(seg.startX, seg.endX) + pad;
  const double bottom = std::max(seg.startY, seg.endY) + pad;
  if (!std::isfinite(left) || !std::isfinite(top) || !std::isfinite(right) || !std::isfinite(bottom))
    return bounds;
  // Far outside the picture: nothing to clip against but the bounds.
  const double lo = -1e9, hi = 1e9;
  const int x0 = static_cast<int>(std::floor(std::clamp(left, lo, hi)));
  const int y0 = static_cast<int>(std::floor(std::clamp(top, lo, hi)));
  const int x1 = static_cast<int>(std::ceil(std::clamp(right, lo, hi)));
  const int y1 = static_cast<int>(std::ceil(std::clamp(bottom, lo, hi)));
  return QRect(QPoint(x0, y0), QPoint(x1, y1)).intersected(bounds);
}

void putPixels(const QImage& patch, QImage& target, QPoint topLeft) {
  const QRect r = QRect(topLeft, patch.size()).intersected(target.rect());
  if (r.isEmpty() || patch.format() != target.format()) return;
  const int bpp = target.depth() / 8;
  const size_t bytes = static_cast<size_t>(r.width()) * static_cast<size_t>(bpp);
  const int dx = r.left() - topLeft.x();
  for (int y = r.top(); y <= r.bottom(); ++y)
    std::memcpy(target.scanLine(y) + r.left() * bpp, patch.constScanLine(y - topLeft.y()) + dx * bpp, bytes);
}

QImage replaySegments(const QImage& base, const StrokeSegment* segments, int count, bool restoresBase) {
  QImage out(base.size(), QImage::Format_ARGB32_Premultiplied);
  out.fill(Qt::transparent);
  QPainter painter(&out);
  if (!base.isNull()) painter.drawImage(QRectF(0, 0, base.width(), base.height()), base);
  for (int i = 0; i < count; ++i) strokeSegment(painter, segments[i], restoresBase ? &base : nullptr);
  painter.end();
  return out;
}

}  // namespace canvas
