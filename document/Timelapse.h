// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A painting replayed as a short video: it opens on the untouched sketch, the
// strokes in effect appear in the order and at the pace they were painted
// (long pauses shortened, see TimelapsePlan.h), a style change cuts to the new
// style's pictures, and the finished painting holds for the last second.
#include <QImage>
#include <QSize>
#include <QString>
#include <functional>

#include "document/PaintingFile.h"

namespace document {

inline constexpr int kTimelapseFps = 30;
inline constexpr int kTimelapseHoldFrames = kTimelapseFps;  // the finished painting's second
inline constexpr int kMinTimelapseSeconds = 3;
inline constexpr int kMaxTimelapseSeconds = 120;
// The smallest longer side asked for; the largest is the photo's own, as for
// Export (timelapseFrameSize).
inline constexpr int kMinTimelapseSide = 16;

struct TimelapseOptions {
  int durationSeconds = 10;  // the whole clip, hold included
  int longerSide = 1080;
};

// What a failure was about, for a caller that names a file with it.
enum class TimelapseFailure { None, Options, Painting, Output, Cancelled };

// Writes the time-lapse of record to outPath, as H.264 MP4 or animated WebP by
// its suffix (.mp4, .webp). progress, when given, hears after each frame how
// far along it is (0..1]; it returns false to cancel. Written to a temporary
// file beside outPath and renamed over it at the end: a failure or a cancel
// leaves nothing new behind and any earlier file as it was.
bool writeTimelapse(const PaintingRecord& record, const QString& outPath, const TimelapseOptions& options,
                    const std::function<bool(double progress)>& progress, QString* reason,
                    TimelapseFailure* failure = nullptr);

class FrameWriter;

// The frames of record's time-lapse, durationSeconds long at kTimelapseFps,
// painted at size from photo (rendered at renderScale of the working size, see
// sizedPaintingPhoto) and handed to writer in order; writer is not finished.
// writeTimelapse checks the options, opens the file's writer and calls this.
TimelapseFailure paintTimelapse(const PaintingRecord& record, const QImage& photo, double renderScale, QSize size,
                                int durationSeconds, FrameWriter& writer,
                                const std::function<bool(double progress)>& progress, QString* reason);

}  // namespace document
