// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The style pass of a photo s times larger than its working size. The styles'
// 5 x 5 neighbourhoods are tuned for the working size; on the larger raster
// their taps spread to round(k * s) pixels and read the grey image averaged
// over a round(s)-pixel box, which grains the picture as the reduction to the
// working size does (so the spread taps do not alias and the high-pass styles
// clip as often). The photo's own detail below that box, grey - blur, is added
// back once where the style carries the centre pixel: style 1 and the c of
// style 2 read the plain grey; styles 3 and 4 add it to 25c - S; style 5 adds
// it to its half-contrast photo; styles 6 and 7 take c from the plain grey.
// Seen at the same size, the result looks like the working-size render.
#include <cstdint>

#include "sketch/PixelBuffer.h"

namespace sketch::detail {

struct TextureValues;

struct ScaledTaps {
  int near;  // round(s): the taps at distance 1 of the working-size kernel
  int far;   // round(2s): those at distance 2
  int box;   // width of the blur before the spread taps, round(s)
};

// The taps for scale s (s >= 1, finite).
ScaledTaps scaledTaps(double scale);

// Taps that equal the working-size kernel: the exact pass applies.
constexpr bool unitTaps(const ScaledTaps& t) {
  return t.near == 1 && t.far == 2 && t.box == 1;
}

// Frame width of a style at the taps: the unscaled margin spread like the taps.
constexpr int scaledMargin(int style, const ScaledTaps& t) {
  return style >= 6 ? t.near : t.far;
}

// blurred = grey averaged over a box x box window (rounded to nearest), the
// window's rows and columns clamped to the raster; rows shared over two threads.
void boxBlur(const std::uint8_t* grey, int w, int h, int box, std::uint8_t* blurred);

// The plane of a style at the taps from the grey bytes and their blur; with a
// texture the result rows are blended at once.
void runScaledStyle(int style, const ScaledTaps& taps, int w, int h, const std::uint8_t* grey,
                    const std::uint8_t* blurred, std::uint8_t* plane, TextureValues texture,
                    std::uint32_t* result, WordOrder order = WordOrder::Raster);

}  // namespace sketch::detail
