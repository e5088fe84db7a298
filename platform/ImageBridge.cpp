// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ImageBridge.h"

#include <cstdio>

#include "platform/Log.h"
#include "sketch/Diagnostics.h"
#include "sketch/WideDispatch.h"

namespace platform {

namespace {

// On little-endian machines Qt's premultiplied ARGB word is B, G, R, A in
// memory and the raster's word is A, R, G, B: the two are byte-swaps of each
// other. orMask forces alpha where a format promises opaque pixels.
VORLANE_WIDE void swapWords(const std::uint32_t* __restrict in, std::uint32_t* __restrict out, std::size_t n,
                            std::uint32_t orMask) {
  for (std::size_t i = 0; i < n; ++i) out[i] = __builtin_bswap32(in[i]) | orMask;
}

void complain(const char* message) {
  sketch::reportDiagnostic(message);
}

}  // namespace

std::optional<sketch::PixelBuffer> GetImageData(const QImage& image) {
  if (image.isNull() || image.width() <= 0 || image.height() <= 0) {
    complain("Context not created!");
    return std::nullopt;
  }
  std::optional<sketch::PixelBuffer> allocated = sketch::PixelBuffer::allocate(image.width(), image.height());
  if (!allocated) return std::nullopt;
  sketch::PixelBuffer& buffer = *allocated;

  // The raster takes the image's premultiplied pixels word by word, byte-swapped:
  // premultiplied ARGB32 as it is, RGB32 with its alpha byte forced opaque, and
  // any other format converted to premultiplied ARGB32 first.
  QImage source = image;
  std::uint32_t orMask = 0;
  if (source.format() == QImage::Format_RGB32) {
    orMask = 0xFFu;  // alpha, the raster word's low byte
  } else if (source.format() != QImage::Format_ARGB32_Premultiplied) {
    source = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (source.isNull() || source.size() != image.size()) {
      complain("Context not created!");
      return std::nullopt;
    }
  }
  const std::size_t w = std::size_t(buffer.width);
  for (int y = 0; y < buffer.height; ++y)
    swapWords(reinterpret_cast<const std::uint32_t*>(source.constScanLine(y)),
              buffer.pixels.data() + std::size_t(y) * w, w, orMask);
  return allocated;
}

QImage imageAsRasterWords(const QImage& image) {
  if (image.isNull()) return image;
  if (image.format() == QImage::Format_ARGB32_Premultiplied || image.format() == QImage::Format_RGB32)
    return image;
  return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

sketch::WordsView wordsOf(const QImage& image) {
  if (image.isNull() || (image.format() != QImage::Format_ARGB32_Premultiplied &&
                         image.format() != QImage::Format_RGB32) ||
      image.bytesPerLine() != qsizetype(image.width()) * 4)
    return {};
  return {reinterpret_cast<const std::uint32_t*>(image.constBits()), image.width(), image.height(),
          sketch::WordOrder::Argb32};
}

QImage toQImage(const sketch::PixelBuffer& buffer) {
  if (buffer.width <= 0 || buffer.height <= 0 ||
      buffer.pixels.size() != std::size_t(buffer.width) * std::size_t(buffer.height))
    return QImage();
  QImage image(buffer.width, buffer.height, QImage::Format_ARGB32_Premultiplied);
  if (image.isNull()) return image;
  const std::size_t w = std::size_t(buffer.width);
  for (int y = 0; y < buffer.height; ++y)
    swapWords(buffer.pixels.data() + std::size_t(y) * w, reinterpret_cast<std::uint32_t*>(image.scanLine(y)),
              w, 0);
  return image;
}

QImage imageByScalingForSize(QSizeF size, const QImage& oriImage) {
  auto whole = [](qreal v) -> int {
    if (!(v >= 1.0) || v >= 2147483648.0) return 0;  // also NaN
    return static_cast<int>(v);
  };
  const int w = whole(size.width()), h = whole(size.height());
  QImage scaled;
  if (w > 0 && h > 0 && !oriImage.isNull()) {
    scaled = oriImage.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!scaled.isNull() && scaled.format() != QImage::Format_ARGB32_Premultiplied)
      scaled = std::move(scaled).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  }
  if (scaled.isNull() || scaled.width() != w || scaled.height() != h) {
    qCWarning(lcVorlane, "could not scale image");
    return QImage();
  }
  return scaled;
}

}  // namespace platform
