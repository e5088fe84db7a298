// SPDX-License-Identifier: GPL-3.0-or-later
// The painting document's costs: committing a finished stroke to the session
// (the main thread's part), opening a document of 10,000 segments on a 12 MP
// photo to the painted canvas, and saving a 1,000-stroke painting against
// saving its picture to the album; with the bytes a segment takes on disk; the
// time-lapse of a 1,000-stroke painting against its encoder alone.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cmath>
#include <memory>

#include "BenchPhotos.h"
#include "canvas/CanvasModel.h"
#include "canvas/Painting.h"
#include "canvas/StrokeHistory.h"
#include "document/PaintingFile.h"
#include "document/PaintingFlatten.h"
#include "document/SaveShare.h"
#include "document/SketchDocument.h"
#include "document/FrameWriter.h"
#include "document/Timelapse.h"
#include "document/TimelapsePlan.h"
#include "platform/AsyncImageWriter.h"
#include "platform/ImageWorkThread.h"

namespace {

using bench::makePhoto;

// A window-free desktop document with its own settings and session folder.
struct Desk {
  QTemporaryDir dir;
  std::unique_ptr<canvas::CanvasModel> canvas;
  std::unique_ptr<document::SketchDocument> doc;
  Desk() {
    bench::quietSettings(dir.filePath("settings.ini"));
    canvas = std::make_unique<canvas::CanvasModel>(canvas::PlateRule::FitPicture, QRectF(0, 0, 1600, 1000), QRectF());
    doc = std::make_unique<document::SketchDocument>();
    doc->load();
    doc->setCanvas(canvas.get(), 0.0f);
    doc->setKeepsPainting(dir.filePath("sessions"));
  }
  ~Desk() {
    doc.reset();
    platform::AsyncImageWriter::shared().waitForIdle();
  }
  canvas::Painting* painting() const { return canvas->painting(); }
};

// A stroke of n segments, a wavy line across the picture, in picture pixels.
std::vector<canvas::StrokeSegment> strokeOf(int index, int n, QSize size, float width) {
  std::vector<canvas::StrokeSegment> segments;
  const float y0 = float((index * 37) % size.height());
  float lastX = 0.0f, lastY = y0;
  for (int i = 1; i <= n; ++i) {
    const float x = float(size.width()) * float(i) / float(n);
    const float y = y0 + 20.0f * std::sin(float(i) * 0.3f + float(index));
    segments.push_back({x, y, lastX, lastY, width, index % 4 == 3, std::uint32_t(index), std::uint32_t(index * 1000 + i * 16)});
    lastX = x;
    lastY = y;
  }
  return segments;
}

QByteArray jpegBytes(int w, int h) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  makePhoto(w, h).save(&buffer, "JPG", 90);
  return bytes;
}

// A painting of strokes x 50 segments over a 12 MP JPEG's working size.
document::PaintingRecord painting(int strokes) {
  document::PaintingRecord record;
  record.photoBytes = jpegBytes(4032, 3024);
  record.photoName = QStringLiteral("photo12mp.jpg");
  record.workingSize = QSize(1280, 960);
  record.firstSketchStyle = 2;
  record.firstColourStyle = 0;
  for (int s = 0; s < strokes; ++s) {
    document::PaintingStep step;
    step.kind = document::PaintingStep::Kind::Stroke;
    step.segments = strokeOf(s, 50, record.workingSize, 40.0f);
    step.timeMs = step.segments.front().timeMs;
    record.steps.push_back(std::move(step));
  }
  record.undoPosition = strokes;
  record.created = record.modified = QDateTime::currentDateTimeUtc();
  return record;
}

// The main thread's part of a finished 50-segment stroke: the step made from the
// history and handed to the session's thread.
void stroke_commit_us(benchmark::State& state) {
  Desk d;
  d.doc->pickImage(makePhoto(1280, 960), QStringLiteral("bench"));
  d.doc->dosketch();
  d.painting()->setLinesize(60.0f);
  int index = 0;
  for (auto _ : state) {
    state.PauseTiming();
    for (const canvas::StrokeSegment& seg : strokeOf(index++, 50, QSize(1280, 960), 60.0f))
      d.painting()->paintSegment({seg.startX, seg.startY}, {seg.endX, seg.endY});
    state.ResumeTiming();
    d.painting()->finishStroke();
  }
}
BENCHMARK(stroke_commit_us)->Unit(benchmark::kMicrosecond)->Iterations(300);

// From File > Open of a 10,000-segment document on a 12 MP photo to the
// painted canvas: read, photo decoded and checked, styles rendered, replay.
void open_document_10k_ms(benchmark::State& state) {
  Desk d;
  const QString written = d.dir.filePath("written.vorlane");
  const QString path = d.dir.filePath("painting.vorlane");
  if (!document::writePaintingFile(written, painting(200))) {
    state.SkipWithError("could not write the document");
    return;
  }
  // Saved once by the app, as a user's document is: with its work image.
  d.doc->openFile(written);
  d.doc->dosketch();
  QEventLoop wait;
  QObject::connect(d.doc.get(), &document::SketchDocument::saveFinished, &wait, &QEventLoop::quit);
  if (!d.doc->savePainting(path)) {
    state.SkipWithError("could not save the document");
    return;
  }
  wait.exec();
  d.doc->closeSession();
  for (auto _ : state) {
    if (!d.doc->openFile(path)) state.SkipWithError("open failed");
    d.doc->dosketch();
    state.PauseTiming();
    // Closed again, so that the next open is not "open already".
    d.doc->closeSession();
    platform::AsyncImageWriter::shared().waitForIdle();
    state.ResumeTiming();
  }
}
BENCHMARK(open_document_10k_ms)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The parts of that open: reading and checking the file, and replaying its
// strokes over photo B at the working size.
void open_document_10k_read_ms(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath("painting.vorlane");
  if (!document::writePaintingFile(path, painting(200))) {
    state.SkipWithError("could not write the document");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(document::readPaintingFile(path));
}
BENCHMARK(open_document_10k_read_ms)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void open_document_10k_replay_ms(benchmark::State& state) {
  const document::PaintingRecord record = painting(200);
  int inEffect = 0;
  const std::vector<canvas::StrokeSegment> segments = record.strokeSegments(&inEffect);
  canvas::StrokeHistory history;
  history.setRestoresBase(true);
  history.setBase(makePhoto(1280, 960).convertToFormat(QImage::Format_ARGB32_Premultiplied));
  for (auto _ : state) {
    history.load(segments, inEffect);
    benchmark::DoNotOptimize(history.rebuild());
  }
}
BENCHMARK(open_document_10k_replay_ms)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// Saving a painting of 1,000 strokes (50,000 segments) on a 12 MP photo, and
// what it takes on disk beside its photo.
void save_document_ms(benchmark::State& state) {
  QTemporaryDir dir;
  document::PaintingRecord record = painting(1000);
  record.preview = makePhoto(256, 192);
  const QString path = dir.filePath("painting.vorlane");
  for (auto _ : state)
    if (!document::writePaintingFile(path, record)) state.SkipWithError("could not write the document");
  const double segments = double(record.segmentCount());
  const qint64 size = QFileInfo(path).size();
  state.counters["document_1000_strokes_kb"] = double(size) / 1024.0;
  state.counters["document_photo_kb"] = double(record.photoBytes.size()) / 1024.0;
  state.counters["document_bytes_per_segment"] =
      double(size - record.photoBytes.size()) / segments;
}
BENCHMARK(save_document_ms)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The yardstick: the same painting's picture saved to the album as a PNG.
void save_album_png_ms(benchmark::State& state) {
  QTemporaryDir dir;
  const QImage picture = makePhoto(1280, 960).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  int n = 0;
  for (auto _ : state) {
    const document::AlbumWrite written =
        document::writeToAlbum(picture, dir.path(), QStringLiteral("bench %1").arg(n++));
    if (!written.ok) state.SkipWithError("could not save");
  }
}
BENCHMARK(save_album_png_ms)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// A 1,000-stroke painting (50,000 segments) on a 12 MP photo's working size
// (1280 x 960) to a 10-second MP4, its longer side at the default 1080.
void timelapse_10s_1080p_s(benchmark::State& state) {
  QTemporaryDir dir;
  const document::PaintingRecord record = painting(1000);
  const QString out = dir.filePath("painting.mp4");
  for (auto _ : state) {
    QString reason;
    if (!document::writeTimelapse(record, out, {}, {}, &reason)) state.SkipWithError(qPrintable(reason));
  }
  state.counters["timelapse_10s_1080p_mb"] = double(QFileInfo(out).size()) / (1024.0 * 1024.0);
}
BENCHMARK(timelapse_10s_1080p_s)->Unit(benchmark::kSecond)->Iterations(1);

// The yardstick: the same encoder, at the same settings and frame size,
// given one fixed frame 300 times.
void timelapse_encoder_only_s(benchmark::State& state) {
  QTemporaryDir dir;
  const QSize size = document::timelapseFrameSize(QSize(1280, 960), {}, 1080, true);
  const QImage frame = makePhoto(size.width(), size.height());
  for (auto _ : state) {
    QString reason;
    std::unique_ptr<document::FrameWriter> writer =
        document::openMp4Writer(dir.filePath("still.mp4"), size, document::kTimelapseFps, &reason);
    for (int i = 0; writer && i < 10 * document::kTimelapseFps; ++i)
      if (!writer->add(frame, &reason)) writer.reset();
    if (!writer || !writer->finish(&reason)) state.SkipWithError(qPrintable(reason));
  }
}
BENCHMARK(timelapse_encoder_only_s)->Unit(benchmark::kSecond)->Iterations(1);

// Where the time-lapse's time goes: its 300 frames painted and composed as
// writeTimelapse paints them, with no encoder (a writer that only reads each
// frame's first pixel); the rest of timelapse_10s_1080p_s is the encoder's.
class FirstPixelWriter : public document::FrameWriter {
 public:
  bool add(const QImage& frame, QString*) override {
    sum_ += frame.pixel(0, 0);
    return true;
  }
  bool finish(QString*) override { return true; }
  QRgb sum_ = 0;
};

void timelapse_frames_only_s(benchmark::State& state) {
  const document::PaintingRecord record = painting(1000);
  QString reason;
  const std::optional<QImage> photo = document::paintingPhoto(record, &reason);
  if (!photo) {
    state.SkipWithError(qPrintable(reason));
    return;
  }
  const QSize size = document::timelapseFrameSize(record.workingSize, {}, 1080, true);
  for (auto _ : state) {
    FirstPixelWriter writer;
    document::TimelapseFailure failed = document::TimelapseFailure::None;
    platform::runPaintingWork([&] {
      failed = document::paintTimelapse(record, *photo, 1.0, size, 10, writer, {}, &reason);
      return 0;
    });
    if (failed != document::TimelapseFailure::None) state.SkipWithError(qPrintable(reason));
    benchmark::DoNotOptimize(writer.sum_);
  }
}
BENCHMARK(timelapse_frames_only_s)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
