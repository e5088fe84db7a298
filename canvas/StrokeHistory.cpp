// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/StrokeHistory.h"

#include <QPainter>
#include <algorithm>
#include <cstring>
#include <limits>

#include "canvas/BrushPainter.h"

namespace canvas {

namespace {

// Checkpoint code: per row, words whose top two bits say what follows and whose
// low bits count pixels: pixels equal to the base's, cleared pixels, or pixels
// given verbatim in the next words. Rows never share a word.
constexpr std::uint32_t kBaseRun = 0u << 30, kClearRun = 1u << 30, kLiteral = 2u << 30;
constexpr std::uint32_t kKindMask = 3u << 30, kCountMask = ~kKindMask;

void encodeRow(const std::uint32_t* work, const std::uint32_t* base, int width,
               std::vector<std::uint32_t>& out) {
  int x = 0;
  while (x < width) {
    int end = x + 1;
    if (work[x] == base[x]) {
      while (end < width && work[end] == base[end]) ++end;
      out.push_back(kBaseRun | std::uint32_t(end - x));
    } else if (work[x] == 0) {
      while (end < width && work[end] == 0 && work[end] != base[end]) ++end;
      out.push_back(kClearRun | std::uint32_t(end - x));
    } else {
      while (end < width && work[end] != 0 && work[end] != base[end]) ++end;
      out.push_back(kLiteral | std::uint32_t(end - x));
      out.insert(out.end(), work + x, work + end);
    }
    x = end;
  }
}

// The code of the row after the one code starts.
const std::uint32_t* skipRow(const std::uint32_t* code, int width) {
  for (int x = 0; x < width;) {
    const std::uint32_t word = *code++;
    const int n = int(word & kCountMask);
    if ((word & kKindMask) == kLiteral) code += n;
    x += n;
  }
  return code;
}

void decodeRow(const std::uint32_t*& code, const std::uint32_t* base, int width, std::uint32_t* row) {
  int x = 0;
  while (x < width) {
    const std::uint32_t word = *code++;
    const int n = int(word & kCountMask);
    switch (word & kKindMask) {
      case kBaseRun:
        std::memcpy(row + x, base + x, std::size_t(n) * 4u);
        break;
      case kClearRun:
        std::memset(row + x, 0, std::size_t(n) * 4u);
        break;
      default:
        std::memcpy(row + x, code, std::size_t(n) * 4u);
        code += n;
        break;
    }
    x += n;
  }
}

const std::uint32_t* row32(const QImage& image, int y) {
  return reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
}

}  // namespace

std::int64_t StrokeHistory::segmentCost(const StrokeSegment& seg, const QRect& bounds) {
  const QRect r = segmentRect(seg, bounds);
  const std::int64_t area = r.isEmpty() ? 0 : std::int64_t(r.width()) * std::int64_t(r.height());
  return area + kSegmentOverhead;
}

void StrokeHistory::setBase(const QImage& base) {
  base_ = base;
  // Checkpoints are pictures replayed over the old base.
  clearCheckpoints();
  codeBase_ = base_.format() == QImage::Format_ARGB32_Premultiplied
                  ? base_
                  : base_.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void StrokeHistory::reset() {
  steps_.clear();
  costs_.assign(1, 0);
  patches_.clear();
  savedBytes_ = 0;
  clearCheckpoints();
  currentstep_ = 0;
  brushindex_ = 0;
  lastReplayStart_ = -1;
  lastReplayLength_ = 0;
}

void StrokeHistory::setCheckpointBudget(std::size_t bytes) {
  checkpointBudget_ = bytes;
  enforceCheckpointBudget();
}

std::vector<int> StrokeHistory::checkpointSteps() const {
  std::vector<int> steps;
  steps.reserve(checkpoints_.size());
  for (const Checkpoint& c : checkpoints_) steps.push_back(c.step);
  return steps;
}

void StrokeHistory::clearCheckpoints() {
  checkpoints_.clear();
  checkpointBytes_ = 0;
}

void StrokeHistory::cut() {
  if (currentstep_ >= count()) return;
  steps_.erase(steps_.begin() + currentstep_, steps_.end());
  costs_.resize(steps_.size() + 1);
  while (!patches_.empty() && patches_.back().first >= currentstep_) {
    savedBytes_ -= patches_.back().bytes;
    patches_.pop_back();
  }
  // A checkpoint at the cut itself still shows the segments kept.
  while (!checkpoints_.empty() && checkpoints_.back().step > currentstep_) {
    checkpointBytes_ -= checkpoints_.back().bytes;
    checkpoints_.pop_back();
  }
}

StrokeHistory::StrokePatch* StrokeHistory::patchAt(int first) {
  auto it = std::lower_bound(patches_.begin(), patches_.end(), first,
                             [](const StrokePatch& p, int value) { return p.first < value; });
  return (it != patches_.end() && it->first == first) ? &*it : nullptr;
}

const StrokeHistory::Checkpoint* StrokeHistory::checkpointAtOrBefore(int step) const {
  auto it = std::upper_bound(checkpoints_.begin(), checkpoints_.end(), step,
                             [](int value, const Checkpoint& c) { return value < c.step; });
  return it == checkpoints_.begin() ? nullptr : &*std::prev(it);
}

QRect StrokeHistory::push(const StrokeSegment& seg, QImage* work) {
  cut();
  const int index = count();
  const bool painting = work && !work->isNull();
  steps_.push_back(seg);
  costs_.push_back(costs_.back() + segmentCost(seg, painting ? work->rect() : base_.rect()));
  ++currentstep_;
  if (!painting) return {};

  const QRect rect = segmentRect(seg, work->rect());
  // A new patch for the first segment of a stroke; a stroke's segments are
  // consecutive, so the last patch is the one a continuing stroke extends.
  if (patches_.empty() || patches_.back().stroke != seg.stroke) {
    StrokePatch patch;
    patch.stroke = seg.stroke;
    patch.first = index;
    patches_.push_back(std::move(patch));
    // Undo lands on stroke starts: that is where checkpoints are useful.
    maybeCheckpoint(index, *work);
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
  if (!rect.isEmpty()) paintSegment(*work, seg, restoreSource());
  enforceBudget();
  return rect;
}

void StrokeHistory::maybeCheckpoint(int index, const QImage& work) {
  if (index <= 0 || work.size() != codeBase_.size() || work.format() != QImage::Format_ARGB32_Premultiplied)
    return;
  const Checkpoint* last = checkpointAtOrBefore(index);
  if (costs_[index] - costs_[last ? last->step : 0] < spacing_) return;

  // work holds the first index segments: the picture the checkpoint keeps. Rows
  // that no segment since the previous checkpoint touched keep that one's code.
  const int width = work.width(), height = work.height();
  std::vector<char> dirty(std::size_t(height), last == nullptr);
  for (int i = last ? last->step : index; i < index; ++i) {
    const QRect r = segmentRect(steps_[i], work.rect());
    if (!r.isEmpty()) std::fill(dirty.begin() + r.top(), dirty.begin() + r.bottom() + 1, 1);
  }
  std::vector<std::uint32_t> scratch;
  scratch.reserve(last ? last->code.size() + 64u : std::size_t(height) * 4u);
  const std::uint32_t* previous = last ? last->code.data() : nullptr;
  for (int y = 0; y < height; ++y) {
    const std::uint32_t* row = previous;
    if (previous) previous = skipRow(previous, width);
    if (dirty[std::size_t(y)])
      encodeRow(row32(work, y), row32(codeBase_, y), width, scratch);
    else
      scratch.insert(scratch.end(), row, previous);
  }
  Checkpoint checkpoint;
  checkpoint.step = index;
  checkpoint.code.assign(scratch.begin(), scratch.end());
  checkpoint.bytes = sizeof(Checkpoint) + checkpoint.code.capacity() * sizeof(std::uint32_t);
  checkpointBytes_ += checkpoint.bytes;
  // Pushes after cut() come after every checkpoint kept.
  checkpoints_.push_back(std::move(checkpoint));
  enforceCheckpointBudget();
}

void StrokeHistory::enforceCheckpointBudget() {
  while (checkpointBytes_ > checkpointBudget_ && checkpoints_.size() > 1) {
    // Remove the one whose neighbours end up closest: spacing widens evenly.
    std::size_t victim = 0;
    std::int64_t shortest = std::numeric_limits<std::int64_t>::max();
    for (std::size_t i = 0; i + 1 < checkpoints_.size(); ++i) {
      const int before = i == 0 ? 0 : checkpoints_[i - 1].step;
      const std::int64_t gap = costs_[checkpoints_[i + 1].step] - costs_[before];
      if (gap < shortest) shortest = gap, victim = i;
    }
    checkpointBytes_ -= checkpoints_[victim].bytes;
    checkpoints_.erase(checkpoints_.begin() + std::ptrdiff_t(victim));
  }
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

void StrokeHistory::restoreCheckpoint(const Checkpoint& checkpoint, int target, QImage& work) {
  if (work.size() != codeBase_.size() || work.format() != QImage::Format_ARGB32_Premultiplied)
    work = QImage(codeBase_.size(), QImage::Format_ARGB32_Premultiplied);
  const std::uint32_t* code = checkpoint.code.data();
  for (int y = 0; y < work.height(); ++y)
    decodeRow(code, row32(codeBase_, y), work.width(), reinterpret_cast<std::uint32_t*>(work.scanLine(y)));
  // The same painting onto the same pixels as the pushes that made them.
  QPainter painter(&work);
  for (int i = checkpoint.step; i < target; ++i) strokeSegment(painter, steps_[i], restoreSource());
  painter.end();
  lastReplayStart_ = checkpoint.step;
  lastReplayLength_ = target - checkpoint.step;
}

QRect StrokeHistory::undo(QImage& work) {
  if (currentstep_ <= 0 || currentstep_ > count()) return {};
  const std::uint32_t s = steps_[currentstep_ - 1].stroke;
  int i = 0;
  while (i < currentstep_ && steps_[i].stroke != s) ++i;

  QRect changed;
  const StrokePatch* patch = patchAt(i);
  if (patch && patch->valid && !work.isNull()) {
    for (const Piece& piece : patch->pieces) putPixels(piece.pixels, work, piece.rect.topLeft());
    changed = patch->covered.boundingRect();
    lastReplayStart_ = -1;
    lastReplayLength_ = 0;
  } else if (const Checkpoint* checkpoint = checkpointAtOrBefore(i)) {
    const bool inPlace =
        work.size() == codeBase_.size() && work.format() == QImage::Format_ARGB32_Premultiplied;
    restoreCheckpoint(*checkpoint, i, work);
    // Only the undone segments' pixels can differ from the picture before.
    for (int k = i; inPlace && k < currentstep_; ++k) changed |= segmentRect(steps_[k], work.rect());
    if (!inPlace) changed = work.rect();
  } else {
    work = replay(i);
    changed = work.rect();
    lastReplayStart_ = 0;
    lastReplayLength_ = i;
  }
  currentstep_ = i;
  return changed;
}

QRect StrokeHistory::redo(QImage& work) {
  if (currentstep_ < 0 || currentstep_ >= count()) return {};
  const std::uint32_t s = steps_[currentstep_].stroke;
  QRect changed;
  while (currentstep_ < count() && steps_[currentstep_].stroke == s) {
    const StrokeSegment& seg = steps_[currentstep_];
    const QRect rect = work.isNull() ? QRect() : segmentRect(seg, work.rect());
    if (!rect.isEmpty()) {
      paintSegment(work, seg, restoreSource());
      changed |= rect;
    }
    ++currentstep_;
  }
  return changed;
}

QImage StrokeHistory::replay(int n) const {
  n = std::clamp(n, 0, count());
  return replaySegments(restoresBase_ ? codeBase_ : base_, steps_.data(), n, restoresBase_);
}

std::vector<std::uint32_t> StrokeHistory::encodeWork(const QImage& work) const {
  std::vector<std::uint32_t> code;
  if (work.size() != codeBase_.size()) return code;
  const QImage pixels = work.format() == QImage::Format_ARGB32_Premultiplied
                            ? work
                            : work.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  code.reserve(std::size_t(work.height()) * 4u);
  for (int y = 0; y < work.height(); ++y) encodeRow(row32(pixels, y), row32(codeBase_, y), work.width(), code);
  return code;
}

bool StrokeHistory::decodeWork(const std::vector<std::uint32_t>& code, QImage* work) const {
  if (codeBase_.isNull()) return false;
  const int width = codeBase_.width(), height = codeBase_.height();
  // The whole code is checked before a pixel is written: every row's runs add
  // up to the width and no literal reaches past the end.
  std::size_t at = 0;
  for (int y = 0; y < height; ++y) {
    for (qint64 x = 0; x < width;) {
      if (at >= code.size()) return false;
      const std::uint32_t word = code[at++];
      const qint64 n = qint64(word & kCountMask);
      if (n == 0 || x + n > width) return false;
      if ((word & kKindMask) == kLiteral) {
        if (code.size() - at < std::size_t(n)) return false;
        at += std::size_t(n);
      } else if ((word & kKindMask) != kBaseRun && (word & kKindMask) != kClearRun) {
        return false;
      }
      x += n;
    }
  }
  if (at != code.size()) return false;
  QImage out(codeBase_.size(), QImage::Format_ARGB32_Premultiplied);
  if (out.isNull()) return false;
  const std::uint32_t* words = code.data();
  for (int y = 0; y < height; ++y)
    decodeRow(words, row32(codeBase_, y), width, reinterpret_cast<std::uint32_t*>(out.scanLine(y)));
  *work = std::move(out);
  return true;
}

void StrokeHistory::load(std::vector<StrokeSegment> steps, int currentstep) {
  reset();
  steps_ = std::move(steps);
  const QRect bounds = base_.rect();
  costs_.reserve(steps_.size() + 1);
  std::uint32_t highest = 0;
  for (const StrokeSegment& seg : steps_) {
    costs_.push_back(costs_.back() + segmentCost(seg, bounds));
    highest = std::max(highest, seg.stroke);
  }
  currentstep_ = std::clamp(currentstep, 0, count());
  brushindex_ = steps_.empty() ? 0 : int(highest) + 1;
}

QImage StrokeHistory::rebuild() {
  patches_.clear();
  savedBytes_ = 0;
  clearCheckpoints();
  QImage work = codeBase_.copy();
  if (work.isNull()) return work;
  QPainter painter(&work);
  for (int i = 0; i < currentstep_; ++i) {
    if (i > 0 && steps_[i].stroke != steps_[i - 1].stroke) {
      // A checkpoint reads the pixels: what is painted so far must be there.
      painter.end();
      maybeCheckpoint(i, work);
      painter.begin(&work);
    }
    strokeSegment(painter, steps_[i], restoreSource());
  }
  painter.end();
  return work;
}

}  // namespace canvas
