// SPDX-License-Identifier: GPL-3.0-or-later
// prepare_12mp_ms: a 4032 x 3024 JPEG decoded at a reduced size, made upright
// and limited to the working size; prepare_12mp_full_decode_ms: the same photo
// decoded in full, then scaled.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>
#include <cstdint>
#include <memory>

#include "platform/PhotoDecoder.h"

namespace {

// A photo-like picture: smooth gradients with fine grain, so the JPEG carries
// about as much detail (and costs about as much to decode) as a camera photo.
QImage photoLike(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  std::uint32_t seed = 12345;
  for (int y = 0; y < height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) {
      seed = seed * 1664525u + 1013904223u;
      const int grain = int(seed >> 28) - 8;
      line[x] = qRgb(qBound(0, 255 * x / width + grain, 255), qBound(0, 255 * y / height + grain, 255),
                     qBound(0, 128 + (x - y) / 64 + grain, 255));
    }
  }
  return image;
}

// Written once per process into a temporary folder that outlives the runs.
const QString& photoFile() {
  static std::unique_ptr<QTemporaryDir> dir;
  static QString path;
  if (path.isEmpty()) {
    dir = std::make_unique<QTemporaryDir>();
    path = dir->filePath("photo-12mp.jpg");
    QImageWriter writer(path, "jpeg");
    writer.setQuality(90);
    writer.write(photoLike(4032, 3024));
  }
  return path;
}

void prepare_12mp_ms(benchmark::State& state) {
  const QString& path = photoFile();
  for (auto _ : state) {
    std::optional<platform::PreparedPhoto> photo = platform::preparePhoto(path);
    if (!photo || photo->image.size() != QSize(1280, 960)) state.SkipWithError("preparation failed");
    benchmark::DoNotOptimize(photo);
  }
}

void prepare_12mp_full_decode_ms(benchmark::State& state) {
  const QString& path = photoFile();
  for (auto _ : state) {
    std::optional<platform::PreparedPhoto> photo = platform::preparePhotoFullDecode(path);
    if (!photo || photo->image.size() != QSize(1280, 960)) state.SkipWithError("preparation failed");
    benchmark::DoNotOptimize(photo);
  }
}

}  // namespace

BENCHMARK(prepare_12mp_ms)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(prepare_12mp_full_decode_ms)->Unit(benchmark::kMillisecond)->MinTime(2.0);
