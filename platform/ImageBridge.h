// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Moves pictures between Qt images and the engine's rasters, and scales them.
#include <QImage>
#include <QSizeF>
#include <optional>

#include "sketch/PixelBuffer.h"

namespace platform {

// The image drawn one to one into a cleared raster (bytes A, R, G, B,
// premultiplied). On failure nothing comes back and "Context not created!"
// (no usable image) or "Memory not allocated!" is written to stderr.
std::optional<sketch::PixelBuffer> GetImageData(const QImage& image);

// The same into buffer, reusing its memory when it already has the image's
// size; false (buffer possibly changed) where GetImageData gives nothing.
bool fillImageData(const QImage& image, sketch::PixelBuffer& buffer);

// A Format_ARGB32_Premultiplied image whose words were written as raster words
// (bytes A, R, G, B) becomes that raster's image, in place: the result equals
// toQImage of the raster. False, and nothing changed, for any other format.
bool rasterWordsToImage(QImage& image);

// A deep copy of the raster as a Format_ARGB32_Premultiplied image; a null
// image for an empty or inconsistent raster.
QImage toQImage(const sketch::PixelBuffer& buffer);

// The whole image stretched, smoothly, to exactly the size with each side
// truncated toward zero. On failure logs "could not scale image" and returns a
// null image.
QImage imageByScalingForSize(QSizeF size, const QImage& oriImage);

}  // namespace platform
