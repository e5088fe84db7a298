// The canvas's costs on the real widget, offscreen: one one-finger move (8-pixel
// segment, 128-pixel brush, 1280 x 960 work image, history push, repaint of what
// changed), the same along the full-image path, undo with short and long
// histories, and the time a brush-mode switch blocks the interface.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <memory>

#include "canvas/VorlaneView_iPhone.h"
#include "platform/AsyncImageWriter.h"
#include "platform/DeviceProfile.h"

using namespace canvas;

namespace {

QImage flat(QRgb colour) {
  QImage image(1280, 960, QImage::Format_ARGB32_Premultiplied);
  image.fill(colour);
  return image;
}

std::unique_ptr<VorlaneView_iPhone> makeCanvas() {
  platform::setScreenheight(480.0f);
  auto view = std::make_unique<VorlaneView_iPhone>(QRectF(0, 0, 320, 480));
  view->show();
  const float c = 280.0f / 375.0f, r = 1280.0f / 960.0f;
  view->model()->setOffsetratio_y((1.0f - c / r) * 0.5f);
  view->model()->setBigwidth(true);
  view->sketchimgview()->setImage(flat(0xff808080));
  view->orgimgview()->setImage(flat(0xffc04020));
  view->workimgview()->setImage(view->sketchimgview()->image());
  view->model()->setSketchready(true);
  view->model()->setImgready(true);
  view->model()->writeScratchFile();
  view->model()->resetBaseviewFrame();
  view->model()->resetHistory();
  view->model()->setLinesize(128.0f);
  QApplication::processEvents();
  return view;
}

// Canvas point of picture pixel (x, y) at the creation zoom.
QPointF canvasPoint(float x, float y) {
  const float k = 280.0f / 1280.0f;
  return QPointF(20.0 + x * k, 55.0 + 82.5 + y * k);
}

void send(QWidget* w, QEvent::Type type, QPointF pos, Qt::MouseButton button) {
  const Qt::MouseButtons buttons =
      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
  QMouseEvent event(type, pos, w->mapToGlobal(pos), button, buttons, Qt::NoModifier);
  QCoreApplication::sendEvent(w, &event);
}

// Strokes of 100 moves of 8 picture pixels, one row after another.
class StrokeDriver {
 public:
  explicit StrokeDriver(VorlaneView* view) : view_(view) {}
  bool atStrokeStart() const { return moves_ == 0; }
  void begin() {
    x_ = 200.0f;
    y_ = 100.0f + float((row_++ * 37) % 760);
    send(view_, QEvent::MouseButtonPress, canvasPoint(x_, y_), Qt::LeftButton);
  }
  void move() {
    x_ += 8.0f;
    send(view_, QEvent::MouseMove, canvasPoint(x_, y_), Qt::NoButton);
    if (++moves_ == 100) {
      moves_ = -1;
    }
  }
  bool strokeDone() const { return moves_ < 0; }
  void end() {
    send(view_, QEvent::MouseButtonRelease, canvasPoint(x_, y_), Qt::LeftButton);
    moves_ = 0;
  }

 private:
  VorlaneView* view_;
  float x_ = 0, y_ = 0;
  int row_ = 0;
  int moves_ = 0;
};

void runMoves(benchmark::State& state, bool literal) {
  auto view = makeCanvas();
  view->model()->setReferencePainting(literal);
  StrokeDriver driver(view.get());
  for (auto _ : state) {
    if (driver.atStrokeStart()) {
      state.PauseTiming();
      driver.begin();
      QApplication::processEvents();
      state.ResumeTiming();
    }
    driver.move();
    QApplication::processEvents();  // the repaint
    if (driver.strokeDone()) {
      state.PauseTiming();
      driver.end();
      QApplication::processEvents();
      state.ResumeTiming();
    }
  }
}

void move_event_us(benchmark::State& state) {
  runMoves(state, false);
}
void move_event_literal_us(benchmark::State& state) {
  runMoves(state, true);
}

void runUndo(benchmark::State& state, int strokes) {
  auto view = makeCanvas();
  StrokeDriver driver(view.get());
  for (int s = 0; s < strokes; ++s) {
    driver.begin();
    while (!driver.strokeDone()) driver.move();
    driver.end();
  }
  QApplication::processEvents();
  for (auto _ : state) {
    view->model()->undo();
    QApplication::processEvents();
    state.PauseTiming();
    view->model()->redo();
    QApplication::processEvents();
    state.ResumeTiming();
  }
  state.counters["undo_saved_mb_" + std::to_string(strokes * 100)] =
      double(view->model()->history().savedBytes()) / (1024.0 * 1024.0);
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
BENCHMARK(move_event_literal_us)->Unit(benchmark::kMicrosecond)->Iterations(300);
BENCHMARK(undo_100_us)->Unit(benchmark::kMicrosecond)->Iterations(50);
BENCHMARK(undo_10000_us)->Unit(benchmark::kMicrosecond)->Iterations(50);
BENCHMARK(modeswitch_ms)->Unit(benchmark::kMillisecond)->Iterations(20);
