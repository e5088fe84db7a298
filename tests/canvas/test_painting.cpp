// SPDX-License-Identifier: GPL-3.0-or-later
// The painting without a window: a 40 x 30 grey photo B over a red photo A, a
// 4-pixel brush; exact pixels, the history's signals, the brush modes, the slider.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include "CanvasFixture.h"
#include "canvas/Painting.h"
#include "platform/AsyncImageWriter.h"
#include "platform/Paths.h"

using namespace canvas;

namespace {

constexpr QRgb kGrey = 0xff808080, kRed = 0xffff0000, kClear = 0x00000000;

QImage flat(QRgb colour, QSize size = {40, 30}) { return fixture::flat(colour, size); }

class PaintingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    painting.setPictures(flat(kGrey), flat(kRed));
    painting.setLinesize(4.0f);
  }
  void TearDown() override { platform::AsyncImageWriter::shared().waitForIdle(); }
  // The stored (premultiplied) value of a pixel of the work image.
  QRgb work(int x, int y) const {
    return reinterpret_cast<const QRgb*>(painting.workimgview()->image().constScanLine(y))[x];
  }

  Painting painting;
};

}  // namespace

// The band from (10, 15) to (30, 15), 4 wide with round caps: cleared inside, grey outside its box,
// the grey thinned (premultiplied: equal channels, at most 0x80) on the caps.
TEST_F(PaintingTest, ASegmentClearsExactlyTheBandItCovers) {
  QSignalSpy changed(&painting, &Painting::workChanged);
  painting.paintSegment(QPointF(10, 15), QPointF(30, 15));
  int softCaps = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) {
      SCOPED_TRACE(testing::Message() << x << "," << y);
      const QRgb p = work(x, y);
      if (y < 13 || y > 16 || x < 8 || x > 31) {
        ASSERT_EQ(p, kGrey);
      } else if (x >= 10 && x <= 29) {
        ASSERT_EQ(p, kClear);
      } else {
        ASSERT_EQ(qRed(p), qGreen(p));
        ASSERT_EQ(qRed(p), qBlue(p));
        ASSERT_LE(qRed(p), 0x80);
        softCaps += qAlpha(p) > 0 && qAlpha(p) < 255;
      }
    }
  // The caps' corners are partly covered; (9, 14) and (30, 15) lie wholly within 2 pixels of an end.
  EXPECT_GE(softCaps, 8);
  EXPECT_EQ(work(9, 14), kClear);
  EXPECT_EQ(work(30, 15), kClear);
  // The segment's box padded by half the width and 2 pixels for the soft edge.
  ASSERT_EQ(changed.count(), 1);
  EXPECT_EQ(changed.first().at(0).toRect(), QRect(6, 11, 29, 9));
  const StrokeSegment& s = painting.history().steps().at(0);
  EXPECT_EQ(std::tuple(s.startX, s.startY, s.endX, s.endY, s.width, s.mode, s.stroke),
            std::tuple(10.0f, 15.0f, 30.0f, 15.0f, 4.0f, false, 0u));
  EXPECT_EQ(painting.sketchimgview()->image(), flat(kGrey));
  EXPECT_EQ(painting.orgimgview()->image(), flat(kRed));

  // The final picture shows photo A where the work image was cleared, and the indicator where asked.
  const QImage picture = painting.renderFinalPicture();
  ASSERT_EQ(picture.size(), QSize(40, 30));
  EXPECT_EQ(std::tuple(picture.pixel(20, 15), picture.pixel(20, 12), picture.pixel(3, 3)),
            std::tuple(kRed, kGrey, kGrey));
  const QImage withCircle = painting.renderFinalPicture(QRectF(0, 0, 8, 8));
  EXPECT_NE(withCircle.copy(0, 0, 8, 8), picture.copy(0, 0, 8, 8));
  EXPECT_EQ(withCircle.copy(10, 10, 30, 20), picture.copy(10, 10, 30, 20));
  EXPECT_TRUE(Painting().renderFinalPicture().isNull());  // no photo A, no picture
}

// Undo and redo availability is signalled when it changes, and only then.
TEST_F(PaintingTest, HistorySignalsFollowUndoAndRedoAvailability) {
  QSignalSpy history(&painting, &Painting::historyChanged);
  painting.undo();  // nothing to undo or redo: nothing happens
  painting.redo();
  EXPECT_EQ(history.count(), 0);
  painting.paintSegment(QPointF(5, 5), QPointF(15, 5));
  EXPECT_EQ(history.count(), 1);
  EXPECT_TRUE(painting.canUndo());
  EXPECT_FALSE(painting.canRedo());
  painting.paintSegment(QPointF(15, 5), QPointF(25, 5));  // same availability
  painting.finishStroke();
  painting.paintSegment(QPointF(20, 20), QPointF(20, 20));  // a dot, the second stroke
  painting.finishStroke();
  EXPECT_EQ(history.count(), 1);
  EXPECT_EQ(painting.history().brushindex(), 2);
  const QImage painted = painting.workimgview()->image();

  painting.undo();  // the dot goes
  EXPECT_EQ(history.count(), 2);
  EXPECT_TRUE(painting.canUndo() && painting.canRedo());
  EXPECT_EQ(std::pair(work(20, 20), work(10, 5)), std::pair(kGrey, kClear));
  painting.undo();  // the first stroke, both of its segments
  EXPECT_EQ(history.count(), 3);
  EXPECT_FALSE(painting.canUndo());
  EXPECT_EQ(painting.workimgview()->image(), flat(kGrey));
  painting.redo();
  painting.redo();
  EXPECT_EQ(history.count(), 5);
  EXPECT_FALSE(painting.canRedo());
  EXPECT_EQ(painting.workimgview()->image(), painted);

  painting.undo();
  painting.paintSegment(QPointF(30, 25), QPointF(35, 25));  // cuts the undone dot
  EXPECT_EQ(history.count(), 7);
  EXPECT_FALSE(painting.canRedo());
  EXPECT_EQ(painting.history().count(), 3);
}

// B: what shows is flattened into the work image (red where it was cleared), the history starts
// afresh, photo A hides; strokes then bring the sketch back, and A keeps that look.
TEST_F(PaintingTest, BrushModeSwitchIsOneCall) {
  QSignalSpy changed(&painting, &Painting::brushModeChanged);
  QSignalSpy requested(&painting, &Painting::brushModeRequested);
  QSignalSpy history(&painting, &Painting::historyChanged);
  painting.paintSegment(QPointF(10, 15), QPointF(30, 15));
  painting.finishStroke();
  painting.setBrushMode(BrushMode::A);  // already A: asked for, nothing changes
  EXPECT_EQ(changed.count(), 0);
  EXPECT_EQ(requested.count(), 1);
  EXPECT_TRUE(painting.canUndo());

  painting.setBrushMode(BrushMode::B);
  EXPECT_EQ(painting.brushMode(), BrushMode::B);
  ASSERT_EQ(changed.count(), 1);
  EXPECT_EQ(changed.first().at(0).value<BrushMode>(), BrushMode::B);
  EXPECT_EQ(requested.count(), 2);
  EXPECT_TRUE(painting.orgimgview()->isHidden());
  EXPECT_EQ(history.count(), 2);
  EXPECT_FALSE(painting.canUndo());
  EXPECT_EQ(painting.history().brushindex(), 0);
  EXPECT_EQ(std::pair(work(20, 15), work(20, 12)), std::pair(kRed, kGrey));
  EXPECT_TRUE(painting.workimgview()->image() == painting.history().base());
  painting.setBrushMode(BrushMode::B);
  EXPECT_EQ(changed.count(), 1);
  EXPECT_EQ(requested.count(), 3);

  painting.paintSegment(QPointF(20, 15), QPointF(20, 15));
  EXPECT_TRUE(painting.history().steps().back().mode);
  EXPECT_EQ(work(20, 15), kClear);  // the sketch under it shows
  EXPECT_EQ(painting.renderFinalPicture().pixel(20, 15), kGrey);
  painting.finishStroke();
  painting.setBrushMode(BrushMode::A);
  EXPECT_EQ(changed.count(), 2);
  EXPECT_FALSE(painting.orgimgview()->isHidden());
  EXPECT_EQ(std::pair(work(20, 15), work(12, 15)), std::pair(kGrey, kRed));
  EXPECT_FALSE(painting.canUndo());
}

// One call moves the slider (clamped to 0..1) and the brush width: a fifth of value x photo A's width.
TEST_F(PaintingTest, SliderSetterSetsTheBrushWidth) {
  QSignalSpy size(&painting, &Painting::brushSizeChanged);
  for (auto [asked, value, width] : {std::tuple{0.25f, 0.25f, 2.0f}, {1.5f, 1.0f, 8.0f}, {-0.5f, 0.0f, 0.0f}}) {
    painting.setSliderValue(asked);
    EXPECT_EQ(std::pair(painting.sliderValue(), painting.linesize()), std::pair(value, width)) << asked;
  }
  EXPECT_EQ(size.count(), 3);
  painting.setPictures(flat(kGrey, {1000, 500}), flat(kRed, {1000, 500}));
  painting.setSliderValue(0.75f);
  EXPECT_EQ(painting.linesize(), 150.0f);
  painting.setLinesize(33.0f);  // set directly, the slider stays
  EXPECT_EQ(painting.sliderValue(), 0.75f);
  painting.paintSegment(QPointF(500, 250), QPointF(500, 250));
  EXPECT_EQ(painting.history().steps().back().width, 33.0f);
}

TEST(Painting, ReadyFlagsAndHandOff) {
  Painting painting;
  QSignalSpy ready(&painting, &Painting::readyChanged);
  EXPECT_FALSE(painting.imgready() || painting.sketchready());
  painting.setPictures(flat(kGrey), flat(kRed));
  EXPECT_TRUE(painting.imgready() && painting.sketchready());
  EXPECT_EQ(ready.count(), 2);
  painting.setSketchready(true);  // no change, no signal
  EXPECT_EQ(ready.count(), 2);
  painting.setSketchready(false);
  EXPECT_EQ(ready.count(), 3);
  // The work image starts as photo B, and so does the picture undo goes back to.
  EXPECT_EQ(painting.workimgview()->image(), flat(kGrey));
  EXPECT_EQ(painting.history().base(), flat(kGrey));
  EXPECT_TRUE(painting.workimgview()->isOpaque());
  painting.paintSegment(QPointF(1, 1), QPointF(1, 1));
  EXPECT_FALSE(painting.workimgview()->isOpaque());
  painting.setPictures(flat(kRed), flat(kGrey));  // a new pair starts afresh
  EXPECT_EQ(painting.history().count(), 0);
  EXPECT_EQ(painting.workimgview()->image(), flat(kRed));
  platform::AsyncImageWriter::shared().waitForIdle();
}

// The work image shares photo B's pixels until its first paint: painting then gives it its own, and
// photo B and the scratch file's picture keep the sketch.
TEST_F(PaintingTest, TheWorkImageSharesPhotoBUntilItsFirstPaint) {
  EXPECT_EQ(painting.workimgview()->image().constBits(), painting.sketchimgview()->image().constBits());
  painting.paintSegment({10, 15}, {30, 15});
  EXPECT_NE(painting.workimgview()->image().constBits(), painting.sketchimgview()->image().constBits());
  EXPECT_EQ(work(20, 15), kClear);
  EXPECT_EQ(painting.sketchimgview()->image(), flat(kGrey));
  platform::AsyncImageWriter::shared().waitForIdle();
  EXPECT_EQ(QImage(platform::scratchFilePath()).convertToFormat(QImage::Format_ARGB32_Premultiplied),
            flat(kGrey).convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

// A picture its giver knows to be opaque is taken at its word; others are read to find out.
TEST(PaintingLayers, OpacityIsTakenFromTheGiverOrFoundByReading) {
  Painting painting;
  const QImage half = fixture::flat(0x80800000, {8, 6});
  painting.setPictures(half, half);
  EXPECT_FALSE(painting.sketchimgview()->isOpaque() || painting.orgimgview()->isOpaque());
  painting.setPictures(fixture::flat(0xff808080, {8, 6}), half, KnownOpaque{false, false});
  EXPECT_TRUE(painting.sketchimgview()->isOpaque());
  EXPECT_TRUE(painting.workimgview()->isOpaque());
  EXPECT_FALSE(painting.orgimgview()->isOpaque());
  painting.setPictures(half, QImage(), KnownOpaque{true, true});
  EXPECT_TRUE(painting.sketchimgview()->isOpaque());
  EXPECT_FALSE(painting.orgimgview()->isOpaque());  // no picture covers nothing
  platform::AsyncImageWriter::shared().waitForIdle();
}
