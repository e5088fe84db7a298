// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The painting history: the list of recorded segments (steparray), the count in
// effect (currentstep) and the stroke numbering (brushindex), applied to the work
// image. Undo puts back the pixels that the stroke's segments covered as they were
// before the stroke (kept per stroke, only for the area the stroke touched), so
// its cost follows the stroke's size, not the history's length; the result is the
// same as replaying every segment in effect onto the base picture.
//
// Saved pixels are budgeted, so older strokes give theirs up. For those, the
// history also keeps checkpoints: the work image as it was at a stroke start,
// taken whenever the painting since the previous one reaches the checkpoint
// spacing, and stored run-length coded against the base (an eraser's picture is
// mostly untouched base or cleared pixels). Undo without saved pixels restores
// the nearest checkpoint at or before its target and replays from there: less
// than one spacing and one stroke of painting, however deep. Checkpoints have a
// budget of their own (savedBytes() leaves them out; checkpointBytes() counts
// them): past it, the one whose removal leaves the shortest gap goes, never the
// newest, so the spacing widens evenly instead of memory growing.
#include <QImage>
#include <QRegion>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "canvas/StrokeSegment.h"

namespace canvas {

class StrokeHistory {
 public:
  static constexpr std::size_t kDefaultBudget = 64u * 1024u * 1024u;
  static constexpr std::size_t kDefaultCheckpointBudget = 32u * 1024u * 1024u;
  // A segment's painter set-up and path cost about as much as painting this
  // many pixels (see segmentCost).
  static constexpr std::int64_t kSegmentOverhead = 1024;
  // Replay cost between two checkpoints: one stroke of a hundred 8-pixel moves
  // with a 128-pixel brush (a few milliseconds), so with such strokes every
  // stroke start is a checkpoint.
  static constexpr std::int64_t kDefaultCheckpointSpacing = 100 * (140 * 132 + kSegmentOverhead);

  const std::vector<StrokeSegment>& steps() const { return steps_; }
  int currentstep() const { return currentstep_; }
  int brushindex() const { return brushindex_; }
  int count() const { return static_cast<int>(steps_.size()); }
  bool canUndo() const { return currentstep_ > 0; }
  bool canRedo() const { return currentstep_ < count(); }

  // The picture undo starts from when a stroke's saved pixels are gone and no
  // checkpoint precedes it. Checkpoints taken over another base are dropped.
  void setBase(const QImage& base);
  const QImage& base() const { return base_; }

  // Empties the list and restarts the numbering (the base stays).
  void reset();

  // Whether segments of brush mode B paint the base back (the desktop's
  // painting, where photo A stays under the work image) or erase like mode A
  // (the phone's, where a mode switch makes a new base instead).
  void setRestoresBase(bool restores) { restoresBase_ = restores; }
  bool restoresBase() const { return restoresBase_; }

  // Takes steps as the whole history with the first currentstep in effect
  // (clamped), nothing painted: rebuild() makes the work image. Stroke
  // numbering goes on after the highest number.
  void load(std::vector<StrokeSegment> steps, int currentstep);
  // The work image for the segments in effect, replayed over the base, taking
  // checkpoints on the way as painting them live would.
  QImage rebuild();
  // A work image (of the base's size) coded against the base, the way
  // checkpoints keep it; and the picture back from such a code, checked word
  // by word (false for a code that does not describe a picture of the base's
  // size, whatever it holds).
  std::vector<std::uint32_t> encodeWork(const QImage& work) const;
  bool decodeWork(const std::vector<std::uint32_t>& code, QImage* work) const;
  // Drops the undone segments (a step that is not a stroke cuts them too).
  void discardUndone() { cut(); }

  // Bytes that saved pixels may hold; older strokes give theirs up first.
  // Checkpoints are not counted here: see checkpointBytes().
  void setMemoryBudget(std::size_t bytes) { budget_ = bytes; }
  std::size_t savedBytes() const { return savedBytes_; }

  // Bytes that checkpoints may hold (their codes and bookkeeping); the newest
  // one is kept even when it alone passes the budget.
  void setCheckpointBudget(std::size_t bytes);
  std::size_t checkpointBytes() const { return checkpointBytes_; }
  // Painting (see segmentCost) between one checkpoint and the next one taken.
  void setCheckpointSpacing(std::int64_t cost) { spacing_ = cost; }
  // The positions (segments in effect) that checkpoints hold, in order.
  std::vector<int> checkpointSteps() const;

  // What the last undo rebuilt when the stroke's saved pixels were gone: the
  // position it started from (0: the base; -1: saved pixels served) and the
  // number of segments it replayed.
  int lastReplayStart() const { return lastReplayStart_; }
  int lastReplayLength() const { return lastReplayLength_; }

  // Records seg (cutting undone entries first). When work is given, saves the
  // pixels seg is about to change and paints seg onto it in place; returns the
  // changed rectangle.
  QRect push(const StrokeSegment& seg, QImage* work);

  // Closes the stroke being painted: the next segment gets the next number.
  void finishStroke() { ++brushindex_; }

  // Removes the last stroke in effect from work; returns the changed rectangle
  // (empty when there is nothing to undo).
  QRect undo(QImage& work);
  // Paints the next undone stroke onto work; returns the changed rectangle.
  QRect redo(QImage& work);

  // The base with the first n segments replayed: what undo must arrive at.
  QImage replay(int n) const;

  // The replay cost that checkpoint spacing is measured in: the area of the
  // segment's rectangle within bounds plus a fixed cost per segment.
  static std::int64_t segmentCost(const StrokeSegment& seg, const QRect& bounds);

 private:
  struct Piece {
    QRect rect;
    QImage pixels;
  };
  struct StrokePatch {
    std::uint32_t stroke = 0;
    int first = 0;  // index of the stroke's first segment
    bool valid = true;
    QRegion covered;
    std::vector<Piece> pieces;
    std::size_t bytes = 0;
  };
  struct Checkpoint {
    int step = 0;  // the picture is replay(step)
    std::vector<std::uint32_t> code;
    std::size_t bytes = 0;
  };

  void cut();
  void enforceBudget();
  StrokePatch* patchAt(int first);

  void clearCheckpoints();
  void maybeCheckpoint(int index, const QImage& work);
  void enforceCheckpointBudget();
  const Checkpoint* checkpointAtOrBefore(int step) const;
  // Makes work replay(target) from checkpoint (at or before target).
  void restoreCheckpoint(const Checkpoint& checkpoint, int target, QImage& work);

  std::vector<StrokeSegment> steps_;
  std::vector<std::int64_t> costs_{0};  // costs_[n]: replay cost of the first n segments
  std::vector<StrokePatch> patches_;
  std::vector<Checkpoint> checkpoints_;
  QImage base_;
  QImage codeBase_;  // the base as the work image's format: what codes refer to
  int currentstep_ = 0;
  int brushindex_ = 0;
  std::size_t budget_ = kDefaultBudget;
  std::size_t savedBytes_ = 0;
  std::size_t checkpointBudget_ = kDefaultCheckpointBudget;
  std::size_t checkpointBytes_ = 0;
  std::int64_t spacing_ = kDefaultCheckpointSpacing;
  int lastReplayStart_ = -1;
  int lastReplayLength_ = 0;
  bool restoresBase_ = false;

  const QImage* restoreSource() const { return restoresBase_ ? &codeBase_ : nullptr; }
};

}  // namespace canvas
