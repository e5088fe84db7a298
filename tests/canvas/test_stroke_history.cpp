// SPDX-License-Identifier: GPL-3.0-or-later
// The stroke history's checkpoints: where they are taken, which one an undo without saved pixels
// starts from, what a cut, a reset and a new base do to them, and how their budget thins them.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <vector>

#include "CanvasFixture.h"
#include "canvas/BrushPainter.h"
#include "canvas/StrokeHistory.h"

using canvas::StrokeHistory;
using canvas::StrokeSegment;

namespace {

QImage gradient() {
  QImage image(200, 100, QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, qRgba(x, y * 2, 255 - x, 255));
  return image;
}

// Stroke k: one 40-pixel segment, 10 pixels wide, on its own row; all the same cost.
StrokeSegment strokeSegmentFor(int k) {
  const float y = float(10 + (k * 7) % 80);
  return {60.0f, y, 20.0f, y, 10.0f, false, std::uint32_t(k)};
}

std::int64_t strokeCost() {
  return StrokeHistory::segmentCost(strokeSegmentFor(0), gradient().rect());
}

class Checkpoints : public ::testing::Test {
 protected:
  void SetUp() override {
    base_ = gradient();
    work_ = base_.copy();
    history_.setBase(base_);
    history_.setMemoryBudget(0);  // only the newest stroke keeps saved pixels
    history_.setCheckpointSpacing(3 * strokeCost());
  }
  void paint(int strokes) {
    for (int n = 0; n < strokes; ++n) {
      history_.push(strokeSegmentFor(history_.brushindex()), &work_);
      history_.finishStroke();
    }
  }
  static std::vector<int> every3(int last) {
    std::vector<int> steps;
    for (int s = 3; s <= last; s += 3) steps.push_back(s);
    return steps;
  }

  QImage base_, work_;
  StrokeHistory history_;
};

}  // namespace

TEST_F(Checkpoints, TakenAtStrokeStartsEverySpacingAndDeepUndoStartsAtTheNearest) {
  paint(30);
  EXPECT_EQ(history_.checkpointSteps(), every3(27));
  EXPECT_GT(history_.checkpointBytes(), 0u);
  history_.undo(work_);  // the newest stroke still has its saved pixels
  EXPECT_EQ(history_.lastReplayStart(), -1);
  EXPECT_EQ(history_.lastReplayLength(), 0);
  for (int target = 28; target >= 0; --target) {
    SCOPED_TRACE(testing::Message() << "undo to " << target);
    history_.undo(work_);
    ASSERT_EQ(history_.currentstep(), target);
    EXPECT_EQ(history_.lastReplayStart(), target / 3 * 3);
    EXPECT_EQ(history_.lastReplayLength(), target % 3);
    ASSERT_EQ(work_, history_.replay(target));
  }
  EXPECT_EQ(work_, base_);
}

TEST_F(Checkpoints, UndoReportsOnlyTheUndoneStrokesRectangle) {
  paint(20);
  // A stroke of three segments going round a corner, then one more stroke.
  const std::uint32_t k = std::uint32_t(history_.brushindex());
  const StrokeSegment corner[] = {
      {100, 20, 80, 20, 6, false, k}, {100, 60, 100, 20, 6, false, k}, {140, 60, 100, 60, 6, false, k}};
  QRect undone;
  for (const StrokeSegment& seg : corner) {
    history_.push(seg, &work_);
    undone |= canvas::segmentRect(seg, work_.rect());
  }
  history_.finishStroke();
  paint(1);
  history_.undo(work_);
  const QImage before = work_.copy();
  const QRect changed = history_.undo(work_);
  ASSERT_EQ(history_.lastReplayStart(), 18);
  EXPECT_EQ(changed, undone);
  for (int y = 0; y < work_.height(); ++y)
    for (int x = 0; x < work_.width(); ++x)
      if (!undone.contains(x, y)) {
        ASSERT_EQ(work_.pixel(x, y), before.pixel(x, y)) << x << "," << y;
      }
  EXPECT_NE(work_, before);
  EXPECT_EQ(work_, history_.replay(20));
}

TEST_F(Checkpoints, AWorkImageOfTheWrongSizeIsRebuiltWhole) {
  paint(10);
  history_.undo(work_);
  QImage other;
  const QRect changed = history_.undo(other);
  EXPECT_EQ(history_.lastReplayStart(), 6);
  EXPECT_EQ(changed, QRect(0, 0, 200, 100));
  EXPECT_EQ(other, history_.replay(8));
}

TEST_F(Checkpoints, RedoAfterDeepUndosPaintsTheSamePixels) {
  paint(30);
  for (int n = 0; n < 20; ++n) history_.undo(work_);
  for (int n = 0; n < 12; ++n) history_.redo(work_);
  EXPECT_EQ(history_.currentstep(), 22);
  EXPECT_EQ(work_, history_.replay(22));
  EXPECT_EQ(history_.checkpointSteps(), every3(27));
  history_.undo(work_);
  EXPECT_EQ(history_.lastReplayStart(), 21);
  EXPECT_EQ(work_, history_.replay(21));
}

TEST_F(Checkpoints, ANewStrokeDropsThoseBeyondIt) {
  paint(30);
  while (history_.currentstep() > 14) history_.undo(work_);
  paint(1);
  EXPECT_EQ(history_.count(), 15);
  EXPECT_EQ(history_.checkpointSteps(), every3(12));
  // Spacing counts on from the checkpoint at 12.
  paint(2);
  EXPECT_EQ(history_.checkpointSteps(), every3(15));
  while (history_.currentstep() > 13) history_.undo(work_);
  EXPECT_EQ(history_.lastReplayStart(), 12);
  EXPECT_EQ(work_, history_.replay(13));
}

TEST_F(Checkpoints, OneAtTheCutItselfStays) {
  paint(30);
  while (history_.currentstep() > 15) history_.undo(work_);
  paint(1);
  EXPECT_EQ(history_.checkpointSteps(), every3(15));
  history_.undo(work_);
  history_.undo(work_);
  EXPECT_EQ(history_.lastReplayStart(), 12);
  EXPECT_EQ(work_, history_.replay(14));
}

TEST_F(Checkpoints, ResetAndANewBaseDropThem) {
  paint(12);
  ASSERT_FALSE(history_.checkpointSteps().empty());
  history_.reset();
  EXPECT_TRUE(history_.checkpointSteps().empty());
  EXPECT_EQ(history_.checkpointBytes(), 0u);

  work_ = base_.copy();
  paint(12);
  ASSERT_FALSE(history_.checkpointSteps().empty());
  // Undo must arrive at the new base with the segments replayed, not at old pictures.
  history_.setBase(fixture::flat(qRgba(10, 20, 30, 255), base_.size()));
  EXPECT_TRUE(history_.checkpointSteps().empty());
  EXPECT_EQ(history_.checkpointBytes(), 0u);
  history_.undo(work_);
  history_.undo(work_);
  EXPECT_EQ(history_.lastReplayStart(), 0);
  EXPECT_EQ(work_, history_.replay(10));
}

// Segments recorded without the work image (the plain way the fast one is checked against) keep
// neither saved pixels nor checkpoints: their undo replays from the last checkpoint before them, or
// from the base.
TEST_F(Checkpoints, SegmentsRecordedWithoutTheWorkImageReplayFromTheBase) {
  for (int n = 0; n < 12; ++n) {
    const StrokeSegment seg = strokeSegmentFor(history_.brushindex());
    history_.push(seg, nullptr);
    work_ = canvas::replaySegments(work_, &seg, 1);
    history_.finishStroke();
  }
  EXPECT_TRUE(history_.checkpointSteps().empty());
  EXPECT_EQ(history_.checkpointBytes(), 0u);
  EXPECT_EQ(history_.savedBytes(), 0u);
  history_.undo(work_);
  EXPECT_EQ(history_.lastReplayStart(), 0);
  EXPECT_EQ(history_.lastReplayLength(), 11);
  EXPECT_EQ(work_, history_.replay(11));
  // Painted the fast way again, checkpoints are taken from the next stroke on.
  paint(3);
  EXPECT_EQ(history_.checkpointSteps(), std::vector<int>{11});
}

TEST_F(Checkpoints, SavedBytesLeaveThemOut) {
  StrokeHistory without;
  without.setBase(base_);
  without.setMemoryBudget(0);
  without.setCheckpointSpacing(1000 * strokeCost());
  QImage other = base_.copy();
  paint(12);
  for (int k = 0; k < 12; ++k) {
    without.push(strokeSegmentFor(k), &other);
    without.finishStroke();
  }
  EXPECT_TRUE(without.checkpointSteps().empty());
  EXPECT_EQ(without.checkpointBytes(), 0u);
  EXPECT_GT(history_.checkpointBytes(), 0u);
  EXPECT_EQ(history_.savedBytes(), without.savedBytes());
}

TEST_F(Checkpoints, TheirBudgetWidensTheSpacingEvenly) {
  history_.setCheckpointSpacing(strokeCost());  // one at every stroke start
  paint(10);
  ASSERT_EQ(history_.checkpointSteps().size(), 9u);
  // Room for about twelve.
  const std::size_t budget = history_.checkpointBytes() * 12 / 9;
  history_.setCheckpointBudget(budget);
  paint(190);
  const std::vector<int> steps = history_.checkpointSteps();
  EXPECT_LE(history_.checkpointBytes(), budget);
  ASSERT_GE(steps.size(), 8u);
  EXPECT_EQ(steps.back(), 199);  // the newest is kept
  int widest = steps.front();
  for (std::size_t i = 1; i < steps.size(); ++i) widest = std::max(widest, steps[i] - steps[i - 1]);
  // No hole: no gap more than twice an even share of the history.
  EXPECT_LE(widest, 2 * 200 / int(steps.size())) << "checkpoints: " << steps.size();
  // Undo anywhere still lands exactly.
  while (history_.currentstep() > 150) history_.undo(work_);
  EXPECT_EQ(work_, history_.replay(150));
  while (history_.currentstep() > 40) history_.undo(work_);
  EXPECT_EQ(work_, history_.replay(40));

  // A lower budget applies at once.
  history_.setCheckpointBudget(budget / 2);
  EXPECT_LE(history_.checkpointBytes(), budget / 2);
}
