// Undo, redo and the brush-mode switch, on the widget and on the history alone.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <random>

#include "CanvasTestSupport.h"
#include "canvas/StrokeHistory.h"
#include "platform/AsyncImageWriter.h"
#include "platform/Paths.h"
#include "platform/widgets/FloatSlider.h"
#include "platform/widgets/PictureButton.h"

using namespace canvas_test;
using canvas::StrokeHistory;

namespace {

QImage readScratch() {
  platform::AsyncImageWriter::shared().waitForIdle();
  return QImage(platform::scratchFilePath()).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

TEST(CanvasHistory, UndoAndRedoWholeStrokesAndANewStrokeCutsTheHistory) {
  auto view = makeCanvas();
  view->undo();  // nothing to undo or redo yet
  view->redo();
  EXPECT_EQ(view->currentstep(), 0);
  EXPECT_EQ(view->workimgview()->image(), flat(kGrey));
  // Strokes of 5, 1 and 4 segments (numbers 0, 1, 2).
  drag(*view, QPoint(60, 160), QPoint(12, 3), 5);
  tap(*view, QPoint(250, 250));
  drag(*view, QPoint(80, 300), QPoint(15, -4), 4);
  ASSERT_EQ(view->currentstep(), 10);
  ASSERT_EQ(view->brushindex(), 3);
  const std::vector<unsigned> strokes{0, 0, 0, 0, 0, 1, 2, 2, 2, 2};
  for (size_t i = 0; i < strokes.size(); ++i) EXPECT_EQ(view->steparray()[i].stroke, strokes[i]);
  const QImage painted = view->workimgview()->image();
  view->redo();  // at the end: nothing to redo
  EXPECT_EQ(view->currentstep(), 10);
  EXPECT_EQ(view->workimgview()->image(), painted);

  // Each click moves by one whole stroke: undo 10 -> 6 -> 5 -> 0, redo 0 -> 5 -> 6 -> 10.
  struct Click {
    bool undo;
    int step;
    bool undoEnabled, redoEnabled;
  };
  const Click clicks[] = {{true, 6, true, true},  {true, 5, true, true},  {true, 0, false, true},
                          {true, 0, false, true}, {false, 5, true, true}, {false, 6, true, true},
                          {false, 10, true, false}, {true, 6, true, true}, {true, 5, true, true}};
  for (const Click& c : clicks) {
    SCOPED_TRACE(testing::Message() << (c.undo ? "undo to " : "redo to ") << c.step);
    QTest::mouseClick(c.undo ? view->undobtn() : view->redobtn(), Qt::LeftButton);
    EXPECT_EQ(view->currentstep(), c.step);
    EXPECT_EQ(view->undobtn()->isEnabled(), c.undoEnabled);
    EXPECT_EQ(view->redobtn()->isEnabled(), c.redoEnabled);
    EXPECT_EQ(view->steparray().size(), 10u);
    EXPECT_EQ(view->workimgview()->image(), view->history().replay(c.step));
    EXPECT_EQ(view->workimgview()->image() == painted, c.step == 10);
  }
  EXPECT_EQ(view->history().replay(0), flat(kGrey));

  // A new stroke at step 5 drops the undone strokes.
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
  const QImage painted = view->workimgview()->image();
  // Tapping the selected mode keeps the history and shows the brush-size controls.
  QTest::mouseClick(view->Abtn(), Qt::LeftButton);
  EXPECT_EQ(view->steparray().size(), 1u);
  EXPECT_TRUE(view->undobtn()->isEnabled());
  EXPECT_EQ(view->workimgview()->image(), painted);
  EXPECT_FALSE(view->brushsizelabel()->isHidden());
  EXPECT_FALSE(view->linesizeslider()->isHidden());

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

TEST(CanvasHistory, LiteralPathGivesTheSamePixels) {
  auto fast = makeCanvas();
  auto literal = makeCanvas();
  literal->setLiteralPainting(true);
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> x(30, 290), y(60, 420), step(-30, 30);
  for (int stroke = 0; stroke < 12; ++stroke) {
    const QPoint from(x(rng), y(rng)), delta(step(rng), step(rng));
    for (VorlaneView* v : {fast.get(), literal.get()}) {
      v->setLinesize(float(5 + stroke * 13));
      drag(*v, from, delta, stroke % 4);
    }
  }
  ASSERT_EQ(fast->steparray().size(), literal->steparray().size());
  EXPECT_EQ(fast->workimgview()->image(), literal->workimgview()->image());
  for (int i = 0; i < 6; ++i) {  // five undos, one redo
    for (VorlaneView* v : {fast.get(), literal.get()}) i < 5 ? v->undo() : v->redo();
    EXPECT_EQ(fast->workimgview()->image(), literal->workimgview()->image()) << "after move " << i;
  }
}

// A long random sequence of segments, undos, redos and new strokes: the work
// image always equals the base with the segments in effect replayed.
class HistoryIdentity : public ::testing::TestWithParam<std::size_t> {};

TEST_P(HistoryIdentity, MatchesAFullReplayFromTheBase) {
  QImage base(320, 240, QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < base.height(); ++y)
    for (int x = 0; x < base.width(); ++x) base.setPixel(x, y, qRgba(x % 256, y, (x * y) % 256, 255));
  StrokeHistory history;
  history.setMemoryBudget(GetParam());
  history.setBase(base.copy());
  QImage work = base.copy();
  std::mt19937 rng(42);
  std::uniform_real_distribution<float> coord(-40.0f, 360.0f), width(0.0f, 90.0f), jitter(-12.0f, 12.0f);
  std::uniform_int_distribution<int> action(0, 9);  // 0-5 segment, 6 lift, 7-8 undo, 9 redo
  float px = 100, py = 100;
  bool inStroke = false;
  int checks = 0;
  for (int n = 0; n < 600; ++n) {
    const int a = action(rng);
    if (a <= 5) {
      if (!inStroke) px = coord(rng), py = coord(rng), inStroke = true;
      const bool dot = action(rng) == 0;
      const float nx = dot ? px : px + jitter(rng), ny = dot ? py : py + jitter(rng);
      history.push(StrokeSegment{nx, ny, px, py, width(rng), false, std::uint32_t(history.brushindex())},
                   &work);
      px = nx, py = ny;
    } else {
      if (inStroke) history.finishStroke();
      inStroke = false;
      if (a == 7 || a == 8) history.undo(work);
      if (a == 9) history.redo(work);
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
