// SPDX-License-Identifier: GPL-3.0-or-later
// batch_24x12mp_s: wall time of `vorlane-sketch --style 3 --jobs 2 --out-dir`
// over 24 camera-sized JPEGs (4032 x 3024), PNG out.
// batch_24x12mp_png_level6_s: the same with zlib's default level (`--quality
// 66`) instead of its fastest, which the batch writes by default.
// batch_24x12mp_imagemagick_s: the same files through ImageMagick, two at a
// time: `convert IN -resize 1280x1280 -charcoal 1 OUT.png`, the usual way to
// sketch a folder of photos from the command line. Skipped without ImageMagick.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <QDir>
#include <QImage>
#include <QImageWriter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdint>
#include <memory>

extern char** environ;

namespace {

constexpr int kPhotos = 24;

// Smooth gradients with fine grain and a few shapes, different for every seed,
// so that each JPEG carries about as much detail as a camera photo.
QImage photoLike(int width, int height, std::uint32_t seed) {
  QImage image(width, height, QImage::Format_RGB32);
  const int cx = int(seed * 977 % std::uint32_t(width)), cy = int(seed * 631 % std::uint32_t(height));
  for (int y = 0; y < height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) {
      seed = seed * 1664525u + 1013904223u;
      const int grain = int(seed >> 28) - 8;
      const int ring = ((x - cx) * (x - cx) + (y - cy) * (y - cy)) / 4096 % 96;
      line[x] =
          qRgb(qBound(0, 255 * x / width + grain - ring / 2, 255), qBound(0, 255 * y / height + grain, 255),
               qBound(0, 128 + (x - y) / 64 + grain + ring, 255));
    }
  }
  return image;
}

// Written once per process into a folder that outlives the runs.
struct Photos {
  QTemporaryDir dir;
  QStringList files;
};
const Photos& photos() {
  static std::unique_ptr<Photos> photos;
  if (!photos) {
    photos = std::make_unique<Photos>();
    for (int i = 0; i < kPhotos; ++i) {
      const QString path = photos->dir.filePath(QString("photo%1.jpg").arg(i, 2, 10, QChar('0')));
      QImageWriter writer(path, "jpeg");
      writer.setQuality(90);
      writer.write(photoLike(4032, 3024, std::uint32_t(i + 1) * 2654435761u));
      photos->files << path;
    }
  }
  return *photos;
}

pid_t spawn(const QStringList& command) {
  QList<QByteArray> bytes;
  for (const QString& arg : command) bytes << QFile::encodeName(arg);
  std::vector<char*> argv;
  for (QByteArray& b : bytes) argv.push_back(b.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  return posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) == 0 ? pid : -1;
}

bool succeeded(pid_t pid) {
  int status = 0;
  return pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void runSketchBatch(benchmark::State& state, const QStringList& extra) {
  const Photos& in = photos();
  for (auto _ : state) {
    state.PauseTiming();
    QTemporaryDir out;
    state.ResumeTiming();
    const bool ok = succeeded(
        spawn(QStringList{VORLANE_SKETCH_EXE, "--style", "3", "--jobs", "2", "--out-dir", out.path()} +
              extra + in.files));
    if (!ok || QDir(out.path()).entryList(QDir::Files).size() != kPhotos)
      state.SkipWithError("the batch failed");
  }
}

void batch_24x12mp_s(benchmark::State& state) {
  runSketchBatch(state, {});
}
void batch_24x12mp_png_level6_s(benchmark::State& state) {
  runSketchBatch(state, {"--quality", "66"});
}

void batch_24x12mp_imagemagick_s(benchmark::State& state) {
  // Debian's ImageMagick 6 binary; `convert` where it has another name.
  QString convert = QStandardPaths::findExecutable("convert-im6.q16");
  if (convert.isEmpty()) convert = QStandardPaths::findExecutable("convert");
  if (convert.isEmpty()) {
    state.SkipWithError("ImageMagick is not installed");
    return;
  }
  const Photos& in = photos();
  for (auto _ : state) {
    state.PauseTiming();
    QTemporaryDir out;
    state.ResumeTiming();
    // Two at a time: a new one starts as soon as either of the two ends.
    bool ok = true;
    int running = 0;
    for (int next = 0; next < kPhotos || running > 0;) {
      if (running < 2 && next < kPhotos) {
        const pid_t pid = spawn({convert, in.files[next], "-resize", "1280x1280", "-charcoal", "1",
                                 out.filePath(QString("photo%1.png").arg(next))});
        ++next;
        ok = ok && pid > 0;
        running += pid > 0;
        continue;
      }
      int status = 0;
      if (waitpid(-1, &status, 0) <= 0) break;
      --running;
      ok = ok && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    if (!ok || QDir(out.path()).entryList(QDir::Files).size() != kPhotos)
      state.SkipWithError("ImageMagick failed");
  }
}

}  // namespace

BENCHMARK(batch_24x12mp_s)
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK(batch_24x12mp_png_level6_s)
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK(batch_24x12mp_imagemagick_s)->Unit(benchmark::kSecond)->Iterations(1);
