// SPDX-License-Identifier: GPL-3.0-or-later
// The main screen's costs: the render pass (the time the user interface is
// blocked), a 12-megapixel pick, and start-up to the shown window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>

#include "BenchPhotos.h"
#include "app/Launch.h"
#include "platform/AsyncImageWriter.h"
#include "platform/ImageBridge.h"
#include "platform/Resources.h"
#include "platform/UserDefaults.h"
#include "screen/MainViewController.h"
#include "document/RenderBreakdown.h"
#include "document/SketchDocument.h"
#include "screen/viewController_iPhone.h"
#include "sketch/StylePipeline.h"

namespace {

constexpr int kStyleB = 2;
constexpr int kStyleA = 5;

using bench::makePhoto;

struct QuietController {
  QTemporaryDir dir;
  std::unique_ptr<screen::MainViewController> controller;
  QuietController() {
    bench::quietSettings(dir.filePath("settings.ini"));
    controller = std::make_unique<screen::viewController_iPhone>();
    controller->resize(320, 480);
    controller->loadViewIfNeeded();
    controller->show();
  }
};

// A new 1280 x 960 photo, photo B and photo A both styled, through the whole pass.
void renderpass_ms(benchmark::State& state) {
  QuietController q;
  screen::MainViewController* c = q.controller.get();
  c->didSelectRow(screen::MainViewController::kSketchTypeTag, kStyleB);
  c->didSelectRow(screen::MainViewController::kPhotoATypeTag, kStyleA);
  const QImage photo = makePhoto(1280, 960);
  document::RenderBreakdown sum;
  for (auto _ : state) {
    // Each pass gets a photo of its own, as a newly picked one would be: no
    // raster kept from the pass before applies to it.
    state.PauseTiming();
    c->document()->pickImage(photo.copy(), QStringLiteral("bench"));
    state.ResumeTiming();
    c->document()->dosketch();
    const auto& b = c->document()->lastRenderBreakdown();
    sum.extractMs += b.extractMs;
    sum.textureMs += b.textureMs;
    sum.styleMs += b.styleMs;
    sum.handoffMs += b.handoffMs;
    // The scratch PNG is encoded on the writer's thread after the pass has
    // given the user interface back; keep it out of the next pass's time.
    state.PauseTiming();
    platform::AsyncImageWriter::shared().waitForIdle();
    state.ResumeTiming();
  }
  platform::AsyncImageWriter::shared().waitForIdle();
  const double n = double(state.iterations());
  state.counters["renderpass_extract_ms"] = sum.extractMs / n;
  state.counters["renderpass_texture_ms"] = sum.textureMs / n;
  state.counters["renderpass_styles_ms"] = sum.styleMs / n;
  state.counters["renderpass_handoff_ms"] = sum.handoffMs / n;
}
// Each pass is followed by its scratch PNG's encoding (about 0.2 s, paused):
// a fixed count keeps the run short now that the pass itself is quick.
BENCHMARK(renderpass_ms)->Unit(benchmark::kMillisecond)->Iterations(300);

// The two style renders alone (grey, style pass, texture blend), the yardstick
// for the render pass.
void style_render_pair_ms(benchmark::State& state) {
  const QImage photo = makePhoto(1280, 960);
  const QImage texture = platform::imageByScalingForSize(
      QSizeF(1280, 960), platform::imageWithContentsOfFile(QStringLiteral("sketchbrush.png")));
  const auto photoRaster = platform::GetImageData(photo);
  const auto textureRaster = platform::GetImageData(texture);
  if (!photoRaster || !textureRaster) {
    state.SkipWithError("no rasters");
    return;
  }
  sketch::GrayPlane plane;
  for (auto _ : state) {
    state.PauseTiming();
    sketch::PixelBuffer b = *photoRaster, a = *photoRaster;
    state.ResumeTiming();
    auto rb = sketch::runStylePipeline(std::move(b), kStyleB, *textureRaster, plane);
    auto ra = sketch::runStylePipeline(std::move(a), kStyleA, *textureRaster, plane);
    benchmark::DoNotOptimize(rb);
    benchmark::DoNotOptimize(ra);
  }
}
BENCHMARK(style_render_pair_ms)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// A 4032 x 3024 JPEG from its file to the prepared photo and the canvas fit.
void pick_12mp_ms(benchmark::State& state) {
  QuietController q;
  const QString path = q.dir.filePath("photo12mp.jpg");
  if (!makePhoto(4032, 3024).save(path, "JPG", 90)) {
    state.SkipWithError("could not write the photo");
    return;
  }
  for (auto _ : state) {
    if (!q.controller->document()->pickPhotoFile(path)) state.SkipWithError("pick failed");
  }
}
BENCHMARK(pick_12mp_ms)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Process start to the main window shown: the real executable, offscreen, told
// to quit as soon as its window is up.
// Process start to the shown window (the app prints "shown" once it is up).
void runStartup(benchmark::State& state, const QStringList& profile) {
  QTemporaryDir dir;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
  env.insert("XDG_DATA_HOME", dir.filePath("data"));
  for (auto _ : state) {
    QProcess p;
    p.setProcessEnvironment(env);
    QElapsedTimer timer;
    timer.start();
    p.start(VORLANE_EXE, profile + QStringList{"--quit-after-show"});
    QByteArray out;
    while (!out.contains("shown") && p.waitForReadyRead(30000)) out += p.readAllStandardOutput();
    state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
    p.waitForFinished(30000);
    if (!out.contains("shown")) state.SkipWithError("the window was not shown");
  }
}
void startup_ms(benchmark::State& state) {
  runStartup(state, {"--profile", "phone", "--screen-height", "568"});
}
// The desktop window with no photo.
void startup_desktop_ms(benchmark::State& state) {
  runStartup(state, {"--profile", "desktop"});
}
BENCHMARK(startup_ms)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);
BENCHMARK(startup_desktop_ms)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

// The same in-process: delegate, window, controller start-up, shown.
void startup_inprocess_ms(benchmark::State& state) {
  QTemporaryDir dir;
  platform::UserDefaults::setStorageFile(dir.filePath("settings.ini"));
  app::ChosenProfile profile;
  profile.profile = app::Profile::Phone;
  profile.screenHeight = 568;
  for (auto _ : state) {
    app::Launched launched = app::launch(profile);
    QCoreApplication::processEvents();
    state.PauseTiming();
    launched = app::Launched();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(startup_inprocess_ms)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
