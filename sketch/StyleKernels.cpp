// SPDX-License-Identifier: GPL-3.0-or-later
#include "sketch/StyleKernels.h"

#include "sketch/WideDispatch.h"
#include <algorithm>
#include <cstring>

#include "sketch/Styles.h"

#define VORLANE_INLINE inline __attribute__((always_inline))

namespace sketch::detail {

namespace {

// s / 10 for s = 3R + 6G + B <= 2550, as a multiply and shift that vectorises.
constexpr std::uint32_t tenth(std::uint32_t s) {
  return (s * 6554u) >> 16;
}

constexpr bool tenthIsExact() {
  for (std::uint32_t s = 0; s <= 2550; ++s)
    if (tenth(s) != s / 10) return false;
  return true;
}
static_assert(tenthIsExact());

// The red, green and blue bytes of a word sit at these shifts.
template <WordOrder O>
struct Shifts {
  static constexpr int red = O == WordOrder::Raster ? 8 : 16;
  static constexpr int green = O == WordOrder::Raster ? 16 : 8;
  static constexpr int blue = O == WordOrder::Raster ? 24 : 0;
  // An opaque grey word of value 1.
  static constexpr std::uint32_t greyOne = O == WordOrder::Raster ? 0x01010100u : 0x00010101u;
  static constexpr std::uint32_t opaque = O == WordOrder::Raster ? 0xFFu : 0xFF000000u;
};

template <WordOrder O = WordOrder::Raster>
VORLANE_INLINE std::uint32_t greyWord(std::uint32_t w) {
  using S = Shifts<O>;
  return tenth(3u * ((w >> S::red) & 0xFFu) + 6u * ((w >> S::green) & 0xFFu) + ((w >> S::blue) & 0xFFu));
}

VORLANE_INLINE std::uint8_t clampByte(int a) {
  return std::uint8_t(a < 0 ? 0 : (a > 255 ? 255 : a));
}

// Columns [2, w - 2) of a 5 x 5 style row; v holds the column sums of the five
// rows, c the centre row. K is 26 for style 2 and 25 for styles 3 and 4.
template <int K, bool Invert>
VORLANE_INLINE void boxRow(const std::int16_t* __restrict v, const std::uint8_t* __restrict c,
                           std::uint8_t* __restrict o, int w) {
  for (int x = 2; x < w - 2; ++x) {
    const int s = v[x - 2] + v[x - 1] + v[x] + v[x + 1] + v[x + 2];
    const std::int16_t a = std::int16_t(K * c[x] - s);
    const std::uint8_t clamped = clampByte(a);
    o[x] = Invert ? std::uint8_t(255 - clamped) : clamped;
  }
}

VORLANE_INLINE void interiorRow(int style, const std::uint8_t* g, int w, int yc, std::uint8_t* __restrict o,
                                std::int16_t* __restrict v) {
  const std::uint8_t* c = g + std::size_t(yc) * std::size_t(w);
  const std::uint8_t* below = c + w;
  switch (style) {
    case 1:
      std::memcpy(o + 2, c + 2, std::size_t(w - 4));
      return;
    case 2:
    case 3:
    case 4: {
      const std::uint8_t* r0 = c - 2 * w;
      const std::uint8_t* r1 = c - w;
      const std::uint8_t* r3 = c + w;
      const std::uint8_t* r4 = c + 2 * w;
      for (int x = 0; x < w; ++x) v[x] = std::int16_t(r0[x] + r1[x] + c[x] + r3[x] + r4[x]);
      if (style == 2)
        boxRow<26, false>(v, c, o, w);
      else if (style == 3)
        boxRow<25, true>(v, c, o, w);
      else
        boxRow<25, false>(v, c, o, w);
      return;
    }
    case 5:
      for (int x = 2; x < w - 2; ++x) {
        const std::int16_t n = std::int16_t(8 * (c[x + 1] + below[x]) - 15 * c[x] + 128);
        const std::int16_t half = std::int16_t(std::max<std::int16_t>(n, 0) >> 1);
        o[x] = std::uint8_t(std::min<std::int16_t>(half, 255));
      }
      return;
    case 6:
      for (int x = 1; x < w - 1; ++x)
        o[x] = clampByte(std::int16_t(128 - 2 * (2 * c[x] - c[x + 1] - below[x + 1])));
      return;
    default:
      for (int x = 1; x < w - 1; ++x)
        o[x] = clampByte(std::int16_t(128 + 2 * (2 * c[x] - c[x + 1] - below[x + 1])));
      return;
  }
}

// T: the order of texture words; the texture is a plane of values (bytes) or words.
template <WordOrder O, WordOrder T, class Value>
VORLANE_INLINE void blendRowIn(const std::uint8_t* __restrict plane, const Value* __restrict texture,
                               std::uint32_t* __restrict out, std::size_t n) {
  using S = Shifts<O>;
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint32_t t =
        sizeof(Value) == 1 ? std::uint32_t(texture[i]) : (std::uint32_t(texture[i]) >> Shifts<T>::blue) & 0xFFu;
    const std::uint32_t p = plane[i];
    const std::uint32_t v = (255u * t + (255u - t) * p) >> 8;
    out[i] = S::opaque | v * S::greyOne;
  }
}

template <WordOrder O>
VORLANE_INLINE void blendRowTo(const std::uint8_t* plane, TextureValues texture, std::uint32_t* out,
                               std::size_t n) {
  if (texture.plane)
    blendRowIn<O, O>(plane, texture.plane, out, n);
  else if (texture.order == WordOrder::Argb32)
    blendRowIn<O, WordOrder::Argb32>(plane, texture.words, out, n);
  else
    blendRowIn<O, WordOrder::Raster>(plane, texture.words, out, n);
}

VORLANE_INLINE void blendRow(const std::uint8_t* plane, TextureValues texture, std::uint32_t* out,
                             std::size_t n, WordOrder order) {
  if (order == WordOrder::Argb32)
    blendRowTo<WordOrder::Argb32>(plane, texture, out, n);
  else
    blendRowTo<WordOrder::Raster>(plane, texture, out, n);
}

}  // namespace

VORLANE_WIDE void greyBytesFromPhoto(const std::uint32_t* __restrict photo, std::uint8_t* __restrict grey,
                                     std::size_t n, WordOrder order) {
  if (order == WordOrder::Argb32)
    for (std::size_t i = 0; i < n; ++i) grey[i] = std::uint8_t(greyWord<WordOrder::Argb32>(photo[i]));
  else
    for (std::size_t i = 0; i < n; ++i) grey[i] = std::uint8_t(greyWord(photo[i]));
}

VORLANE_WIDE void greyWordsInPlace(std::uint32_t* photo, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) photo[i] = greyWord(photo[i]);
}

VORLANE_WIDE void greyBytesFromWords(const std::uint32_t* __restrict words, std::uint8_t* __restrict grey,
                                     std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) grey[i] = std::uint8_t(words[i]);
}

VORLANE_WIDE void blendRows(const std::uint8_t* plane, TextureValues texture, std::uint32_t* out,
                            std::size_t n, WordOrder order) {
  blendRow(plane, texture, out, n, order);
}

VORLANE_WIDE void styleRows(const StyleJob& job, int y0, int y1, std::int16_t* scratch) {
  const int w = job.width, h = job.height, m = styleMargin(job.style);
  const bool hasInterior = w - m > m && h - m > m;
  for (int y = y0; y < y1; ++y) {
    const std::size_t row = std::size_t(y) * std::size_t(w);
    std::uint8_t* o = job.plane + row;
    if (!hasInterior) {
      std::memcpy(o, job.grey + row, std::size_t(w));
    } else {
      // Frame rows repeat the nearest interior row, frame columns its end values.
      interiorRow(job.style, job.grey, w, std::clamp(y, m, h - m - 1), o, scratch);
      std::memset(o, o[m], std::size_t(m));
      std::memset(o + w - m, o[w - m - 1], std::size_t(m));
    }
    if (job.texture) blendRow(o, job.texture.from(row), job.result + row, std::size_t(w), job.order);
  }
}

}  // namespace sketch::detail
