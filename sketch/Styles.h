// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pixel stages of a sketch render: grey conversion, the style pass into the
// grey plane, and the texture blend.
//
// Styles (c centre, r right, d below, q below right, S the 5 x 5 sum):
//   1 c   2 clamp(26c - S)   3 255 - clamp(25c - S)   4 clamp(25c - S)
//   5 relief over a half-contrast photo   6, 7 clamp(128 -/+ 2(2c - r - q))
// Styles 1-5 write x in [2, W-2), y in [2, H-2); styles 6 and 7 one pixel
// further out. The frame outside that interior takes the nearest interior value
// (edge replication), so no border line shows; a raster with no interior at all
// takes the grey values themselves.
#include <cstdint>

#include "sketch/PixelBuffer.h"

namespace sketch {

constexpr int kFirstStyle = 1;
constexpr int kLastStyle = 7;

constexpr bool isStyle(int style) {
  return style >= kFirstStyle && style <= kLastStyle;
}

// Width of the unwritten frame of a style: 2 for styles 1-5, 1 for 6 and 7.
constexpr int styleMargin(int style) {
  return style >= 6 ? 1 : 2;
}

// (3R + 6G + B) / 10 with the remainder dropped.
constexpr std::uint8_t greyOf(std::uint32_t word) {
  return std::uint8_t((3u * redOf(word) + 6u * greenOf(word) + blueOf(word)) / 10u);
}

// Style 5 in whole numbers: 0.5(c - 128) + 128 + 4(r + d - 2c), truncated and
// clamped, equals max(N, 0) / 2 capped at 255 with N = 8(r + d) - 15c + 128.
constexpr std::uint8_t reliefValue(int c, int r, int d) {
  const int n = 8 * (r + d) - 15 * c + 128;
  if (n < 0) return 0;
  return std::uint8_t(n / 2 > 255 ? 255 : n / 2);
}

// Screen of the plane value p with the texture value t, scaled by 1/256.
constexpr std::uint8_t blendValue(int p, int t) {
  return std::uint8_t((255 * t + (255 - t) * p) >> 8);
}

// Replaces every pixel word of the photo by its grey value 0..255 (alpha is
// ignored).
void grayConvert(PixelBuffer& photo);

// Writes the whole plane (re-sized to the raster's size) from a grey raster:
// the style's interior and the replicated frame. Each word's low byte is its
// grey value. Returns false, leaving the plane as it was, for a style outside
// 1..7 or an empty raster.
bool stylePass(int style, const PixelBuffer& grey, GrayPlane& plane);

// result = opaque grey pixels v = (255t + (255 - t)p) >> 8, t the blue byte of
// the texture. The result is re-sized to the plane's size; it is left empty when
// the texture or the plane is empty or of another size.
void textureBlend(const GrayPlane& plane, const PixelBuffer& texture, PixelBuffer& result);

}  // namespace sketch
