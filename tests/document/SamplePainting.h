// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small painting on a 160 x 120 photo: two strokes of each brush (brush B
// crossing brush A's), a style change after a long pause between them, and a
// last stroke undone, alone in the lower right.
#include <QBuffer>
#include <QImage>

#include "document/PaintingFile.h"

namespace painting_sample {

inline QByteArray pngPhoto(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgb(x * 255 / w, y * 255 / h, (x * 7 + y * 3) & 255));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

inline document::PaintingStep stroke(std::uint32_t n, bool modeB, float y, std::uint32_t timeMs) {
  document::PaintingStep step;
  for (int i = 0; i < 5; ++i)
    step.segments.push_back({float(20 * i + 30), y, float(20 * i + 10), y, 16.0f, modeB, n, timeMs + 40u * i});
  step.timeMs = timeMs;
  return step;
}

inline document::PaintingStep styleStep(int sketch, int colour, std::uint32_t timeMs = 0) {
  document::PaintingStep step;
  step.kind = document::PaintingStep::Kind::Style;
  step.sketchStyle = sketch;
  step.colourStyle = colour;
  step.timeMs = timeMs;
  return step;
}

inline document::PaintingRecord painting() {
  document::PaintingRecord record;
  record.photoBytes = pngPhoto(160, 120);
  record.photoName = QStringLiteral("photo.png");
  record.workingSize = QSize(160, 120);
  record.firstSketchStyle = 2;
  record.firstColourStyle = 0;
  document::PaintingStep undone = stroke(4, false, 100.0f, 11000);
  for (auto& seg : undone.segments) seg.startX += 20, seg.endX += 20;
  record.steps = {stroke(0, false, 20.0f, 0), stroke(1, true, 26.0f, 700), styleStep(5, 3, 9000),
                  stroke(2, false, 60.0f, 9500), stroke(3, true, 64.0f, 10200), undone};
  record.undoPosition = 5;
  return record;
}

}  // namespace painting_sample
