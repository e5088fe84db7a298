// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop window's costs, offscreen: a resize from 1280 x 800 to 1920 x 1080
// with a 1280 x 960 photo on the canvas until the next frame is painted, and one
// one-finger move on the full-window canvas at 1920 x 1080; the style panel's
// thumbnails of a 12 MP photo, against one style rendered at the working size;
// a 12 MP photo from the open command to the painted canvas.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "BenchPhotos.h"
#include "CanvasFixture.h"
#include "canvas/CanvasModel.h"
#include "canvas/PlateView.h"
#include "desktop/DesktopWindow.h"
#include "document/PaintingFlatten.h"
#include "document/SketchDocument.h"
#include "document/StyleRenderer.h"
#include "document/StyleThumbnails.h"
#include "platform/AsyncImageWriter.h"
#include "platform/UserDefaults.h"

namespace {

using bench::makePhoto;

// A desktop window showing a rendered 1280 x 960 photo, with its own settings.
struct Desktop {
  QTemporaryDir dir;
  std::unique_ptr<desktop::DesktopWindow> window;
  explicit Desktop(QSize size) {
    bench::quietSettings(dir.filePath("settings.ini"));
    window = std::make_unique<desktop::DesktopWindow>();
    window->start();
    window->resize(size);
    window->show();
    QApplication::processEvents();
    window->document()->pickImage(makePhoto(1280, 960), QStringLiteral("bench"));
    window->document()->dosketch();
    platform::AsyncImageWriter::shared().waitForIdle();
    QApplication::processEvents();
  }
};

void resize_relayout_ms(benchmark::State& state) {
  Desktop d(QSize(1280, 800));
  for (auto _ : state) {
    d.window->resize(1920, 1080);
    QApplication::processEvents();  // layout, the canvas's new clip, and the frame
    d.window->repaint();
    state.PauseTiming();
    d.window->resize(1280, 800);
    QApplication::processEvents();
    d.window->repaint();
    state.ResumeTiming();
  }
}
BENCHMARK(resize_relayout_ms)->Unit(benchmark::kMillisecond)->Iterations(50);

// The yardstick for the resize: one full frame of the window at 1920 x 1080, no
// relayout.
void repaint_desktop_ms(benchmark::State& state) {
  Desktop d(QSize(1920, 1080));
  for (auto _ : state) d.window->repaint();
}
BENCHMARK(repaint_desktop_ms)->Unit(benchmark::kMillisecond)->Iterations(50);

// Strokes of a 128-pixel brush over the window's 1280 x 960 picture.
fixture::StrokeDriver strokesOver(desktop::DesktopWindow& window) {
  auto* view = window.findChild<canvas::PlateView*>();
  canvas::CanvasModel* model = view->model();
  model->painting()->setLinesize(128.0f);
  const QRectF shown = canvas::fitRect(model->plate()->baseviewFrame(), QSizeF(1280, 960));
  return fixture::StrokeDriver(view, [shown](float x, float y) {
    return QPointF(shown.x() + x * shown.width() / 1280.0, shown.y() + y * shown.height() / 960.0);
  });
}

void move_event_desktop_us(benchmark::State& state) {
  Desktop d(QSize(1920, 1080));
  fixture::StrokeDriver driver = strokesOver(*d.window);
  fixture::timeMoves(state, driver);
}
BENCHMARK(move_event_desktop_us)->Unit(benchmark::kMicrosecond)->Iterations(2000);

// The same moves while a 12 MP painting is exported at its full size on the
// export's own thread (started again whenever it ends): the canvas must stay
// as quick to paint on.
void move_event_during_export_us(benchmark::State& state) {
  Desktop d(QSize(1920, 1080));
  const QString photo = d.dir.filePath("photo12mp.jpg");
  if (!makePhoto(4032, 3024).save(photo, "JPG", 90) || !d.window->document()->pickPhotoFile(photo)) {
    state.SkipWithError("could not open the photo");
    return;
  }
  d.window->document()->dosketch();
  QApplication::processEvents();
  fixture::StrokeDriver driver = strokesOver(*d.window);
  document::SketchDocument* doc = d.window->document();
  const QString out = d.dir.filePath("export.jpg");
  int exports = 0;
  auto keepExporting = [&] {
    if (!doc->exporting() && doc->exportPictureAt(out, 92, document::kFullPictureSize)) ++exports;
  };
  QObject::connect(doc, &document::SketchDocument::exportFinished, doc, [&] { QTimer::singleShot(0, keepExporting); });
  keepExporting();
  fixture::timeMoves(state, driver);
  doc->cancelExport();
  state.counters["exports_during_moves"] = exports;
}
BENCHMARK(move_event_during_export_us)->Unit(benchmark::kMicrosecond)->Iterations(2000);

// From a 4032 x 3024 photo prepared (the document's photoPicked) to the last of
// the style panel's thumbnails delivered, with the window's event loop running.
void thumbnails_12mp_ms(benchmark::State& state) {
  Desktop d(QSize(1280, 800));
  auto* thumbnails = d.window->findChild<document::StyleThumbnails*>();
  if (!thumbnails) {
    state.SkipWithError("no thumbnails");
    return;
  }
  const QImage photo = makePhoto(4032, 3024);
  QElapsedTimer clock;
  bool done = false;
  QObject::connect(d.window->document(), &document::SketchDocument::photoPicked, [&] { clock.start(); });
  QObject::connect(thumbnails, &document::StyleThumbnails::finished, [&] { done = true; });
  for (auto _ : state) {
    done = false;
    d.window->document()->pickImage(photo, QStringLiteral("bench"));
    while (!done) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
  }
}
BENCHMARK(thumbnails_12mp_ms)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

// A 4032 x 3024 JPEG from the open command (the path the Open dialog gives) to
// the canvas painted with its sketch, the window's event loop running: the
// pick, the render pass and the frame, with the thumbnails working meanwhile.
void open_to_sketch_desktop_ms(benchmark::State& state) {
  Desktop d(QSize(1920, 1080));
  const QString path = d.dir.filePath("photo12mp.jpg");
  if (!makePhoto(4032, 3024).save(path, "JPG", 90)) {
    state.SkipWithError("could not write the photo");
    return;
  }
  auto* view = d.window->findChild<canvas::PlateView*>();
  auto* thumbnails = d.window->findChild<document::StyleThumbnails*>();
  bool rendered = false, painted = false, thumbnailsDone = false;
  QElapsedTimer clock;
  QObject::connect(d.window->document(), &document::SketchDocument::renderPassFinished,
                   [&](bool ok) { rendered = ok; });
  QObject::connect(thumbnails, &document::StyleThumbnails::finished, [&] { thumbnailsDone = true; });
  struct PaintWatch : QObject {
    bool* rendered;
    bool* painted;
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Paint && *rendered) *painted = true;
      return false;
    }
  } watch;
  watch.rendered = &rendered;
  watch.painted = &painted;
  view->installEventFilter(&watch);
  for (auto _ : state) {
    rendered = painted = thumbnailsDone = false;
    clock.start();
    if (!d.window->document()->pickPhotoFile(path)) {
      state.SkipWithError("open failed");
      break;
    }
    // The frame is painted in the loop's turn after the pass, as on screen.
    while (!painted) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
    // The next open starts from a quiet window.
    while (!thumbnailsDone) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    platform::AsyncImageWriter::shared().waitForIdle();
    QApplication::processEvents();
  }
}
BENCHMARK(open_to_sketch_desktop_ms)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

// The yardstick: one style (2) of the same photo at its working size, as the
// render pass makes photo B.
void style_working_size_ms(benchmark::State& state) {
  Desktop d(QSize(1280, 800));
  const QImage prepared = d.window->document()->orgimg();
  document::StyleRenderer renderer;
  renderer.setTextureName(d.window->document()->textureName());
  for (auto _ : state) {
    sketch::GrayPlane plane;
    benchmark::DoNotOptimize(renderer.render(prepared, 2, plane, nullptr));
  }
}
BENCHMARK(style_working_size_ms)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
