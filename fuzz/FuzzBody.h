// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One fuzz input through the shared preparation path, exactly as the app and
// vorlane-sketch take a photo, from bytes in memory: header checks, decoding,
// orientation, the working size, then the same bytes as a texture (or a made-up
// one) blended under a sketch style. Returns what went wrong, or nothing. Shared
// by the libFuzzer target and the test that replays its findings.
#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <optional>
#include <string>

#include "platform/ImageBridge.h"
#include "platform/PhotoDecoder.h"
#include "sketch/StylePipeline.h"
#include "sketch/WorkingSize.h"

namespace fuzz {

inline std::optional<std::string> prepareAndRender(const QByteArray& bytes) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QString reason;
  std::optional<platform::PreparedPhoto> photo = platform::preparePhoto(buffer, &reason);
  if (!photo) return reason.isEmpty() ? std::optional<std::string>("refused without a reason") : std::nullopt;
  const QImage& image = photo->image;
  if (image.isNull() || image.format() != QImage::Format_ARGB32_Premultiplied) return "not a 32-bit photo";
  if (std::max(image.width(), image.height()) > int(sketch::kWorkingSizeLimit))
    return "larger than the working size";
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(image.pixel(x, y)) != 255) return "not opaque";

  QImage texture;
  buffer.seek(0);
  if (std::optional<QImage> decoded = platform::readImage(buffer)) texture = std::move(*decoded);
  // Indices past the palette are read by Qt's conversions on its pooled threads,
  // where the sanitizers do not look and a fault comes only now and then: judged
  // here, on every input.
  if (const int colours = texture.colorCount(); colours > 0)
    for (int y = 0; y < texture.height(); ++y)
      for (int x = 0; x < texture.width(); ++x)
        if (texture.pixelIndex(x, y) >= colours) return "a colour index past the palette";
  if (texture.isNull()) {
    texture = QImage(7, 5, QImage::Format_RGB32);
    for (int i = 0; i < 35; ++i) texture.setPixel(i % 7, i / 7, qRgb(i * 7, 255 - i * 3, i * 11 % 256));
  }
  texture = platform::imageByScalingForSize(QSizeF(image.size()), texture);
  if (texture.isNull()) return "the texture could not be stretched";
  std::optional<sketch::PixelBuffer> photoData = platform::GetImageData(image);
  std::optional<sketch::PixelBuffer> textureData = platform::GetImageData(texture);
  if (!photoData || !textureData) return "no raster";
  sketch::GrayPlane plane;
  const int style = int(bytes.size() % 7) + 1;
  std::optional<sketch::PixelBuffer> result =
      sketch::runStylePipeline(std::move(*photoData), style, *textureData, plane);
  if (!result || result->width != image.width() || result->height != image.height()) return "no rendering";
  return std::nullopt;
}

}  // namespace fuzz
