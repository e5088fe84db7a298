// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The painting as a file: a `.vorlane` document is an SQLite database holding
// the photo's original bytes, the working size and the history of steps
// (strokes and style changes) with the undo position. Its pixels are never
// stored, only derived by replay; the preview is for file managers alone.
// The schema is documented in docs/file-format.md.
//
// Everything read is checked before it is believed: a file that is not ours,
// damaged, from a newer schema or with values no painting can have is refused
// with one short lower-case reason, and nothing is written to it.
#include <QByteArray>
#include <QDateTime>
#include <QImage>
#include <QSize>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "canvas/StrokeSegment.h"

namespace document {

// "VRLN": the number at offset 68 of every Vorlane document (PRAGMA application_id).
inline constexpr std::int32_t kPaintingApplicationId = 0x56524C4E;
inline constexpr int kPaintingSchemaVersion = 1;
// What a reader accepts, so that a hostile file costs bounded memory and time.
inline constexpr std::int64_t kMaxPaintingSegments = 4'000'000;
inline constexpr std::int64_t kMaxPaintingSteps = 1'000'000;
inline constexpr int kPreviewSide = 256;

// One step of the history: a whole stroke, or a change of the style pair.
struct PaintingStep {
  enum class Kind { Stroke, Style };
  Kind kind = Kind::Stroke;
  // Milliseconds since the painting began, when the step began.
  std::uint32_t timeMs = 0;
  // Kind::Style: the pair in force from this step on.
  int sketchStyle = 0;
  int colourStyle = 0;
  // Kind::Stroke: its segments in order, all with the same stroke number;
  // each segment's timeMs is its own time since the painting began.
  std::vector<canvas::StrokeSegment> segments;

  bool operator==(const PaintingStep&) const = default;
};

// The work image as it was saved, so that opening need not replay every
// stroke: coded against photo B of the styles in force (see StrokeHistory's
// checkpoints). Only a cache: it is used when its digest, position and styles
// match the record's, and the strokes are replayed otherwise.
struct WorkCheckpoint {
  int position = 0;  // steps in effect when it was taken
  int sketchStyle = 0;
  int colourStyle = 0;
  QByteArray digest;  // PaintingRecord::replayDigest(position) when it was taken
  std::vector<std::uint32_t> code;

  bool operator==(const WorkCheckpoint&) const = default;
};

struct PaintingRecord {
  QByteArray photoBytes;  // the photo's bytes as opened, never recompressed
  QString photoName;      // the photo's file name, for titles and recovery
  QSize workingSize;      // the photo's size after the working-size rule
  // The style pair in force when the painting began (before any Style step).
  int firstSketchStyle = 0;
  int firstColourStyle = 0;
  std::vector<PaintingStep> steps;
  int undoPosition = 0;  // steps in effect: 0 .. steps.size()
  QImage preview;        // at most kPreviewSide on its longer side; may be null
  QString appVersion;    // the Vorlane that wrote the file (filled in on write)
  QDateTime created;     // UTC
  QDateTime modified;    // UTC
  std::optional<WorkCheckpoint> work;

  // The style pair in force with the first n steps in effect.
  std::pair<int, int> stylesAt(int n) const;
  std::int64_t segmentCount() const;
  // Every stroke's segments in order (what the canvas's history holds), and
  // how many of them the steps in effect hold.
  std::vector<canvas::StrokeSegment> strokeSegments(int* inEffect) const;
  // SHA-256 of what the work image with the first `position` steps depends on
  // besides the pictures: the working size and every field of the segments in effect.
  QByteArray replayDigest(int position) const;
  // The stored work image when it belongs to this very record in its state.
  const WorkCheckpoint* matchingWork() const;
};

// Reads and checks a whole document; the photo bytes are only checked here for
// their digest (decoding them is the caller's, under the photo-input checks).
std::optional<PaintingRecord> readPaintingFile(const QString& path, QString* reason = nullptr);

// Writes record to path as one step: a new file beside it, made durable and
// then renamed over path, so that a failure or a killed process leaves any
// earlier document whole and never a partial file at path.
bool writePaintingFile(const QString& path, const PaintingRecord& record, QString* reason = nullptr);

// Only the preview (for thumbnailers): reads no history and no photo.
std::optional<QImage> readPaintingPreview(const QString& path, QString* reason = nullptr);

// Whether the file starts like a Vorlane document (SQLite header and our
// application id); cheap, reads 72 bytes.
bool looksLikePaintingFile(const QString& path);

}  // namespace document
