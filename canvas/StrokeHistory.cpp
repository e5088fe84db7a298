// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/StrokeHistory.h"

#include <algorithm>

#include "canvas/BrushPainter.h"

namespace canvas {

void StrokeHistory::reset() {
  steps_.clear();
  patches_.clear();
  savedBytes_ = 0;
  currentstep_ = 0;
  brushindex_ = 0;
}

void StrokeHistory::setReference(bool reference) {
  reference_ = reference;
  if (reference) {
    // Saved pixels that stop being kept up to date must not be trusted later.
    for (StrokePatch& patch : patches_) {
      patch.valid = false;
      patch.pieces.clear();
      patch.covered = QRegion();
    }
    savedBytes_ = 0;
  }
}

void StrokeHistory::cut() {
  if (currentstep_ >= count()) return;
  steps_.erase(steps_.begin() + currentstep_, steps_.end());
  while (!patches_.empty() && patches_.back().first >= currentstep_) {
    savedBytes_ -= patches_.back().bytes;
    patches_.pop_back();
  }
}

StrokeHistory::StrokePatch* StrokeHistory::patchAt(int first) {
  auto it = std::lower_bound(patches_.begin(), patches_.end(), first,
                             [](const StrokePatch& p, int value) { return p.first < value; });
  return (it != patches_.end() && it->first == first) ? &*it : nullptr;
}

QRect StrokeHistory::push(const StrokeSegment& seg, QImage* work) {
  cut();
  const int index = count();
  steps_.push_back(seg);
  ++currentstep_;
  if (!work || work->isNull()) return {};

  const QRect rect = segmentRect(seg, work->rect());
  if (!reference_) {
    // A new patch for the first segment of a stroke; a stroke's segments are
    // consecutive, so the last patch is the one a continuing stroke extends.
    if (patches_.empty() || patches_.back().stroke != seg.stroke) {
      StrokePatch patch;
      patch.stroke = seg.stroke;
      patch.first = index;
      patches_.push_back(std::move(patch));
    }
    StrokePatch& patch = patches_.back();
    if (patch.valid && !rect.isEmpty()) {
      // Only pixels this stroke has not touched yet still hold their values
      // from before the stroke.
      const QRegion fresh = QRegion(rect).subtracted(patch.covered);
      for (const QRect& r : fresh) {
        Piece piece{r, work->copy(r)};
        const std::size_t bytes = static_cast<std::size_t>(piece.pixels.sizeInBytes());
        patch.bytes += bytes;
        savedBytes_ += bytes;
        patch.pieces.push_back(std::move(piece));
      }
      patch.covered += fresh;
    }
  }
  if (!rect.isEmpty()) paintSegment(*work, seg);
  enforceBudget();
  return rect;
}

void StrokeHistory::enforceBudget() {
  // The stroke being painted keeps its pixels; older ones give theirs up.
  for (std::size_t i = 0; savedBytes_ > budget_ && i + 1 < patches_.size(); ++i) {
    StrokePatch& patch = patches_[i];
    if (!patch.valid) continue;
    savedBytes_ -= patch.bytes;
    patch.bytes = 0;
    patch.valid = false;
    patch.pieces.clear();
    patch.pieces.shrink_to_fit();
    patch.covered = QRegion();
  }
}

QRect StrokeHistory::undo(QImage& work) {
  if (currentstep_ <= 0 || currentstep_ > count()) return {};
  const std::uint32_t s = steps_[currentstep_ - 1].stroke;
  int i = 0;
  while (i < currentstep_ && steps_[i].stroke != s) ++i;

  QRect changed;
  const StrokePatch* patch = reference_ ? nullptr : patchAt(i);
  if (patch && patch->valid && !work.isNull()) {
    for (const Piece& piece : patch->pieces) putPixels(piece.pixels, work, piece.rect.topLeft());
    changed = patch->covered.boundingRect();
  } else {
    work = replay(i);
    changed = work.rect();
  }
  currentstep_ = i;
  return changed;
}

QRect StrokeHistory::redo(QImage& work) {
  if (currentstep_ < 0 || currentstep_ >= count()) return {};
  const std::uint32_t s = steps_[currentstep_].stroke;
  QRect changed;
  if (reference_) {
    // A new picture with the work image drawn into it, then the stroke.
    int end = currentstep_;
    while (end < count() && steps_[end].stroke == s) ++end;
    work = replaySegments(work, steps_.data() + currentstep_, end - currentstep_);
    currentstep_ = end;
    return work.rect();
  }
  while (currentstep_ < count() && steps_[currentstep_].stroke == s) {
    const StrokeSegment& seg = steps_[currentstep_];
    const QRect rect = work.isNull() ? QRect() : segmentRect(seg, work.rect());
    if (!rect.isEmpty()) {
      paintSegment(work, seg);
      changed |= rect;
    }
    ++currentstep_;
  }
  return changed;
}

QImage StrokeHistory::replay(int n) const {
  n = std::clamp(n, 0, count());
  return replaySegments(base_, steps_.data(), n);
}

}  // namespace canvas
