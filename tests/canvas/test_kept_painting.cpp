// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's painting, which keeps its history: brush B paints photo B back
// instead of erasing, brush switches and new pictures keep every stroke, and
// the work image always equals a fresh replay of the strokes in effect.
#include <gtest/gtest.h>

#include <QPainter>
#include <QSignalSpy>
#include <random>

#include "canvas/BrushPainter.h"
#include "canvas/Painting.h"
#include "platform/AsyncImageWriter.h"

using namespace canvas;

namespace {

constexpr QSize kSize{64, 48};

QImage flat(QRgb colour) {
  QImage image(kSize, QImage::Format_ARGB32_Premultiplied);
  image.fill(colour);
  return image;
}

// A photo B with detail in every pixel, so a restored pixel from the wrong
// place or a wrong blend shows.
QImage noise(std::uint32_t seed) {
  QImage image(kSize, QImage::Format_ARGB32_Premultiplied);
  std::mt19937 random(seed);
  for (int y = 0; y < kSize.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < kSize.width(); ++x) line[x] = 0xff000000u | (random() & 0xffffffu);
  }
  return image;
}

QRgb at(const QImage& image, int x, int y) {
  return reinterpret_cast<const QRgb*>(image.constScanLine(y))[x];
}

// What the user sees: photo B, photo A over it, the work image on top.
QImage look(const Painting& painting) {
  return painting.renderFinalPicture();
}

class KeptPainting : public ::testing::Test {
 protected:
  void SetUp() override {
    painting.setKeepsHistory(true);
    painting.setPictures(noise(1), flat(0xffff0000));
    painting.setLinesize(6.0f);
  }
  void TearDown() override { platform::AsyncImageWriter::shared().waitForIdle(); }

  void stroke(QPointF from, QPointF to, int moves = 4) {
    QPointF last = from;
    for (int i = 1; i <= moves; ++i) {
      const QPointF next = from + (to - from) * (double(i) / moves);
      painting.paintSegment(last, next);
      last = next;
    }
    painting.finishStroke();
  }
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
  ASSERT_EQ(at(painting.workimgview()->image(), 30, 24), 0u);
  painting.setBrushMode(BrushMode::B);
  // Photo A stays shown: brush B works on the work image alone.
  EXPECT_FALSE(painting.orgimgview()->isHidden());
  stroke({20, 24}, {40, 24});
  for (int x = 22; x <= 38; ++x) EXPECT_EQ(at(painting.workimgview()->image(), x, 24), at(photoB, x, 24)) << x;
  // Beyond brush B's stroke the colour stays.
  EXPECT_EQ(at(painting.workimgview()->image(), 50, 24), 0u);
  EXPECT_EQ(at(look(painting), 50, 24), 0xffff0000u);
  EXPECT_EQ(at(look(painting), 30, 24), at(photoB, 30, 24));
  EXPECT_EQ(painting.history().steps().back().mode, true);
  EXPECT_EQ(painting.history().steps().front().mode, false);
}

TEST_F(KeptPainting, BrushSwitchesKeepTheHistoryAndUndoRunsAcrossThem) {
  QSignalSpy finished(&painting, &Painting::strokeFinished);
  stroke({5, 10}, {58, 10});
  const QImage afterFirst = painting.workimgview()->image().copy();
  painting.setBrushMode(BrushMode::B);
  stroke({30, 2}, {30, 46});
  painting.setBrushMode(BrushMode::A);
  stroke({5, 40}, {58, 40});
  ASSERT_EQ(finished.size(), 3);
  EXPECT_EQ(finished.at(0).at(0).toInt(), 4);
  EXPECT_EQ(painting.history().currentstep(), 12);
  EXPECT_EQ(painting.workimgview()->image(), replayed());

  painting.undo();
  painting.undo();
  EXPECT_EQ(painting.workimgview()->image(), afterFirst);
  painting.redo();
  EXPECT_EQ(painting.workimgview()->image(), replayed());
  EXPECT_TRUE(painting.canRedo());
}

TEST_F(KeptPainting, ASwitchDuringAStrokeEndsIt) {
  painting.paintSegment({5, 5}, {20, 5});
  painting.setBrushMode(BrushMode::B);
  painting.paintSegment({20, 5}, {30, 5});
  painting.finishStroke();
  const auto& steps = painting.history().steps();
  ASSERT_EQ(steps.size(), 2u);
  EXPECT_NE(steps[0].stroke, steps[1].stroke);
  painting.undo();
  EXPECT_EQ(painting.history().currentstep(), 1);
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
  EXPECT_TRUE(painting.canUndo());

  // The same strokes painted live over the new pictures give the same pixels.
  Painting fresh;
  fresh.setKeepsHistory(true);
  fresh.setPictures(noise(2), flat(0xff0000ff));
  for (const StrokeSegment& seg : before) {
    fresh.setLinesize(seg.width);
    fresh.setBrushMode(seg.mode ? BrushMode::B : BrushMode::A);
    fresh.paintSegment({seg.startX, seg.startY}, {seg.endX, seg.endY});
  }
  EXPECT_EQ(painting.workimgview()->image(), fresh.workimgview()->image());

  // Undo after new pictures rebuilds over the new photo B.
  painting.undo();
  EXPECT_EQ(painting.workimgview()->image(), replayed());
}

TEST_F(KeptPainting, ALoadedHistoryIsReplayedOnlyAsFarAsItsPosition) {
  stroke({5, 10}, {58, 10});
  stroke({5, 30}, {58, 30});
  const std::vector<StrokeSegment> steps = painting.history().steps();
  const QImage firstOnly = [&] {
    painting.undo();
    return painting.workimgview()->image().copy();
  }();

  Painting loaded;
  loaded.setKeepsHistory(true);
  loaded.loadHistory(steps, 4);
  loaded.replacePictures(noise(1), flat(0xffff0000));
  EXPECT_EQ(loaded.workimgview()->image(), firstOnly);
  EXPECT_TRUE(loaded.canRedo());
  loaded.redo();
  EXPECT_EQ(loaded.history().currentstep(), 8);
  // Numbering goes on after the loaded strokes.
  loaded.paintSegment({1, 1}, {2, 2});
  EXPECT_GT(loaded.history().steps().back().stroke, steps.back().stroke);
}

TEST_F(KeptPainting, DiscardRedoDropsTheUndoneStrokes) {
  stroke({5, 10}, {58, 10});
  stroke({5, 30}, {58, 30});
  painting.undo();
  ASSERT_TRUE(painting.canRedo());
  painting.discardRedo();
  EXPECT_FALSE(painting.canRedo());
  EXPECT_EQ(painting.history().count(), 4);
}

// The phone's painting is unchanged: brush B erases, over a flattened base.
TEST(PhonePainting, BrushBStillErasesAfterTheFlatten) {
  Painting phone;
  phone.setPictures(noise(1), flat(0xffff0000));
  phone.setLinesize(6.0f);
  phone.paintSegment({5, 24}, {58, 24});
  phone.finishStroke();
  phone.setBrushMode(BrushMode::B);
  EXPECT_TRUE(phone.orgimgview()->isHidden());
  EXPECT_FALSE(phone.canUndo());
  phone.paintSegment({20, 10}, {20, 40});
  EXPECT_EQ(at(phone.workimgview()->image(), 20, 30), 0u);
  platform::AsyncImageWriter::shared().waitForIdle();
}

// Deep history over the restoring brush: checkpoints and replays agree.
TEST(KeptHistory, CheckpointsHoldTheRestoringBrushToo) {
  StrokeHistory history;
  history.setRestoresBase(true);
  history.setCheckpointSpacing(1);
  QImage base = noise(7);
  history.setBase(base);
  QImage work = base.copy();
  std::mt19937 random(3);
  std::uniform_real_distribution<float> coord(0.0f, 64.0f);
  for (std::uint32_t s = 0; s < 30; ++s) {
    for (int i = 0; i < 3; ++i)
      history.push({coord(random), coord(random), coord(random), coord(random), 5.0f, (s % 3) == 1, s}, &work);
    history.finishStroke();
  }
  history.setMemoryBudget(0);  // no saved pixels: undo must use checkpoints
  history.push({1, 1, 2, 2, 3.0f, false, 30}, &work);
  history.finishStroke();
  for (int n = 0; n < 10; ++n) history.undo(work);
  EXPECT_EQ(work, history.replay(history.currentstep()));
  EXPECT_GE(history.lastReplayStart(), 0);
  QImage rebuilt = history.rebuild();
  EXPECT_EQ(rebuilt, work);
}

// A stored work image comes back exactly; a code that does not describe a
// picture of the base's size is refused whatever it holds.
TEST(KeptHistory, StoredWorkImagesDecodeExactlyAndMalformedCodesAreRefused) {
  StrokeHistory history;
  history.setRestoresBase(true);
  const QImage base = noise(9);
  history.setBase(base);
  QImage work = base.copy();
  history.push({10, 10, 50, 30, 9.0f, false, 0}, &work);
  history.push({30, 5, 30, 40, 5.0f, true, 1}, &work);
  const std::vector<std::uint32_t> code = history.encodeWork(work);
  QImage back;
  ASSERT_TRUE(history.decodeWork(code, &back));
  EXPECT_EQ(back, work);

  const QImage untouched = back;
  auto refused = [&](std::vector<std::uint32_t> bad) {
    QImage out = untouched;
    return !history.decodeWork(bad, &out) && out == untouched;
  };
  EXPECT_TRUE(refused({}));
  EXPECT_TRUE(refused(std::vector<std::uint32_t>(code.begin(), code.end() - 1)));  // cut short
  std::vector<std::uint32_t> longer = code;
  longer.push_back(0u);
  EXPECT_TRUE(refused(longer));                                // words left over
  EXPECT_TRUE(refused({0x00000000u}));                         // a run of nothing
  EXPECT_TRUE(refused({std::uint32_t(kSize.width() + 1)}));    // a run past the row
  EXPECT_TRUE(refused({0xC0000000u | 4u}));                    // no such kind of word
  EXPECT_TRUE(refused({0x80000000u | 64u, 1u, 2u}));           // literals past the end
  EXPECT_TRUE(refused({0x3FFFFFFFu}));                         // a huge count
}
