// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReferencePainting.h"

#include "canvas/BrushPainter.h"

namespace reference {

void useReferencePainting(canvas::Painting& painting, QWidget* view) {
  painting.setSegmentRecorder(
      [](const canvas::StrokeSegment& seg, canvas::StrokeHistory& history, QImage& work) {
        // Recorded without the work image: no saved pixels, no checkpoints, so
        // undo replays from the base.
        history.push(seg, nullptr);
        work = canvas::replaySegments(work, &seg, 1);
        return work.rect();
      });
  if (view) QObject::connect(&painting, &canvas::Painting::workChanged, view, qOverload<>(&QWidget::update));
}

}  // namespace reference
