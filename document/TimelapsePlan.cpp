// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/TimelapsePlan.h"

#include <algorithm>
#include <cmath>

#include "platform/PhotoDecoder.h"

namespace document {

QSize timelapseFrameSize(QSize workingSize, QSize photoSize, int longerSide, bool even) {
  const int longer = std::max(workingSize.width(), workingSize.height());
  if (workingSize.isEmpty() || longerSide < 2) return {};
  const QSize own = platform::exportSize(photoSize, 0);
  QSize size;
  if (longerSide <= longer || own.isEmpty()) {
    const int side = std::min(longerSide, longer);
    auto scaled = [&](int v) { return std::max(1, int(std::lround(double(v) * side / longer))); };
    size = QSize(scaled(workingSize.width()), scaled(workingSize.height()));
  } else {
    size = longerSide >= std::max(own.width(), own.height()) ? own : platform::exportSize(photoSize, longerSide);
  }
  if (even) size = QSize(std::max(2, size.width() & ~1), std::max(2, size.height() & ~1));
  return size;
}

TimelapsePlan::TimelapsePlan(const PaintingRecord& record, int paintFrames)
    : record_(record),
      paintFrames_(std::max(2, paintFrames)),
      end_(std::clamp(record.undoPosition, 0, int(record.steps.size()))) {
  while (advance()) {
  }
  total_ = played_;
  step_ = 0;
  segment_ = -2;
  lastMs_ = 0;
  played_ = 0;
  pending_ = advance();
  if (pending_) pendingEvent_ = {step_, segment_, frameAt(played_)};
}

bool TimelapsePlan::advance() {
  while (step_ < end_) {
    const PaintingStep& step = record_.steps[std::size_t(step_)];
    std::uint32_t at = 0;
    if (segment_ == -2 && step.kind == PaintingStep::Kind::Style) {
      segment_ = -1;
      at = step.timeMs;
    } else if (step.kind == PaintingStep::Kind::Stroke && std::max(segment_, -1) + 1 < int(step.segments.size())) {
      segment_ = std::max(segment_, -1) + 1;
      at = step.segments[std::size_t(segment_)].timeMs;
    } else {
      ++step_;
      segment_ = -2;
      continue;
    }
    // Times that go backwards (a clock put back) play as no time at all.
    const std::uint32_t gap = at > lastMs_ ? at - lastMs_ : 0;
    played_ += gap > kTimelapseLongPauseMs ? kTimelapsePauseGapMs : gap;
    lastMs_ = std::max(lastMs_, at);
    return true;
  }
  return false;
}

int TimelapsePlan::frameAt(std::int64_t played) const {
  // Frame 0 stays the untouched painting; the last event lands on the last
  // painting frame; a painting with no time at all shows whole on frame 1.
  if (total_ <= 0) return 1;
  return 1 + int(played * (paintFrames_ - 2) / total_);
}

bool TimelapsePlan::next(TimelapseEvent* event) {
  if (!pending_) return false;
  *event = pendingEvent_;
  pending_ = advance();
  if (pending_) pendingEvent_ = {step_, segment_, frameAt(played_)};
  return true;
}

}  // namespace document
