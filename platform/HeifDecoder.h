// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// HEIF and AVIF pictures (what phones write today) through libheif: the
// container is read first, the primary picture decoded only when asked, with
// the file's rotation and mirroring applied, so the result is upright.
#include <QIODevice>
#include <QImage>
#include <QSize>
#include <QString>
#include <memory>
#include <optional>

namespace platform {

class HeifDecoder {
 public:
  // Whether this libheif can decode HEVC-coded (HEIF) or AV1-coded (AVIF)
  // pictures. Sets libheif up first: before that it knows no decoder at all.
  static bool canDecode(bool av1);

  HeifDecoder();
  ~HeifDecoder();
  HeifDecoder(const HeifDecoder&) = delete;
  HeifDecoder& operator=(const HeifDecoder&) = delete;

  // Reads the container from device (kept open and unmoved while this lives).
  bool open(QIODevice& device, QString* reason);
  // The primary picture's size, upright.
  QSize size() const;
  // Peak memory of decode(), estimated from the container.
  qint64 decodeCost() const;
  // The primary picture, Format_ARGB32.
  std::optional<QImage> decode(QString* reason);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace platform
