// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the document fuzzer's seed corpus: small valid documents with and
// without history, style steps and a preview, written by the document writer.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "document/PaintingFile.h"

namespace {

canvas::StrokeSegment segment(float x, float y, std::uint32_t stroke, std::uint32_t timeMs, bool mode) {
  canvas::StrokeSegment seg;
  seg.startX = x, seg.startY = y, seg.endX = x + 3.5f, seg.endY = y - 1.25f, seg.width = 4.0f;
  seg.stroke = stroke, seg.timeMs = timeMs, seg.mode = mode;
  return seg;
}

document::PaintingRecord tiny() {
  document::PaintingRecord record;
  record.photoBytes = QByteArray("not decoded by the reader, only checked against its digest");
  record.photoName = QStringLiteral("photo.jpg");
  record.workingSize = QSize(32, 24);
  record.firstSketchStyle = 1;
  record.firstColourStyle = 2;
  return record;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz_make_painting_seeds FOLDER\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  QDir().mkpath(dir.path());

  document::PaintingRecord empty = tiny();
  document::PaintingRecord painted = tiny();
  document::PaintingStep stroke;
  stroke.timeMs = 40;
  for (int i = 0; i < 4; ++i) stroke.segments.push_back(segment(2.0f * i, 5.0f, 0, 40 + 16 * i, i % 2 == 1));
  document::PaintingStep style;
  style.kind = document::PaintingStep::Kind::Style;
  style.sketchStyle = 7;
  style.colourStyle = 3;
  style.timeMs = 900;
  document::PaintingStep second = stroke;
  for (canvas::StrokeSegment& seg : second.segments) seg.stroke = 1;
  painted.steps = {stroke, style, second};
  painted.undoPosition = 2;
  document::PaintingRecord previewed = painted;
  previewed.preview = QImage(6, 4, QImage::Format_ARGB32);
  previewed.preview.fill(qRgba(200, 100, 50, 180));

  int failures = 0;
  for (const auto& [name, record] : {std::pair{"empty.vorlane", empty}, std::pair{"painted.vorlane", painted},
                                     std::pair{"previewed.vorlane", previewed}}) {
    QString reason;
    if (!document::writePaintingFile(dir.filePath(name), record, &reason)) {
      std::fprintf(stderr, "%s: %s\n", name, qPrintable(reason));
      ++failures;
    }
  }
  return failures == 0 ? 0 : 1;
}
