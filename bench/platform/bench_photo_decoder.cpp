// SPDX-License-Identifier: GPL-3.0-or-later
// prepare_12mp_ms: a 4032 x 3024 JPEG decoded at a reduced size, made upright
// and limited to the working size; prepare_12mp_full_decode_ms: the same photo
// decoded in full, then scaled; export_full_12mp_jpeg_ms: a painting on that
// photo (a sketch style, strokes of both brushes) made into its picture at the
// photo's own size and written as JPEG, as `vorlane-sketch --size full` does.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>
#include <cstdint>
#include <memory>

#include "document/PaintingFile.h"
#include "document/PaintingFlatten.h"
#include "document/StyleRenderer.h"
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

void export_full_12mp_jpeg_ms(benchmark::State& state) {
  QFile file(photoFile());
  if (!file.open(QIODevice::ReadOnly)) {
    state.SkipWithError("no photo");
    return;
  }
  document::PaintingRecord record;
  record.photoBytes = file.readAll();
  record.photoName = "photo-12mp.jpg";
  record.workingSize = QSize(1280, 960);
  record.firstSketchStyle = 2;
  record.firstColourStyle = 0;
  for (std::uint32_t n = 0; n < 20; ++n) {
    document::PaintingStep step;
    for (int i = 0; i < 30; ++i)
      step.segments.push_back({float(40 * i + 60), float(45 * n + 30), float(40 * i + 20), float(45 * n + 20), 24.0f,
                               n % 2 == 1, n, n * 1000 + std::uint32_t(i)});
    step.timeMs = step.segments.front().timeMs;
    record.steps.push_back(std::move(step));
  }
  record.undoPosition = int(record.steps.size());
  document::StyleRenderer renderer;
  renderer.setTextureName(document::paintingTextureName());
  for (auto _ : state) {
    std::optional<QImage> picture = document::flattenPainting(record, renderer, document::kFullPictureSize);
    if (!picture || picture->size() != QSize(4032, 3024)) {
      state.SkipWithError("export failed");
      break;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(92);
    if (!writer.write(picture->convertToFormat(QImage::Format_RGB32))) state.SkipWithError("encoding failed");
    benchmark::DoNotOptimize(bytes);
  }
}

}  // namespace

BENCHMARK(prepare_12mp_ms)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(prepare_12mp_full_decode_ms)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(export_full_12mp_jpeg_ms)->Unit(benchmark::kMillisecond)->MinTime(2.0);
