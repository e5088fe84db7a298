// SPDX-License-Identifier: GPL-3.0-or-later
// Style thumbnails: real renderings of the sample photo by the engine, so the
// lists show what each style will really do to a photo.
#include <QPainter>
#include <string>

#include "platform/ImageBridge.h"
#include "sketch/StylePipeline.h"
#include "tools/art/Art.h"

namespace art {

QImage fitCentreCrop(const QImage& image, int w, int h) {
  if (image.isNull() || w <= 0 || h <= 0) return {};
  // Largest w:h rectangle in the middle, in whole pixels.
  QRect crop = image.rect();
  const qint64 iw = image.width(), ih = image.height();
  if (iw * h > ih * w) {
    crop.setWidth(static_cast<int>(ih * w / h));
    crop.moveLeft(static_cast<int>((iw - crop.width()) / 2));
  } else {
    crop.setHeight(static_cast<int>(iw * h / w));
    crop.moveTop(static_cast<int>((ih - crop.height()) / 2));
  }
  return image.copy(crop).scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

std::optional<QImage> drawStyleThumbnail(int style, const QImage& photo, const QImage& texture,
                                         QString* error) {
  auto fail = [error](const QString& why) -> std::optional<QImage> {
    if (error) *error = why;
    return std::nullopt;
  };
  if (photo.isNull()) return fail("no photo");
  const QImage upright = photo.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  if (style == 0) return fitCentreCrop(upright, kThumbnailWidth, kThumbnailHeight);

  // The same steps as the render pass: texture stretched to the photo, both extracted.
  const QImage scaled = platform::imageByScalingForSize(QSizeF(upright.size()), texture);
  std::optional<sketch::PixelBuffer> photoData = platform::GetImageData(upright);
  std::optional<sketch::PixelBuffer> textureData = platform::GetImageData(scaled);
  if (!photoData || !textureData) return fail("could not extract the rasters");
  sketch::GrayPlane plane;
  std::string why;
  std::optional<sketch::PixelBuffer> result =
      sketch::runStylePipeline(std::move(*photoData), style, *textureData, plane, &why);
  if (!result) return fail(QString::fromStdString(why));
  return fitCentreCrop(platform::toQImage(*result), kThumbnailWidth, kThumbnailHeight);
}

}  // namespace art
