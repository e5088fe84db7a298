// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The row kernels behind the style stages, on a byte plane of grey values.
#include <cstddef>
#include <cstdint>

#include "sketch/PixelBuffer.h"

namespace sketch::detail {

// grey[i] = grey value of photo word i, the words in `order`.
void greyBytesFromPhoto(const std::uint32_t* photo, std::uint8_t* grey, std::size_t n,
                        WordOrder order = WordOrder::Raster);
// photo[i] = grey value of photo word i, in place.
void greyWordsInPlace(std::uint32_t* photo, std::size_t n);
// grey[i] = low byte of words[i].
void greyBytesFromWords(const std::uint32_t* words, std::uint8_t* grey, std::size_t n);

// The texture values a blend reads: a plane of them, one byte per pixel, or
// texture words in `order` whose blue bytes they are.
struct TextureValues {
  const std::uint8_t* plane = nullptr;
  const std::uint32_t* words = nullptr;
  WordOrder order = WordOrder::Raster;

  explicit operator bool() const { return plane || words; }
  TextureValues from(std::size_t first) const {
    return {plane ? plane + first : nullptr, words ? words + first : nullptr, order};
  }
};

// Texture words in `order`, read for their blue bytes.
inline TextureValues textureWords(const std::uint32_t* words, WordOrder order) {
  return {nullptr, words, order};
}

struct StyleJob {
  int style;
  int width;
  int height;
  const std::uint8_t* grey;      // width * height grey values
  std::uint8_t* plane;           // width * height, written whole
  TextureValues texture;  // optional: blend each plane row into result
  std::uint32_t* result;
  WordOrder order = WordOrder::Raster;  // of the result's words
};

// Plane rows [y0, y1) (interior and replicated frame), then, with a texture,
// the blended result rows. scratch holds width 16-bit values.
void styleRows(const StyleJob& job, int y0, int y1, std::int16_t* scratch);

// out[i] = opaque grey blend of plane[i] with texture value i; out words in
// `order`.
void blendRows(const std::uint8_t* plane, TextureValues texture, std::uint32_t* out, std::size_t n,
               WordOrder order = WordOrder::Raster);

// The whole plane of a style from grey bytes, rows shared over two threads;
// with a texture the result rows are blended at once.
void runStyle(int style, int w, int h, const std::uint8_t* grey, std::uint8_t* plane, TextureValues texture,
              std::uint32_t* result, WordOrder order = WordOrder::Raster);

}  // namespace sketch::detail
