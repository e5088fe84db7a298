// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The row kernels behind the style stages, on a byte plane of grey values.
#include <cstddef>
#include <cstdint>

namespace sketch::detail {

// grey[i] = grey value of photo word i.
void greyBytesFromPhoto(const std::uint32_t* photo, std::uint8_t* grey, std::size_t n);
// photo[i] = grey value of photo word i, in place.
void greyWordsInPlace(std::uint32_t* photo, std::size_t n);
// grey[i] = low byte of words[i].
void greyBytesFromWords(const std::uint32_t* words, std::uint8_t* grey, std::size_t n);

struct StyleJob {
  int style;
  int width;
  int height;
  const std::uint8_t* grey;      // width * height grey values
  std::uint8_t* plane;           // width * height, written whole
  const std::uint32_t* texture;  // optional: blend each plane row into result
  std::uint32_t* result;
};

// Plane rows [y0, y1) (interior and replicated frame), then, with a texture,
// the blended result rows. scratch holds width 16-bit values.
void styleRows(const StyleJob& job, int y0, int y1, std::int16_t* scratch);

// out[i] = opaque grey blend of plane[i] with the blue byte of texture[i].
void blendRows(const std::uint8_t* plane, const std::uint32_t* texture, std::uint32_t* out, std::size_t n);

// The whole plane of a style from grey bytes, rows shared over two threads;
// with a texture the result rows are blended at once.
void runStyle(int style, int w, int h, const std::uint8_t* grey, std::uint8_t* plane,
              const std::uint32_t* texture, std::uint32_t* result);

}  // namespace sketch::detail
