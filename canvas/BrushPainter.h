// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The eraser brush: a segment stroked in the clear blend mode with round caps and
// antialiasing, so the erased band has soft edges. A segment whose ends coincide
// is a round dot of its width.
#include <QImage>
#include <QRect>

#include "canvas/StrokeSegment.h"

class QPainter;

namespace canvas {

// Strokes seg with painter (which must be on a premultiplied image). With
// restore given (a picture of the painter's size), a segment of brush mode B
// paints restore's pixels back instead of erasing: where the brush covers
// fully they become restore's, at the soft edge a blend by coverage.
void strokeSegment(QPainter& painter, const StrokeSegment& seg, const QImage* restore = nullptr);

// Paints seg in place onto image (Format_ARGB32_Premultiplied).
void paintSegment(QImage& image, const StrokeSegment& seg, const QImage* restore = nullptr);

// The pixels that painting seg can change, padded for the antialiased edge and
// clipped to bounds.
QRect segmentRect(const StrokeSegment& seg, const QRect& bounds);

// Puts patch (same format as target) back into target with its top-left corner
// at topLeft; no blending.
void putPixels(const QImage& patch, QImage& target, QPoint topLeft);

// The full-image path, kept as the reference: a new transparent picture of image's size, image
// drawn into it, the segments stroked; returns that picture.
QImage replaySegments(const QImage& base, const StrokeSegment* segments, int count,
                      bool restoresBase = false);

}  // namespace canvas
