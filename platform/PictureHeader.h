// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a picture's header promises, read without decoding: its format, the size
// the decoder will produce, whether the data reaches as far as the picture
// needs, and what decoding it will cost in memory. Decoders allocate for the
// size a header claims, so every claim is judged here, before any of them runs.
#include <QByteArray>
#include <QIODevice>
#include <QSize>
#include <QString>
#include <optional>

namespace platform {

// The most memory one picture may cost to decode and prepare.
constexpr qint64 kDecodeBudgetBytes = qint64(512) << 20;

struct PictureHeader {
  QByteArray format;     // Qt's plugin name ("jpeg", "png", "gif", "bmp", "tiff", "webp", "ppm"), or "heif"
  QSize size;            // what a full decode produces, in the stored orientation
  bool complete = true;  // false: the data ends before the picture can
  int decodedBytesPerPixel = 4;  // of the decoder's output at full quality
  bool convertedCopy = false;    // that output is not 32-bit: making it so copies it
  qint64 scaleIndependentBytes =
      0;                         // decoder memory whatever the output size (JPEG coefficients, a TIFF strip)
  qint64 perPixelWorkBytes = 0;  // decoder memory per output pixel beyond the output itself
  qint64 sourceBytes = 0;        // the encoded bytes, when the decoder reads them whole first
  // JPEG only: decoding at a reduced size (M/8 of each side) is possible.
  bool reducible = false;
};

// Sniffs the format from the first bytes and reads its header. Nothing comes
// back, with *reason set, for bytes of no format read here ("the file is not a
// picture") and for a header that is itself broken ("the file is damaged or
// incomplete"). HEIF and AVIF files come back with format "heif" and no size:
// their container is read by the HEIF decoder.
std::optional<PictureHeader> readPictureHeader(QIODevice& device, QString* reason = nullptr);

// Estimated peak memory of decoding at decodeSize (in the stored orientation)
// and making the result a 32-bit image; saturates instead of overflowing.
qint64 decodeCost(const PictureHeader& header, QSize decodeSize);

}  // namespace platform
