// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// When each step of a painting shows in its time-lapse: the steps in effect, in
// the order they were painted, at the pace they were painted, with long pauses
// shortened; undone steps never show. Frame 0 is the untouched painting, the
// last painting frame holds everything in effect; the hold at the end is the
// caller's. Walks the record twice (once to measure, once to play) and keeps
// no list of its own, so memory does not follow the history's length.
#include <QSize>
#include <cstdint>

#include "document/PaintingFile.h"

namespace document {

// A pause between two steps longer than kTimelapseLongPauseMs plays as
// kTimelapsePauseGapMs: a painter's break for tea is not part of the painting,
// but a short breath between strokes keeps them apart on screen.
inline constexpr std::uint32_t kTimelapseLongPauseMs = 1000;
inline constexpr std::uint32_t kTimelapsePauseGapMs = 500;

// The frame size for a painting of working size whose photo's own upright
// size is photoSize, the aspect kept: a longerSide up to the working size's
// reduces the working size; a larger one is the size Export gives that longer
// side (platform::exportSize), at most the photo's own size within Export's
// pixel limit (with photoSize unknown, empty, at most the working size).
// With even, each side is rounded down to an even number (what 4:2:0 video
// needs). Empty for an empty working size or a longerSide below 2.
QSize timelapseFrameSize(QSize workingSize, QSize photoSize, int longerSide, bool even);

// One thing to show: a stroke segment (segment >= 0, index into the step's
// segments) or a style change (segment == -1), and the painting frame it
// first shows in.
struct TimelapseEvent {
  int step = 0;
  int segment = -1;
  int frame = 0;

  bool operator==(const TimelapseEvent&) const = default;
};

class TimelapsePlan {
 public:
  // paintFrames: the frames the painting plays over (at least 2).
  TimelapsePlan(const PaintingRecord& record, int paintFrames);

  // The next event in painting order; false once everything in effect is out.
  bool next(TimelapseEvent* event);
  // The frame of the next event without taking it; -1 when there is none.
  int nextFrame() const { return pending_ ? pendingEvent_.frame : -1; }

  // The played length of the painting in milliseconds, pauses shortened.
  std::int64_t playedMs() const { return total_; }

 private:
  // Moves the walk to the next event, with its played time; false at the end.
  bool advance();
  int frameAt(std::int64_t played) const;

  const PaintingRecord& record_;
  int paintFrames_;
  int end_;  // steps in effect
  std::int64_t total_ = 0;
  // The walk: the step and segment just reached, the painted time of the
  // previous event and the played time so far.
  int step_ = 0;
  int segment_ = -2;  // -2: step_ not entered yet
  std::uint32_t lastMs_ = 0;
  std::int64_t played_ = 0;
  bool pending_ = false;
  TimelapseEvent pendingEvent_;
};

}  // namespace document
