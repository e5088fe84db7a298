// SPDX-License-Identifier: GPL-3.0-or-later
// The time-lapse's plan: which frame each step in effect first shows in, at
// the painted pace with long pauses shortened, and the frame size.
#include <gtest/gtest.h>

#include "document/TimelapsePlan.h"

namespace document {
void PrintTo(const TimelapseEvent& e, std::ostream* os) {
  *os << "{step " << e.step << ", segment " << e.segment << ", frame " << e.frame << "}";
}
}  // namespace document

namespace {

using document::PaintingRecord;
using document::PaintingStep;
using document::TimelapseEvent;
using document::TimelapsePlan;

PaintingStep stroke(std::uint32_t n, std::initializer_list<std::uint32_t> times) {
  PaintingStep step;
  for (std::uint32_t t : times) step.segments.push_back({1, 1, 0, 0, 4.0f, false, n, t});
  step.timeMs = step.segments.empty() ? 0 : step.segments.front().timeMs;
  return step;
}

PaintingStep style(int sketch, int colour, std::uint32_t timeMs) {
  PaintingStep step;
  step.kind = PaintingStep::Kind::Style;
  step.sketchStyle = sketch;
  step.colourStyle = colour;
  step.timeMs = timeMs;
  return step;
}

std::vector<TimelapseEvent> events(const PaintingRecord& record, int paintFrames) {
  TimelapsePlan plan(record, paintFrames);
  std::vector<TimelapseEvent> out;
  for (TimelapseEvent e; plan.next(&e);) out.push_back(e);
  EXPECT_EQ(plan.nextFrame(), -1);
  return out;
}


TEST(TimelapsePlan, StepsShowAtTheirPaintedPaceWithLongPausesShortened) {
  PaintingRecord record;
  // Played times: 0, 100, 200; 5,200 is a pause of 5 s (plays as 500 ms): 700;
  // the style at 5,300: 800; 5,500 and 6,500 (exactly 1 s, kept): 1,000 and 2,000.
  record.steps = {stroke(0, {0, 100, 200}), stroke(1, {5200}), style(3, 4, 5300), stroke(2, {5500, 6500})};
  record.undoPosition = 4;
  TimelapsePlan plan(record, 202);
  EXPECT_EQ(plan.playedMs(), 2000);
  // Frame = 1 + played * 200 / 2000.
  const std::vector<TimelapseEvent> want = {{0, 0, 1},  {0, 1, 11},  {0, 2, 21}, {1, 0, 71},
                                            {2, -1, 81}, {3, 0, 101}, {3, 1, 201}};
  EXPECT_EQ(events(record, 202), want);
}

TEST(TimelapsePlan, UndoneStepsNeverShowAndTheLastInEffectEndsThePainting) {
  PaintingRecord record;
  record.steps = {stroke(0, {0, 400}), stroke(1, {800}), stroke(2, {900, 950})};
  record.undoPosition = 2;
  const std::vector<TimelapseEvent> want = {{0, 0, 1}, {0, 1, 50}, {1, 0, 99}};
  EXPECT_EQ(events(record, 100), want);
  record.undoPosition = 0;
  EXPECT_TRUE(events(record, 100).empty());
  // A position past the steps is taken as all of them.
  record.undoPosition = 99;
  EXPECT_EQ(events(record, 100).back(), (TimelapseEvent{2, 1, 99}));
}

TEST(TimelapsePlan, APaintingWithoutTimeOrWithTimeGoingBackShowsInOrder) {
  PaintingRecord record;
  record.steps = {stroke(0, {0, 0}), style(2, 2, 0), stroke(1, {})};
  record.undoPosition = 3;
  // No time at all: everything on the first frame after the untouched one.
  const std::vector<TimelapseEvent> still = {{0, 0, 1}, {0, 1, 1}, {1, -1, 1}};
  EXPECT_EQ(events(record, 60), still);
  // A clock put back plays as no time: 0, 600, 600 (500 < 600), 800.
  record.steps = {stroke(0, {0, 600, 500}), stroke(1, {800})};
  record.undoPosition = 2;
  const std::vector<TimelapseEvent> back = {{0, 0, 1}, {0, 1, 68}, {0, 2, 68}, {1, 0, 91}};
  EXPECT_EQ(events(record, 92), back);
}

TEST(TimelapsePlan, ThePauseBeforeTheFirstStrokeIsShortenedToo) {
  PaintingRecord record;
  record.steps = {stroke(0, {60000, 60250})};
  record.undoPosition = 1;
  TimelapsePlan plan(record, 52);
  EXPECT_EQ(plan.playedMs(), 750);
  const std::vector<TimelapseEvent> want = {{0, 0, 1 + 500 * 50 / 750}, {0, 1, 51}};
  EXPECT_EQ(events(record, 52), want);
}

TEST(TimelapseFrameSize, TheLongerSideIsCappedByTheWorkingSizeAndVideoSidesAreEven) {
  using document::timelapseFrameSize;
  EXPECT_EQ(timelapseFrameSize({1280, 960}, 1080, true), QSize(1080, 810));
  EXPECT_EQ(timelapseFrameSize({960, 1280}, 1080, true), QSize(810, 1080));
  EXPECT_EQ(timelapseFrameSize({1280, 960}, 4000, true), QSize(1280, 960));
  EXPECT_EQ(timelapseFrameSize({160, 120}, 100, false), QSize(100, 75));
  EXPECT_EQ(timelapseFrameSize({160, 120}, 100, true), QSize(100, 74));
  EXPECT_EQ(timelapseFrameSize({161, 121}, 1080, true), QSize(160, 120));
  EXPECT_EQ(timelapseFrameSize({1000, 3}, 100, true), QSize(100, 2));
  EXPECT_EQ(timelapseFrameSize({1000, 3}, 100, false), QSize(100, 1));
  EXPECT_TRUE(timelapseFrameSize({160, 120}, 1, false).isEmpty());
  EXPECT_TRUE(timelapseFrameSize({0, 120}, 100, false).isEmpty());
}

}  // namespace
