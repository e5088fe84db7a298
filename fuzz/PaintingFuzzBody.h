// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One fuzz input as a document file: the bytes are written to a file of their
// own and read whole and for the preview alone. Returns what went wrong, or
// nothing: a read must refuse with a reason or give a record within the
// reader's promises, agree with the preview-only read, and leave the file as
// it was. Shared by the libFuzzer target and the test that replays its findings.
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <optional>
#include <string>

#include "document/PaintingFile.h"

namespace fuzz {

inline std::optional<std::string> checkRecord(const document::PaintingRecord& record) {
  const QSize size = record.workingSize;
  if (size.width() < 1 || size.height() < 1 || size.width() > 20000 || size.height() > 20000)
    return "a working size out of range";
  if (record.undoPosition < 0 || std::size_t(record.undoPosition) > record.steps.size())
    return "an undo position past the steps";
  if (std::int64_t(record.steps.size()) > document::kMaxPaintingSteps ||
      record.segmentCount() > document::kMaxPaintingSegments)
    return "more than the limits";
  for (const document::PaintingStep& step : record.steps)
    for (const canvas::StrokeSegment& seg : step.segments)
      for (const float v : {seg.startX, seg.startY, seg.endX, seg.endY})
        if (!std::isfinite(v) || std::fabs(v) > 1e6f || !(seg.width > 0) || seg.width > 1e5f)
          return "a segment value out of range";
  if (std::max(record.preview.width(), record.preview.height()) > document::kPreviewSide)
    return "a preview over its side";
  return std::nullopt;
}

inline std::optional<std::string> readPaintingBytes(const QByteArray& bytes) {
  static QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("input.vorlane"));
  {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
      return "the input could not be written";
  }
  QString reason, previewReason;
  const std::optional<document::PaintingRecord> record = document::readPaintingFile(path, &reason);
  const std::optional<QImage> preview = document::readPaintingPreview(path, &previewReason);
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.readAll() != bytes) return "the read changed the file";
  if (!record) return reason.isEmpty() ? std::optional<std::string>("refused without a reason") : std::nullopt;
  if (std::optional<std::string> fault = checkRecord(*record)) return fault;
  if (!preview || *preview != record->preview) return "the preview alone reads otherwise";
  return std::nullopt;
}

}  // namespace fuzz
