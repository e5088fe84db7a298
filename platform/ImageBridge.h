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

// The image in a format whose words a render reads as they are (premultiplied
// ARGB32, or RGB32 whose unused byte the render never reads): the image
// itself, shared, when it has one; otherwise a premultiplied copy.
QImage imageAsRasterWords(const QImage& image);

// The image's memory as words in Qt's order, for a premultiplied ARGB32 or an
// RGB32 image whose rows lie one after another; an empty view otherwise.
sketch::WordsView wordsOf(const QImage& image);

// A deep copy of the raster as a Format_ARGB32_Premultiplied image; a null
// image for an empty or inconsistent raster.
QImage toQImage(const sketch::PixelBuffer& buffer);

// The whole image stretched, smoothly, to exactly the size with each side
// truncated toward zero. On failure logs "could not scale image" and returns a
// null image.
QImage imageByScalingForSize(QSizeF size, const QImage& oriImage);

}  // namespace platform
