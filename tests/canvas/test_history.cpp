// Undo, redo and the brush-mode switch, on the widget and on the history alone.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <random>

#include "CanvasTestSupport.h"
#include "canvas/BrushPainter.h"
#include "canvas/StrokeHistory.h"
#include "platform/AsyncImageWriter.h"
#include "platform/Paths.h"
#include "platform/widgets/FloatSlider.h"
#include "platform/widgets/PictureButton.h"

using namespace canvas_test;
using canvas::StrokeHistory;

namespace {

void drag(VorlaneView& view, QPoint from, QPoint step, int moves) {
  QPoint p = from;
  QTest::touchEvent(&view, touchScreen()).press(0, p);
  for (int i = 0; i < moves; ++i) {
    p += step;
    QTest::touchEvent(&view, touchScreen()).move(0, p);
  }
  QTest::touchEvent(&view, touchScreen()).release(0, p);
}

void tap(VorlaneView& view, QPoint p) {
  QTest::touchEvent(&view, touchScreen()).press(0, p);
  QTest::touchEvent(&view, touchScreen()).release(0, p);
}

// Strokes of 5, 1 and 4 segments (numbers 0, 1, 2).
void paintThreeStrokes(VorlaneView& view) {
  drag(view, QPoint(60, 160), QPoint(12, 3), 5);
  tap(view, QPoint(250, 250));
  drag(view, QPoint(80, 300), QPoint(15, -4), 4);
}

QImage readScratch() {
  platform::AsyncImageWriter::shared().waitForIdle();
  return QImage(platform::scratchFilePath()).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

TEST(CanvasHistory, UndoAndRedoWholeStrokes) {
  auto view = makeCanvas();
  paintThreeStrokes(*view);
  ASSERT_EQ(view->currentstep(), 10);
  ASSERT_EQ(view->brushindex(), 3);
  const std::vector<unsigned> strokes{0, 0, 0, 0, 0, 1, 2, 2, 2, 2};
  for (size_t i = 0; i < strokes.size(); ++i) EXPECT_EQ(view->steparray()[i].stroke, strokes[i]);
  const QImage painted = view->workimgview()->image();

  QTest::mouseClick(view->undobtn(), Qt::LeftButton);
  EXPECT_EQ(view->currentstep(), 6);
  EXPECT_TRUE(view->undobtn()->isEnabled());
  EXPECT_TRUE(view->redobtn()->isEnabled());
  EXPECT_EQ(view->workimgview()->image(), view->history().replay(6));
  EXPECT_NE(view->workimgview()->image(), painted);

  QTest::mouseClick(view->undobtn(), Qt::LeftButton);
  EXPECT_EQ(view->currentstep(), 5);
  EXPECT_EQ(view->workimgview()->image(), view->history().replay(5));
  QTest::mouseClick(view->undobtn(), Qt::LeftButton);
  EXPECT_EQ(view->currentstep(), 0);
  EXPECT_FALSE(view->undobtn()->isEnabled());
  EXPECT_EQ(view->workimgview()->image(), flat(kGrey));
  EXPECT_EQ(view->steparray().size(), 10u);

  QTest::mouseClick(view->redobtn(), Qt::LeftButton);
  EXPECT_EQ(view->currentstep(), 5);
  EXPECT_TRUE(view->redobtn()->isEnabled());
  EXPECT_TRUE(view->undobtn()->isEnabled());
  EXPECT_EQ(view->workimgview()->image(), view->history().replay(5));
  QTest::mouseClick(view->redobtn(), Qt::LeftButton);
  QTest::mouseClick(view->redobtn(), Qt::LeftButton);
  EXPECT_EQ(view->currentstep(), 10);
  EXPECT_FALSE(view->redobtn()->isEnabled());
  EXPECT_EQ(view->workimgview()->image(), painted);
}

TEST(CanvasHistory, NothingToUndoOrRedoChangesNothing) {
  auto view = makeCanvas();
  view->undo();
  view->redo();
  EXPECT_EQ(view->currentstep(), 0);
  EXPECT_EQ(view->workimgview()->image(), flat(kGrey));
  tap(*view, QPoint(160, 242));
  const QImage dotted = view->workimgview()->image();
  view->redo();
  EXPECT_EQ(view->currentstep(), 1);
  EXPECT_EQ(view->workimgview()->image(), dotted);
  view->undo();
  view->undo();
  EXPECT_EQ(view->currentstep(), 0);
  EXPECT_TRUE(view->redobtn()->isEnabled());
  view->redo();
  view->redo();
  EXPECT_EQ(view->currentstep(), 1);
  EXPECT_EQ(view->workimgview()->image(), dotted);
}

TEST(CanvasHistory, NewStrokeAfterTwoUndosCutsTheHistory) {
  auto view = makeCanvas();
  paintThreeStrokes(*view);
  view->undo();
  view->undo();
  ASSERT_EQ(view->currentstep(), 5);
  drag(*view, QPoint(150, 330), QPoint(0, -10), 3);
  EXPECT_EQ(view->steparray().size(), 8u);
  EXPECT_EQ(view->currentstep(), 8);
  EXPECT_EQ(view->steparray()[5].stroke, 3u);
  EXPECT_FALSE(view->redobtn()->isEnabled());
  EXPECT_EQ(view->workimgview()->image(), view->history().replay(8));
  view->undo();
  EXPECT_EQ(view->currentstep(), 5);
  EXPECT_EQ(view->workimgview()->image(), view->history().replay(5));
}

TEST(CanvasHistory, UndoRebuildsFromTheBaseInMemoryWhenTheFileCannotBeWritten) {
  platform::AsyncImageWriter::shared().waitForIdle();
  const QString path = platform::scratchFilePath();
  QFile::remove(path);
  ASSERT_TRUE(QDir().mkpath(path));  // a folder where the file should be
  auto view = makeCanvas();
  platform::AsyncImageWriter::shared().waitForIdle();
  EXPECT_FALSE(platform::AsyncImageWriter::shared().lastWriteSucceeded(path));
  drag(*view, QPoint(60, 160), QPoint(12, 3), 5);
  tap(*view, QPoint(250, 250));
  view->undo();
  view->undo();
  EXPECT_EQ(view->workimgview()->image(), flat(kGrey));
  ASSERT_TRUE(QDir(path).removeRecursively());
}

TEST(CanvasHistory, SwitchingToBFlattensTheLook) {
  auto view = makeCanvas();
  tap(*view, QPoint(160, 242));
  const QPointF dot = view->fixPoint(QPointF(140, 187));
  QTest::mouseClick(view->Bbtn(), Qt::LeftButton);
  EXPECT_TRUE(view->Bbtn()->isSelected());
  EXPECT_FALSE(view->Abtn()->isSelected());
  EXPECT_TRUE(view->orgimgview()->isHidden());
  EXPECT_TRUE(view->steparray().empty());
  EXPECT_EQ(view->currentstep(), 0);
  EXPECT_EQ(view->brushindex(), 0);
  EXPECT_FALSE(view->undobtn()->isEnabled());
  EXPECT_FALSE(view->redobtn()->isEnabled());
  EXPECT_FALSE(view->linesizeslider()->isHidden());
  const QImage& work = view->workimgview()->image();
  EXPECT_EQ(work.pixel(int(dot.x()), int(dot.y())), kRed);
  EXPECT_EQ(work.pixel(3, 3), kGrey);
  for (int y = 0; y < work.height(); y += 7)
    for (int x = 0; x < work.width(); x += 7) ASSERT_EQ(qAlpha(work.pixel(x, y)), 255);
  EXPECT_EQ(view->baseImage(), work);
  EXPECT_EQ(readScratch(), work);

  // Mode B: a stroke brings the sketch back over the colour.
  tap(*view, QPoint(160, 242));
  EXPECT_EQ(view->steparray()[0].mode, true);
  view->undo();
  EXPECT_EQ(view->workimgview()->image().pixel(int(dot.x()), int(dot.y())), kRed);

  // Back to A without painting: the look is unchanged, the file rewritten.
  const QImage before = view->workimgview()->image();
  QFile::remove(platform::scratchFilePath());
  QTest::mouseClick(view->Abtn(), Qt::LeftButton);
  EXPECT_FALSE(view->orgimgview()->isHidden());
  EXPECT_EQ(view->workimgview()->image(), before);
  EXPECT_EQ(readScratch(), before);
}

TEST(CanvasHistory, TappingTheSelectedModeKeepsTheHistory) {
  auto view = makeCanvas();
  tap(*view, QPoint(160, 242));
  const QImage painted = view->workimgview()->image();
  QTest::mouseClick(view->Abtn(), Qt::LeftButton);
  EXPECT_EQ(view->steparray().size(), 1u);
  EXPECT_TRUE(view->undobtn()->isEnabled());
  EXPECT_EQ(view->workimgview()->image(), painted);
  EXPECT_FALSE(view->brushsizelabel()->isHidden());
  EXPECT_FALSE(view->linesizeslider()->isHidden());
}

TEST(CanvasHistory, LiteralPathGivesTheSamePixels) {
  auto fast = makeCanvas();
  auto literal = makeCanvas();
  literal->setLiteralPainting(true);
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> x(30, 290), y(60, 420), step(-30, 30);
  for (int stroke = 0; stroke < 12; ++stroke) {
    const QPoint from(x(rng), y(rng));
    const QPoint delta(step(rng), step(rng));
    const int moves = stroke % 4;
    fast->setLinesize(float(5 + stroke * 13));
    literal->setLinesize(float(5 + stroke * 13));
    drag(*fast, from, delta, moves);
    drag(*literal, from, delta, moves);
  }
  ASSERT_EQ(fast->steparray().size(), literal->steparray().size());
  EXPECT_EQ(fast->workimgview()->image(), literal->workimgview()->image());
  for (int i = 0; i < 5; ++i) {
    fast->undo();
    literal->undo();
    EXPECT_EQ(fast->workimgview()->image(), literal->workimgview()->image());
  }
  fast->redo();
  literal->redo();
  EXPECT_EQ(fast->workimgview()->image(), literal->workimgview()->image());
}

// A long random sequence of segments, undos, redos and new strokes: the work
// image always equals the base with the segments in effect replayed.
class HistoryIdentity : public ::testing::TestWithParam<std::size_t> {};

TEST_P(HistoryIdentity, MatchesAFullReplayFromTheBase) {
  QImage base(320, 240, QImage::Format_ARGB32_Premultiplied);
  for (int yy = 0; yy < base.height(); ++yy)
    for (int xx = 0; xx < base.width(); ++xx)
      base.setPixel(xx, yy, qRgba(xx % 256, yy, (xx * yy) % 256, 255));
  StrokeHistory history;
  history.setMemoryBudget(GetParam());
  history.setBase(base.copy());
  QImage work = base.copy();
  std::mt19937 rng(42);
  std::uniform_real_distribution<float> coord(-40.0f, 360.0f), width(0.0f, 90.0f), jitter(-12.0f, 12.0f);
  std::uniform_int_distribution<int> action(0, 9);
  float px = 100, py = 100;
  bool inStroke = false;
  int checks = 0;
  for (int n = 0; n < 600; ++n) {
    const int a = action(rng);
    if (a <= 5) {
      if (!inStroke) {
        px = coord(rng);
        py = coord(rng);
        inStroke = true;
      }
      const bool dot = action(rng) == 0;
      const float nx = dot ? px : px + jitter(rng), ny = dot ? py : py + jitter(rng);
      history.push(StrokeSegment{nx, ny, px, py, width(rng), false, std::uint32_t(history.brushindex())},
                   &work);
      px = nx;
      py = ny;
    } else if (a == 6) {
      if (inStroke) history.finishStroke();
      inStroke = false;
    } else {
      if (inStroke) history.finishStroke();
      inStroke = false;
      if (a <= 8)
        history.undo(work);
      else
        history.redo(work);
    }
    if (n % 25 == 0 || a >= 7) {
      ASSERT_EQ(work, history.replay(history.currentstep())) << "after action " << n;
      ++checks;
    }
  }
  EXPECT_GT(checks, 50);
  EXPECT_LE(history.savedBytes(), GetParam() + 4u * 1024u * 1024u);
  while (history.canUndo()) history.undo(work);
  EXPECT_EQ(work, base);
}

// A large budget keeps every stroke's pixels; a tiny one forces replays.
INSTANTIATE_TEST_SUITE_P(Budgets, HistoryIdentity, ::testing::Values(StrokeHistory::kDefaultBudget, 20000u));

TEST(CanvasBrush, CoincidingPointsPaintARoundDot) {
  QImage image = flat(kGrey, QSize(100, 100));
  canvas::paintSegment(image, StrokeSegment{50, 50, 50, 50, 20, false, 0});
  EXPECT_EQ(image.pixel(50, 50), 0u);
  EXPECT_EQ(image.pixel(50, 42), 0u);
  EXPECT_EQ(image.pixel(50, 62), kGrey);
  EXPECT_EQ(image.pixel(58, 58), kGrey);  // outside the circle, inside its square
  const QRect r = canvas::segmentRect(StrokeSegment{50, 50, 50, 50, 20, false, 0}, image.rect());
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 100; ++x)
      if (!r.contains(x, y)) {
        ASSERT_EQ(image.pixel(x, y), kGrey);
      }
  // A segment far outside changes nothing.
  QImage untouched = flat(kGrey, QSize(100, 100));
  EXPECT_TRUE(
      canvas::segmentRect(StrokeSegment{500, 500, 400, 400, 20, false, 0}, untouched.rect()).isEmpty());
}

TEST(CanvasBrush, EdgesAreSoft) {
  QImage image = flat(kGrey, QSize(100, 100));
  canvas::paintSegment(image, StrokeSegment{90, 50.3f, 10, 50.3f, 10.5f, false, 0});
  int partial = 0;
  for (int y = 40; y < 60; ++y) {
    const int a = qAlpha(image.pixel(50, y));
    if (a > 0 && a < 255) ++partial;
  }
  EXPECT_GT(partial, 0);
  EXPECT_EQ(image.pixel(50, 50), 0u);
}
