// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's painting, which keeps its history: brush B paints photo B back
// instead of erasing, brush switches and new pictures keep every stroke, and
// the work image always equals a fresh replay of the strokes in effect.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <random>

#include "CanvasFixture.h"
#include "canvas/BrushPainter.h"
#include "canvas/Painting.h"
#include "platform/AsyncImageWriter.h"

using namespace canvas;

namespace {

constexpr QSize kSize{64, 48};

QImage flat(QRgb colour) { return fixture::flat(colour, kSize); }

// Detail in every pixel, so a restored pixel from the wrong place or a wrong blend shows.
QImage noise(std::uint32_t seed) {
  QImage image(kSize, QImage::Format_ARGB32_Premultiplied);
  std::mt19937 random(seed);
  for (int y = 0; y < kSize.height(); ++y)
    for (int x = 0; x < kSize.width(); ++x) image.setPixel(x, y, 0xff000000u | (random() & 0xffffffu));
  return image;
}

QRgb at(const QImage& image, int x, int y) { return reinterpret_cast<const QRgb*>(image.constScanLine(y))[x]; }

class KeptPainting : public ::testing::Test {
 protected:
  void SetUp() override {
    painting.setKeepsHistory(true);
    painting.setPictures(noise(1), flat(0xffff0000));
    painting.setLinesize(6.0f);
  }
  void TearDown() override { platform::AsyncImageWriter::shared().waitForIdle(); }
  void stroke(QPointF from, QPointF to) {
    for (int i = 1; i <= 4; ++i)
      painting.paintSegment(from + (to - from) * ((i - 1) / 4.0), from + (to - from) * (i / 4.0));
    painting.finishStroke();
  }
  const QImage& work() const { return painting.workimgview()->image(); }
  // The work image replayed from scratch over photo B: what it must equal.
  QImage replayed() const {
    const StrokeHistory& h = painting.history();
    return replaySegments(painting.sketchimgview()->image(), h.steps().data(), h.currentstep(), true);
  }

  Painting painting;
};

}  // namespace

TEST_F(KeptPainting, BrushBPaintsPhotoBBackWhereBrushAErased) {
  const QImage photoB = painting.sketchimgview()->image();
  stroke({5, 24}, {58, 24});
  ASSERT_EQ(at(work(), 30, 24), 0u);
  painting.setBrushMode(BrushMode::B);
  EXPECT_FALSE(painting.orgimgview()->isHidden());  // brush B works on the work image alone
  stroke({20, 24}, {40, 24});
  for (int x = 22; x <= 38; ++x) EXPECT_EQ(at(work(), x, 24), at(photoB, x, 24)) << x;
  EXPECT_EQ(at(work(), 50, 24), 0u);  // beyond brush B's stroke the colour stays
  const QImage look = painting.renderFinalPicture();
  EXPECT_EQ(at(look, 50, 24), 0xffff0000u);
  EXPECT_EQ(at(look, 30, 24), at(photoB, 30, 24));
  EXPECT_TRUE(painting.history().steps().back().mode);
  EXPECT_FALSE(painting.history().steps().front().mode);
}

TEST_F(KeptPainting, BrushSwitchesKeepTheHistoryAndUndoRunsAcrossThemAndAStrokeCutByASwitch) {
  QSignalSpy finished(&painting, &Painting::strokeFinished);
  stroke({5, 10}, {58, 10});
  const QImage afterFirst = work().copy();
  painting.setBrushMode(BrushMode::B);
  stroke({30, 2}, {30, 46});
  painting.setBrushMode(BrushMode::A);
  stroke({5, 40}, {58, 40});
  ASSERT_EQ(finished.size(), 3);
  EXPECT_EQ(finished.at(0).at(0).toInt(), 4);
  EXPECT_EQ(painting.history().currentstep(), 12);
  EXPECT_EQ(work(), replayed());
  painting.undo();
  painting.undo();
  EXPECT_EQ(work(), afterFirst);
  painting.redo();
  EXPECT_EQ(work(), replayed());
  EXPECT_TRUE(painting.canRedo());
  painting.discardRedo();  // another kind of step: the undone stroke goes
  EXPECT_FALSE(painting.canRedo());
  EXPECT_EQ(painting.history().count(), 8);

  // A switch during a stroke ends it.
  painting.paintSegment({5, 5}, {20, 5});
  painting.setBrushMode(BrushMode::B);
  painting.paintSegment({20, 5}, {30, 5});
  painting.finishStroke();
  const auto& steps = painting.history().steps();
  ASSERT_EQ(steps.size(), 10u);
  EXPECT_NE(steps[8].stroke, steps[9].stroke);
  painting.undo();
  EXPECT_EQ(painting.history().currentstep(), 9);
}

TEST_F(KeptPainting, NewPicturesReplayTheStrokesOverTheNewPhotoB) {
  stroke({5, 10}, {58, 30});
  painting.setBrushMode(BrushMode::B);
  stroke({10, 30}, {40, 12});
  painting.undo();
  painting.redo();
  const std::vector<StrokeSegment> before = painting.history().steps();
  painting.replacePictures(noise(2), flat(0xff0000ff));
  EXPECT_EQ(painting.history().steps().size(), before.size());
  EXPECT_EQ(painting.history().currentstep(), int(before.size()));
  // The same strokes painted live over the new pictures give the same pixels.
  Painting fresh;
  fresh.setKeepsHistory(true);
  fresh.setPictures(noise(2), flat(0xff0000ff));
  for (const StrokeSegment& seg : before) {
    fresh.setLinesize(seg.width);
    fresh.setBrushMode(seg.mode ? BrushMode::B : BrushMode::A);
    fresh.paintSegment({seg.startX, seg.startY}, {seg.endX, seg.endY});
  }
  EXPECT_EQ(work(), fresh.workimgview()->image());
  painting.undo();  // rebuilt over the new photo B
  EXPECT_EQ(work(), replayed());
}

TEST_F(KeptPainting, ALoadedHistoryIsReplayedOnlyAsFarAsItsPosition) {
  stroke({5, 10}, {58, 10});
  stroke({5, 30}, {58, 30});
  const std::vector<StrokeSegment> steps = painting.history().steps();
  painting.undo();
  Painting loaded;
  loaded.setKeepsHistory(true);
  loaded.loadHistory(steps, 4);
  loaded.replacePictures(noise(1), flat(0xffff0000));
  EXPECT_EQ(loaded.workimgview()->image(), work());
  loaded.redo();
  EXPECT_EQ(loaded.history().currentstep(), 8);
  loaded.paintSegment({1, 1}, {2, 2});  // numbering goes on after the loaded strokes
  EXPECT_GT(loaded.history().steps().back().stroke, steps.back().stroke);
}

// Deep history over the restoring brush: with no saved pixels undo goes through checkpoints.
TEST(KeptHistory, CheckpointsHoldTheRestoringBrushToo) {
  StrokeHistory history;
  history.setRestoresBase(true);
  history.setCheckpointSpacing(1);
  history.setBase(noise(7));
  QImage work = noise(7);
  std::mt19937 random(3);
  std::uniform_real_distribution<float> coord(0.0f, 64.0f);
  for (std::uint32_t s = 0; s < 30; ++s) {
    for (int i = 0; i < 3; ++i)
      history.push({coord(random), coord(random), coord(random), coord(random), 5.0f, (s % 3) == 1, s}, &work);
    history.finishStroke();
  }
  history.setMemoryBudget(0);
  history.push({1, 1, 2, 2, 3.0f, false, 30}, &work);
  history.finishStroke();
  for (int n = 0; n < 10; ++n) history.undo(work);
  EXPECT_EQ(work, history.replay(history.currentstep()));
  EXPECT_GE(history.lastReplayStart(), 0);
  EXPECT_EQ(history.rebuild(), work);
}

// A stored work image comes back exactly; a code that does not describe a picture of the base's
// size is refused whatever it holds, and leaves the output alone.
TEST(KeptHistory, StoredWorkImagesDecodeExactlyAndMalformedCodesAreRefused) {
  StrokeHistory history;
  history.setRestoresBase(true);
  history.setBase(noise(9));
  QImage work = noise(9);
  history.push({10, 10, 50, 30, 9.0f, false, 0}, &work);
  history.push({30, 5, 30, 40, 5.0f, true, 1}, &work);
  const std::vector<std::uint32_t> code = history.encodeWork(work);
  QImage back;
  ASSERT_TRUE(history.decodeWork(code, &back));
  EXPECT_EQ(back, work);
  std::vector<std::uint32_t> longer = code;
  longer.push_back(0u);
  const std::pair<std::vector<std::uint32_t>, const char*> bad[] = {
      {{}, "empty"},
      {std::vector<std::uint32_t>(code.begin(), code.end() - 1), "cut short"},
      {longer, "words left over"},
      {{0x00000000u}, "a run of nothing"},
      {{std::uint32_t(kSize.width() + 1)}, "a run past the row"},
      {{0xC0000000u | 4u}, "no such kind of word"},
      {{0x80000000u | 64u, 1u, 2u}, "literals past the end"},
      {{0x3FFFFFFFu}, "a huge count"}};
  for (const auto& [words, why] : bad) {
    QImage out = back;
    EXPECT_FALSE(history.decodeWork(words, &out)) << why;
    EXPECT_EQ(out, back) << why;
  }
}
