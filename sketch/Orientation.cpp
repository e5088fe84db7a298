// SPDX-License-Identifier: GPL-3.0-or-later
#include "sketch/Orientation.h"

#include <algorithm>
#include <utility>

namespace sketch {

namespace {

// Where stored pixel (x, y) of a ws x hs raster lands in the upright one.
struct Placement {
  int orientation;
  int ws, hs;
  void operator()(int x, int y, int& dx, int& dy) const {
    switch (orientation) {
      case OrientationDown:
        dx = ws - 1 - x, dy = hs - 1 - y;
        break;
      case OrientationLeft:
        dx = y, dy = ws - 1 - x;
        break;
      case OrientationRight:
        dx = hs - 1 - y, dy = x;
        break;
      case OrientationUpMirrored:
        dx = ws - 1 - x, dy = y;
        break;
      case OrientationDownMirrored:
        dx = x, dy = hs - 1 - y;
        break;
      case OrientationLeftMirrored:
        dx = y, dy = x;
        break;
      default:
        dx = hs - 1 - y, dy = ws - 1 - x;
        break;  // RightMirrored
    }
  }
};

}  // namespace

PixelBuffer fixOrientation(PixelBuffer image, int orientation) {
  if (orientation < 1 || orientation > 7 || image.empty()) return image;
  const int ws = image.width, hs = image.height;
  const bool swaps = orientation == OrientationLeft || orientation == OrientationRight ||
                     orientation == OrientationLeftMirrored || orientation == OrientationRightMirrored;
  std::optional<PixelBuffer> upright = swaps ? PixelBuffer::allocate(hs, ws) : PixelBuffer::allocate(ws, hs);
  if (!upright) return PixelBuffer{};

  const Placement place{orientation, ws, hs};
  const std::size_t outWidth = std::size_t(upright->width);
  std::uint32_t* out = upright->pixels.data();
  const std::uint32_t* in = image.pixels.data();
  // Tiles keep the scattered writes of the quarter turns inside the cache.
  constexpr int kTile = 64;
  for (int ty = 0; ty < hs; ty += kTile) {
    const int yEnd = std::min(hs, ty + kTile);
    for (int tx = 0; tx < ws; tx += kTile) {
      const int xEnd = std::min(ws, tx + kTile);
      for (int y = ty; y < yEnd; ++y) {
        const std::uint32_t* row = in + std::size_t(y) * std::size_t(ws);
        for (int x = tx; x < xEnd; ++x) {
          int dx, dy;
          place(x, y, dx, dy);
          out[std::size_t(dy) * outWidth + std::size_t(dx)] = row[x];
        }
      }
    }
  }
  return std::move(*upright);
}

}  // namespace sketch
