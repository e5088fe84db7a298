// SPDX-License-Identifier: GPL-3.0-or-later
// The canvas widget driven by real touch and mouse events, and the stroke history alone.
#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QTest>
#include <cmath>
#include <random>

#include "CanvasFixture.h"
#include "ReferencePainting.h"
#include "canvas/PlateView.h"
#include "canvas/StrokeHistory.h"
#include "canvas/VorlaneView_iPad.h"
#include "canvas/VorlaneView_iPhone.h"
#include "platform/AsyncImageWriter.h"
#include "platform/DeviceProfile.h"
#include "platform/Paths.h"
#include "platform/widgets/FloatSlider.h"
#include "platform/widgets/PictureButton.h"

using namespace canvas;
using fixture::flat;
using fixture::kGrey;
using fixture::kRed;

namespace {

QPointingDevice* touchScreen() {
  static QPointingDevice* device = QTest::createTouchDevice();
  return device;
}

QTest::QTouchEventWidgetSequence touch(VorlaneView& view) { return QTest::touchEvent(&view, touchScreen()); }

// Press at from, move by step `moves` times, lift; with no moves, a tap.
void drag(VorlaneView& view, QPoint from, QPoint step = {}, int moves = 0) {
  touch(view).press(0, from);
  for (int i = 0; i < moves; ++i) touch(view).move(0, from += step);
  touch(view).release(0, from);
}

// The picture pixel under a point of the canvas widget.
QPointF pictureAt(const VorlaneView& view, QPoint p) {
  return view.model()->plate()->fixPoint(QPointF(p) - view.workviewFrame().topLeft() -
                                         view.model()->plate()->baseviewFrame().topLeft());
}

Painting& painting(VorlaneView& view) { return *view.model()->painting(); }
const StrokeHistory& history(VorlaneView& view) { return view.model()->painting()->history(); }

// The clicked button's centre, in the canvas widget's coordinates.
QPoint on(VorlaneView& view, QWidget* button) {
  return button->geometry().center() + view.controlview()->pos();
}

}  // namespace

TEST(VorlaneView, PhoneAndTabletViewTreesAndTheStartingState) {
  platform::setScreenheight(480.0f);
  VorlaneView_iPhone view(QRectF(0, 0, 320, 480));
  EXPECT_EQ(view.workview()->geometry(), QRect(20, 55, 280, 375));
  EXPECT_EQ(view.controlview()->geometry(), QRect(0, 380, 320, 100));
  EXPECT_TRUE(view.linesizeslider()->isHidden());
  EXPECT_TRUE(view.Abtn()->isSelected());
  EXPECT_FALSE(view.undobtn()->isEnabled() || view.redobtn()->isEnabled());
  platform::setScreenheight(568.0f);
  EXPECT_EQ(VorlaneView_iPhone(QRectF(0, 0, 320, 568)).workviewFrame(), QRectF(20, 55, 280, 463));
  platform::setScreenheight(480.0f);
  VorlaneView_iPad pad(QRectF(0, 0, 768, 1024));
  EXPECT_EQ(pad.workviewFrame(), QRectF(60, 110, 648, 848));
  EXPECT_EQ(pad.controlview()->geometry(), QRect(0, 892, 768, 132));
}

// Mid-slider: a 128-pixel brush, cleared within 62 pixels, soft between, untouched from 66.
TEST(VorlaneView, TapPaintsADotOfTheBrushDiameterFromTheSlider) {
  auto view = fixture::makePhoneCanvas();
  painting(*view).setLinesize(1.0f);
  view->linesizeslider()->setValue(0.5f);
  view->linesizechanged();
  drag(*view, QPoint(160, 242));
  ASSERT_EQ(history(*view).steps().size(), 1u);
  const StrokeSegment& s = history(*view).steps()[0];
  const QPointF c = pictureAt(*view, QPoint(160, 242));
  EXPECT_EQ(std::tuple(s.startX, s.startY, s.endX, s.endY, s.width, s.mode),
            std::tuple(float(c.x()), float(c.y()), float(c.x()), float(c.y()), 128.0f, false));
  EXPECT_EQ(history(*view).brushindex(), 1);
  EXPECT_TRUE(view->undobtn()->isEnabled());
  const QImage& image = view->workimgview()->image();
  int soft = 0;
  for (int y = int(c.y()) - 70; y <= int(c.y()) + 70; ++y)
    for (int x = int(c.x()) - 70; x <= int(c.x()) + 70; ++x) {
      const double d = std::hypot(x + 0.5 - c.x(), y + 0.5 - c.y());
      const QRgb p = image.pixel(x, y);
      soft += d > 62.0 && d < 66.0 && qAlpha(p) > 0 && qAlpha(p) < 255;
      ASSERT_TRUE((d > 62.0 && d < 66.0) || p == (d <= 62.0 ? 0u : kGrey)) << x << "," << y;
    }
  EXPECT_GT(soft, 0);
  drag(*view, on(*view, view->undobtn()));  // a touch reaches the button
  EXPECT_EQ(history(*view).currentstep(), 0);
  EXPECT_EQ(view->workimgview()->image(), flat(kGrey));
}

// A tap in the margin (ends at 137.5) hides the size controls; an unready canvas ignores all.
TEST(VorlaneView, MarginAndUnreadyCanvasRecordNothing) {
  auto view = fixture::makePhoneCanvas();
  QTest::mouseClick(view->Abtn(), Qt::LeftButton);
  ASSERT_FALSE(view->linesizeslider()->isHidden());
  drag(*view, QPoint(160, 120));
  EXPECT_TRUE(view->brushsizelabel()->isHidden());
  EXPECT_TRUE(view->linesizeslider()->isHidden());
  painting(*view).setSketchready(false);
  drag(*view, QPoint(100, 200), QPoint(10, 0), 3);
  QTest::mouseClick(view.get(), Qt::LeftButton, {}, QPoint(160, 242));
  EXPECT_TRUE(history(*view).steps().empty());
  EXPECT_EQ(history(*view).brushindex(), 0);
  EXPECT_FALSE(view->undobtn()->isEnabled());
  EXPECT_EQ(view->workimgview()->image(), flat(kGrey));
  painting(*view).setSketchready(true);
  painting(*view).setImgready(false);
  touch(*view).press(0, QPoint(100, 200)).press(1, QPoint(200, 200));
  touch(*view).move(0, QPoint(90, 200)).move(1, QPoint(210, 200));
  EXPECT_EQ(view->model()->plate()->baseviewFrame(), QRectF(0, 0, 280, 375));
}

// Each segment starts where the previous one ended; the mouse acts as one finger.
TEST(VorlaneView, DragAndMouseRecordOneSegmentPerMove) {
  auto view = fixture::makePhoneCanvas();
  drag(*view, QPoint(100, 200), QPoint(10, 5), 4);
  const auto& steps = history(*view).steps();
  ASSERT_EQ(steps.size(), 4u);
  for (size_t i = 1; i < 4; ++i)
    EXPECT_EQ(std::pair(steps[i].startX, steps[i].startY), std::pair(steps[i - 1].endX, steps[i - 1].endY))
        << i;
  const QPointF end = pictureAt(*view, QPoint(140, 220)), mid = pictureAt(*view, QPoint(120, 260));
  const auto at = [&](QPointF p) { return view->workimgview()->image().pixel(int(p.x()), int(p.y())); };
  EXPECT_EQ(at(end), 0u);
  EXPECT_EQ(at(mid), kGrey);
  QTest::mousePress(view.get(), Qt::LeftButton, {}, QPoint(100, 260));
  const QRectF first(80 - 14, 205 - 14, 28, 28);
  EXPECT_EQ(view->model()->plate()->democircleFrame(), first);
  EXPECT_EQ(view->workview()->displayedDemocircleFrame(), first);  // it appears under the finger
  QTest::mouseMove(view.get(), QPoint(120, 260));
  // The model is at the finger at once; the indicator glides there.
  const QRectF second = first.translated(20, 0);
  EXPECT_EQ(view->model()->plate()->democircleFrame(), second);
  EXPECT_EQ(view->workview()->displayedDemocircleFrame(), first);
  QTRY_COMPARE_WITH_TIMEOUT(view->workview()->displayedDemocircleFrame(), second, 1000);
  QTest::mouseMove(view.get(), QPoint(140, 270));
  QTest::mouseRelease(view.get(), Qt::LeftButton, {}, QPoint(140, 270));
  EXPECT_EQ(steps.size(), 6u);
  EXPECT_EQ(steps.back().stroke, 1u);
  EXPECT_EQ(history(*view).brushindex(), 2);
  EXPECT_TRUE(view->model()->plate()->democircleHidden());
  EXPECT_EQ(at(mid), 0u);
}

// Zooms about the previous midpoint; lifting a finger settles at once and animates the display,
// and the remaining finger paints on from its own previous position.
TEST(VorlaneView, PinchZoomsAndSettlesWhileTheRemainingFingerPaintsOn) {
  auto view = fixture::makePhoneCanvas();
  Plate* plate = view->model()->plate();
  touch(*view).press(0, QPoint(100, 200)).press(1, QPoint(200, 200));
  EXPECT_TRUE(plate->democircleHidden());
  EXPECT_FALSE(view->model()->onlyclick());
  touch(*view).move(0, QPoint(90, 200)).move(1, QPoint(210, 200));
  const QRectF f = plate->baseviewFrame();  // (-30, -40, 336, 450) to single precision
  for (auto [got, want] : {std::pair{f.x(), -30.0}, {f.y(), -40.0}, {f.width(), 336.0}, {f.height(), 450.0}})
    EXPECT_LT(std::abs(got - want), 1e-4) << got << " for " << want;
  EXPECT_TRUE(plate->framechanged());
  EXPECT_TRUE(history(*view).steps().empty());
  touch(*view).move(0, QPoint(120, 200)).move(1, QPoint(180, 200));  // zooms out by half
  EXPECT_FLOAT_EQ(plate->baseviewFrame().width(), 168.0f);
  touch(*view).move(0, QPoint(120, 200)).release(1, QPoint(180, 200));
  const QRectF settled = plate->baseviewFrame();
  EXPECT_FALSE(plate->framechanged());
  EXPECT_EQ(settled.size(), QSizeF(280, 375));
  EXPECT_TRUE(settled.x() <= 0 && settled.y() <= 0 && settled.right() >= 279 && settled.bottom() >= 374);
  EXPECT_TRUE(view->workview()->settlingAnimationRunning());
  EXPECT_NE(view->workview()->displayedBaseviewFrame(), settled);
  QTRY_VERIFY(!view->workview()->settlingAnimationRunning());
  EXPECT_EQ(view->workview()->displayedBaseviewFrame(), settled);
  touch(*view).move(0, QPoint(135, 250));
  touch(*view).release(0, QPoint(135, 250));
  ASSERT_EQ(history(*view).steps().size(), 1u);
  ASSERT_EQ(history(*view).brushindex(), 1);
  EXPECT_FLOAT_EQ(history(*view).steps()[0].startX, float(pictureAt(*view, QPoint(120, 200)).x()));
}

TEST(VorlaneView, RightDragPansAndWheelZoomsAboutThePointer) {
  auto view = fixture::makePhoneCanvas();
  Plate* plate = view->model()->plate();
  QTest::mousePress(view.get(), Qt::RightButton, {}, QPoint(160, 200));
  QTest::mouseMove(view.get(), QPoint(110, 200));
  EXPECT_EQ(plate->baseviewFrame(), QRectF(-50, 0, 280, 375));
  QTest::mouseRelease(view.get(), Qt::RightButton, {}, QPoint(110, 200));
  EXPECT_EQ(plate->baseviewFrame(), QRectF(-1, 0, 280, 375));  // settled
  EXPECT_TRUE(history(*view).steps().empty());
  plate->resetBaseviewFrame();
  const QPointF p(160, 242.5);  // plate (140, 187.5)
  QWheelEvent wheel(p, view->mapToGlobal(p), {}, {0, -240}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(view.get(), &wheel);
  const QRectF f = plate->baseviewFrame();
  EXPECT_FLOAT_EQ(f.width(), 280.0f / 1.21f);
  EXPECT_FLOAT_EQ(f.center().x(), 140.0f);
  EXPECT_FLOAT_EQ(f.center().y(), 187.5f);
  EXPECT_TRUE(plate->framechanged());
  QTRY_VERIFY(!plate->framechanged());  // settles later
  EXPECT_EQ(plate->baseviewFrame(), QRectF(0, 0, 280, 375));
}

// A cancelled stroke ends like a lift; a cancelled pinch still settles.
TEST(VorlaneView, CancelledTouchEndsLikeALift) {
  auto view = fixture::makePhoneCanvas();
  QTouchEvent cancel(QEvent::TouchCancel, touchScreen());
  touch(*view).press(0, QPoint(100, 200));
  touch(*view).move(0, QPoint(120, 200));
  QCoreApplication::sendEvent(view.get(), &cancel);
  EXPECT_EQ(history(*view).steps().size(), 1u);
  EXPECT_EQ(history(*view).brushindex(), 1);
  EXPECT_TRUE(view->model()->plate()->democircleHidden());
  EXPECT_FALSE(view->model()->modified());
  touch(*view).press(0, QPoint(100, 200)).press(1, QPoint(200, 200));
  touch(*view).move(0, QPoint(125, 200)).move(1, QPoint(175, 200));
  ASSERT_TRUE(view->model()->plate()->framechanged());
  QCoreApplication::sendEvent(view.get(), &cancel);
  EXPECT_FALSE(view->model()->plate()->framechanged());
  EXPECT_EQ(view->model()->plate()->baseviewFrame().size(), QSizeF(280, 375));
}

// Strokes of 5, 1 and 4 segments: each click moves by a whole stroke; a new one cuts the rest.
TEST(CanvasHistory, UndoAndRedoWholeStrokesAndANewStrokeCutsTheHistory) {
  auto view = fixture::makePhoneCanvas();
  drag(*view, QPoint(60, 160), QPoint(12, 3), 5);
  drag(*view, QPoint(250, 250));
  drag(*view, QPoint(80, 300), QPoint(15, -4), 4);
  ASSERT_EQ(history(*view).currentstep(), 10);
  ASSERT_EQ(history(*view).brushindex(), 3);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(history(*view).steps()[i].stroke, i < 5 ? 0u : i < 6 ? 1u : 2u);
  const QImage painted = view->workimgview()->image();
  painting(*view).redo();  // at the end: nothing to redo
  const std::pair<bool, int> clicks[] = {{true, 6},  {true, 5},   {true, 0}, {true, 0}, {false, 5},
                                         {false, 6}, {false, 10}, {true, 6}, {true, 5}};
  for (const auto& [undo, step] : clicks) {
    SCOPED_TRACE(testing::Message() << (undo ? "undo to " : "redo to ") << step);
    QTest::mouseClick(undo ? view->undobtn() : view->redobtn(), Qt::LeftButton);
    EXPECT_EQ(history(*view).currentstep(), step);
    EXPECT_EQ(history(*view).steps().size(), 10u);
    EXPECT_EQ(view->undobtn()->isEnabled(), step > 0);
    EXPECT_EQ(view->redobtn()->isEnabled(), step < 10);
    EXPECT_EQ(view->workimgview()->image(), history(*view).replay(step));
    EXPECT_EQ(view->workimgview()->image() == painted, step == 10);
  }
  drag(*view, QPoint(150, 330), QPoint(0, -10), 3);
  EXPECT_EQ(history(*view).currentstep(), 8);
  EXPECT_EQ(history(*view).steps().size(), 8u);
  EXPECT_FALSE(view->redobtn()->isEnabled());
  EXPECT_EQ(history(*view).steps()[5].stroke, 3u);
  painting(*view).undo();
  EXPECT_EQ(history(*view).currentstep(), 5);
  EXPECT_EQ(view->workimgview()->image(), history(*view).replay(5));
}

// B flattens the colour into the base (what that does to the painting is the painting's own test):
// the buttons follow, the scratch file is rewritten; A keeps the look and writes it again.
TEST(CanvasHistory, SwitchingToBFlattensTheLook) {
  auto view = fixture::makePhoneCanvas();
  const auto scratch = [] {
    platform::AsyncImageWriter::shared().waitForIdle();
    return QImage(platform::scratchFilePath()).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  };
  drag(*view, QPoint(160, 242));
  const QImage painted = view->workimgview()->image();
  QTest::mouseClick(view->Abtn(), Qt::LeftButton);  // already A: nothing changes
  EXPECT_EQ(history(*view).steps().size(), 1u);
  EXPECT_EQ(view->workimgview()->image(), painted);
  const QPointF d = view->model()->plate()->fixPoint(QPointF(140, 187));
  const QPoint dot(int(d.x()), int(d.y()));
  QTest::mouseClick(view->Bbtn(), Qt::LeftButton);
  EXPECT_TRUE(view->Bbtn()->isSelected());
  EXPECT_FALSE(view->Abtn()->isSelected());
  EXPECT_TRUE(view->orgimgview()->isHidden());
  EXPECT_TRUE(history(*view).steps().empty());
  EXPECT_FALSE(view->undobtn()->isEnabled() || view->redobtn()->isEnabled());
  EXPECT_EQ(view->workimgview()->image().pixel(dot), kRed);
  EXPECT_EQ(scratch(), view->workimgview()->image());
  drag(*view, QPoint(160, 242));  // in B a stroke brings the sketch back over the colour
  painting(*view).undo();
  const QImage before = view->workimgview()->image();
  QFile::remove(platform::scratchFilePath());
  QTest::mouseClick(view->Abtn(), Qt::LeftButton);
  EXPECT_FALSE(view->orgimgview()->isHidden());
  EXPECT_EQ(view->workimgview()->image(), before);
  EXPECT_EQ(scratch(), before);
}

TEST(CanvasHistory, ReferencePathGivesTheSamePixels) {
  auto fast = fixture::makePhoneCanvas(), reference = fixture::makePhoneCanvas();
  reference::useReferencePainting(painting(*reference), reference->workview());
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> x(30, 290), y(60, 420), step(-30, 30);
  for (int stroke = 0; stroke < 12; ++stroke) {
    const QPoint from(x(rng), y(rng)), delta(step(rng), step(rng));
    for (VorlaneView* v : {fast.get(), reference.get()}) {
      painting(*v).setLinesize(float(5 + stroke * 13));
      drag(*v, from, delta, stroke % 4);
    }
  }
  ASSERT_EQ(history(*fast).steps().size(), history(*reference).steps().size());
  // Each went its own way: only the fast one keeps the pixels its strokes covered.
  EXPECT_TRUE(history(*reference).checkpointSteps().empty());
  EXPECT_EQ(history(*reference).savedBytes(), 0u);
  EXPECT_GT(history(*fast).savedBytes(), 0u);
  for (int i = 0; i < 7; ++i) {  // as painted, then after five undos and one redo
    EXPECT_EQ(fast->workimgview()->image(), reference->workimgview()->image()) << "after move " << i;
    for (VorlaneView* v : {fast.get(), reference.get()}) i < 5 ? painting(*v).undo() : painting(*v).redo();
  }
}

// Two thousand strokes of random segments with short undos and redos, then undos deep into them,
// redos, and a new stroke after a deep undo; under a large budget, a tiny one that sends undos
// through checkpoints, and tiny ones for both.
struct HistoryBudgets {
  std::size_t saved;
  std::size_t checkpoints;
};

class HistoryIdentity : public ::testing::TestWithParam<HistoryBudgets> {};

TEST_P(HistoryIdentity, MatchesAFullReplayFromTheBase) {
  const HistoryBudgets budgets = GetParam();
  // Opaque, half-transparent and transparent base pixels.
  QImage base(320, 240, QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < base.height(); ++y)
    for (int x = 0; x < base.width(); ++x)
      base.setPixel(x, y, qPremultiply(qRgba(x % 256, y, (x * y) % 256, x < 280 ? 255 : x < 300 ? 128 : 0)));
  StrokeHistory history;
  history.setMemoryBudget(budgets.saved);
  history.setCheckpointBudget(budgets.checkpoints);
  constexpr std::int64_t kSpacing = 30000;  // about three strokes of the sizes below
  history.setCheckpointSpacing(kSpacing);
  history.setBase(base.copy());
  QImage work = base.copy();
  std::mt19937 rng(42);
  std::uniform_real_distribution<float> coord(-40.0f, 360.0f), width(0.0f, 90.0f), jitter(-12.0f, 12.0f);
  std::uniform_int_distribution<int> segments(1, 4), percent(0, 99);
  const bool spacingKept = budgets.checkpoints == StrokeHistory::kDefaultCheckpointBudget;

  auto paintStroke = [&] {
    float px = coord(rng), py = coord(rng);
    for (int n = segments(rng); n > 0; --n) {
      const bool dot = percent(rng) < 10;
      const float nx = dot ? px : px + jitter(rng), ny = dot ? py : py + jitter(rng);
      history.push({nx, ny, px, py, width(rng), false, std::uint32_t(history.brushindex())}, &work);
      px = nx, py = ny;
    }
    history.finishStroke();
  };
  auto cost = [&](int from, int to) {
    std::int64_t sum = 0;
    for (int i = from; i < to; ++i) sum += StrokeHistory::segmentCost(history.steps()[i], work.rect());
    return sum;
  };
  std::int64_t longestStroke = 0;  // replay cost of the costliest stroke painted
  int fromCheckpoints = 0;
  // An undo without saved pixels starts at the nearest checkpoint at or before its target, and
  // (spacing kept) replays less than a spacing and one stroke.
  auto undo = [&] {
    history.undo(work);
    const int start = history.lastReplayStart(), target = history.currentstep();
    if (start < 0) return;
    int nearest = 0;
    for (int step : history.checkpointSteps())
      if (step <= target) nearest = step;
    ASSERT_EQ(start, nearest) << "undo to " << target;
    ASSERT_EQ(history.lastReplayLength(), target - start);
    if (spacingKept) {
      ASSERT_LT(cost(start, target), kSpacing + longestStroke) << "undo to " << target;
    }
    if (start > 0) ++fromCheckpoints;
  };
  auto matches = [&] { return work == history.replay(history.currentstep()); };

  for (int stroke = 1; stroke <= 2000; ++stroke) {
    const int first = history.currentstep();
    paintStroke();
    longestStroke = std::max(longestStroke, cost(first, history.currentstep()));
    const int roll = percent(rng);
    if (roll < 10)
      for (int n = 1 + roll % 3; n > 0 && history.canUndo() && !HasFatalFailure(); --n) undo();
    else if (roll < 14)
      history.redo(work);
    ASSERT_FALSE(HasFatalFailure());
    if (stroke % 100 == 0 || roll == 0) {
      ASSERT_TRUE(matches()) << "after stroke " << stroke;
    }
  }
  const int painted = history.currentstep();
  int strokesInEffect = 0;
  for (int i = 0; i < painted; ++i)
    strokesInEffect += i == 0 || history.steps()[i].stroke != history.steps()[i - 1].stroke;
  ASSERT_GT(strokesInEffect, 1500);

  // Deep undos in bursts, each burst checked, with redos between.
  bool cutDone = false;
  for (int burst = 0; history.canUndo(); ++burst) {
    for (int n = 40 + percent(rng) * 3; n > 0 && history.canUndo() && !HasFatalFailure(); --n) undo();
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_TRUE(matches()) << "after undo burst " << burst << " at " << history.currentstep();
    if (burst % 3 == 1) {
      for (int n = 1 + percent(rng) / 4; n > 0 && history.canRedo(); --n) history.redo(work);
      ASSERT_TRUE(matches()) << "after redos at " << history.currentstep();
    }
    if (!cutDone && history.currentstep() < painted / 2) {  // a new stroke far down drops all past it
      cutDone = true;
      const int at = history.currentstep();
      paintStroke();
      EXPECT_FALSE(history.canRedo());
      for (int step : history.checkpointSteps()) EXPECT_LE(step, at);
      ASSERT_TRUE(matches()) << "after a new stroke at " << at;
      undo();
      ASSERT_FALSE(HasFatalFailure());
      ASSERT_TRUE(matches()) << "after undoing the new stroke at " << at;
    }
  }
  EXPECT_TRUE(cutDone);
  EXPECT_EQ(work, base);
  EXPECT_LE(history.savedBytes(), budgets.saved + 4u * 1024u * 1024u);
  // The newest checkpoint stays even alone over budget: at most one picture more.
  EXPECT_LE(history.checkpointBytes(), budgets.checkpoints + 2u * std::size_t(base.sizeInBytes()));
  if (budgets.saved < StrokeHistory::kDefaultBudget) {
    EXPECT_GT(fromCheckpoints, 1000);
  }
  while (history.canRedo()) history.redo(work);  // redoing it all arrives at the replay's picture
  EXPECT_TRUE(matches());
}

INSTANTIATE_TEST_SUITE_P(Budgets, HistoryIdentity,
                         testing::Values(HistoryBudgets{StrokeHistory::kDefaultBudget,
                                                        StrokeHistory::kDefaultCheckpointBudget},
                                         HistoryBudgets{20000u, StrokeHistory::kDefaultCheckpointBudget},
                                         HistoryBudgets{20000u, 200000u}),
                         [](const testing::TestParamInfo<HistoryBudgets>& info) {
                           return "saved" + std::to_string(info.param.saved) + "_checkpoints" +
                                  std::to_string(info.param.checkpoints);
                         });
