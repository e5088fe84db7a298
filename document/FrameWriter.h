// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The time-lapse's encoders: frames in, one file out. They write to the path
// they are given as they go (the caller writes to a temporary file and renames
// it once finish() succeeded), and keep only what their encoder needs in
// memory, never the frames.
#include <QImage>
#include <QSize>
#include <QString>
#include <memory>

namespace document {

class FrameWriter {
 public:
  virtual ~FrameWriter() = default;
  // Adds one opaque frame of the size given when opened (Format_RGB32 or
  // Format_ARGB32_Premultiplied), shown for 1/fps seconds.
  virtual bool add(const QImage& frame, QString* reason) = 0;
  // Flushes the encoder and completes the file.
  virtual bool finish(QString* reason) = 0;
};

// H.264 in MP4 (yuv420p, moov atom first), through libavcodec's libx264 when it
// has it, otherwise its other H.264 encoder; size must be even on both sides.
std::unique_ptr<FrameWriter> openMp4Writer(const QString& path, QSize size, int fps, QString* reason);

// Lossy animated WebP through libwebp's WebPAnimEncoder, looping forever.
std::unique_ptr<FrameWriter> openWebpWriter(const QString& path, QSize size, int fps, QString* reason);

}  // namespace document
