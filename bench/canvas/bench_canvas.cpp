// SPDX-License-Identifier: GPL-3.0-or-later
// The canvas's costs on the real widget, offscreen: one one-finger move (8-pixel
// segment, 128-pixel brush, 1280 x 960 work image, history push, repaint of what
// changed), the same along the full-image path, undo with short and long
// histories, and the time a brush-mode switch blocks the interface.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
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

void runUndo(benchmark::State& state, int strokes) {
  auto view = makeCanvas();
  fixture::StrokeDriver driver = driverFor(view.get());
  for (int s = 0; s < strokes; ++s) {
    driver.begin();
    while (!driver.strokeDone()) driver.move();
    driver.end();
  }
  QApplication::processEvents();
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
BENCHMARK(modeswitch_ms)->Unit(benchmark::kMillisecond)->Iterations(20);
