// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The painting history: the list of recorded segments (steparray), the count in
// effect (currentstep) and the stroke numbering (brushindex), applied to the work
// image. Undo puts back the pixels that the stroke's segments covered as they were
// before the stroke (kept per stroke, only for the area the stroke touched), so
// its cost follows the stroke's size, not the history's length; the result is the
// same as replaying every segment in effect onto the base picture, which is what
// happens when a stroke's saved pixels had to be given up for memory.
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

  const std::vector<StrokeSegment>& steps() const { return steps_; }
  int currentstep() const { return currentstep_; }
  int brushindex() const { return brushindex_; }
  int count() const { return static_cast<int>(steps_.size()); }
  bool canUndo() const { return currentstep_ > 0; }
  bool canRedo() const { return currentstep_ < count(); }

  // The picture undo starts from when a stroke's saved pixels are gone.
  void setBase(const QImage& base) { base_ = base; }
  const QImage& base() const { return base_; }

  // Empties the list and restarts the numbering (the base stays).
  void reset();

  // Reference mode keeps no saved pixels: undo replays from the base, redo
  // recomposes the whole picture (the slow path the fast one is checked against).
  void setReference(bool reference);
  bool reference() const { return reference_; }

  // Bytes that saved pixels may hold; older strokes give theirs up first.
  void setMemoryBudget(std::size_t bytes) { budget_ = bytes; }
  std::size_t savedBytes() const { return savedBytes_; }

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

  void cut();
  void enforceBudget();
  StrokePatch* patchAt(int first);

  std::vector<StrokeSegment> steps_;
  std::vector<StrokePatch> patches_;
  QImage base_;
  int currentstep_ = 0;
  int brushindex_ = 0;
  bool reference_ = false;
  std::size_t budget_ = kDefaultBudget;
  std::size_t savedBytes_ = 0;
};

}  // namespace canvas
