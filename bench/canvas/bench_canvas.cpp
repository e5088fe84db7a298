// SPDX-License-Identifier: GPL-3.0-or-later
// The canvas's costs on the real widget, offscreen: one one-finger move (8-pixel
// segment, 128-pixel brush, 1280 x 960 work image, history push, repaint of what
// changed), the same along the full-image path, undo with short and long
// histories and deep in a long one, and the time a brush-mode switch blocks the
// interface.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <algorithm>
#include <chrono>
#include <memory>

#include "CanvasFixture.h"
#include "ReferencePainting.h"
#include "canvas/PlateView.h"
#include "canvas/VorlaneView_iPhone.h"
#include "platform/AsyncImageWriter.h"
#include "platform/DeviceProfile.h"

using namespace canvas;

namespace {

std::unique_ptr<VorlaneView_iPhone> makeCanvas() {
  auto view = fixture::makePhoneCanvas();
  view->orgimgview()->setImage(fixture::flat(0xffc04020));
  return view;
}

fixture::StrokeDriver driverFor(VorlaneView* view) {
  return fixture::StrokeDriver(view, fixture::phoneCanvasPoint);
}

void runMoves(benchmark::State& state, bool reference) {
  auto view = makeCanvas();
  if (reference) reference::useReferencePainting(*view->model()->painting(), view->workview());
  fixture::StrokeDriver driver = driverFor(view.get());
  fixture::timeMoves(state, driver);
}

void move_event_us(benchmark::State& state) {
  runMoves(state, false);
}
void move_event_reference_us(benchmark::State& state) {
  runMoves(state, true);
}

// A canvas with strokes painted through the driver, repainted.
std::unique_ptr<VorlaneView_iPhone> paintedCanvas(int strokes) {
  auto view = makeCanvas();
  fixture::StrokeDriver driver = driverFor(view.get());
  for (int s = 0; s < strokes; ++s) driver.stroke();
  QApplication::processEvents();
  return view;
}

void runUndo(benchmark::State& state, int strokes) {
  auto view = paintedCanvas(strokes);
  for (auto _ : state) {
    view->model()->painting()->undo();
    QApplication::processEvents();
    state.PauseTiming();
    view->model()->painting()->redo();
    QApplication::processEvents();
    state.ResumeTiming();
  }
  state.counters["undo_saved_mb_" + std::to_string(strokes * 100)] =
      double(view->model()->painting()->history().savedBytes()) / (1024.0 * 1024.0);
}

void undo_100_us(benchmark::State& state) {
  runUndo(state, 1);
}
void undo_10000_us(benchmark::State& state) {
  runUndo(state, 100);
}

// Strokes of a 2,000-stroke painting whose saved pixels are long gone: the newest
// 200 (the default budget keeps saved pixels for about 140 of these) are undone
// untimed, then each iteration undoes the next older one, down to the first.
constexpr int kDeepStrokes = 2000, kDeepUntimed = 200;

void undo_deep_2000_ms(benchmark::State& state) {
  auto view = paintedCanvas(kDeepStrokes);
  Painting* painting = view->model()->painting();
  for (int s = 0; s < kDeepUntimed; ++s) painting->undo();
  QApplication::processEvents();
  double slowest = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    painting->undo();
    QApplication::processEvents();
    slowest = std::max(
        slowest, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  state.counters["undo_deep_2000_slowest_ms"] = slowest;
  state.counters["undo_deep_2000_saved_mb"] = double(painting->history().savedBytes()) / (1024.0 * 1024.0);
  state.counters["undo_deep_2000_checkpoint_mb"] =
      double(painting->history().checkpointBytes()) / (1024.0 * 1024.0);
  state.counters["undo_deep_2000_checkpoints"] = double(painting->history().checkpointSteps().size());
}

void modeswitch_ms(benchmark::State& state) {
  auto view = makeCanvas();
  bool toB = true;
  for (auto _ : state) {
    if (toB)
      view->BbtnClicked();
    else
      view->AbtnClicked();
    toB = !toB;
    QApplication::processEvents();
  }
  platform::AsyncImageWriter::shared().waitForIdle();
}

}  // namespace

BENCHMARK(move_event_us)->Unit(benchmark::kMicrosecond)->Iterations(2000);
BENCHMARK(move_event_reference_us)->Unit(benchmark::kMicrosecond)->Iterations(300);
BENCHMARK(undo_100_us)->Unit(benchmark::kMicrosecond)->Iterations(50);
BENCHMARK(undo_10000_us)->Unit(benchmark::kMicrosecond)->Iterations(50);
BENCHMARK(undo_deep_2000_ms)->Unit(benchmark::kMillisecond)->Iterations(kDeepStrokes - kDeepUntimed);
BENCHMARK(modeswitch_ms)->Unit(benchmark::kMillisecond)->Iterations(20);
