// SPDX-License-Identifier: GPL-3.0-or-later
#include "sketch/Styles.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "sketch/RowSplit.h"
#include "sketch/StyleKernels.h"

namespace sketch {

namespace {

bool consistent(const PixelBuffer& raster) {
  return raster.width > 0 && raster.height > 0 &&
         raster.pixels.size() == std::size_t(raster.width) * std::size_t(raster.height);
}

// Runs a kernel over whole rows of a w x h raster on up to two threads.
template <class Kernel>
void overRows(int w, int h, Kernel&& kernel) {
  detail::splitRows(h, std::size_t(w) * std::size_t(h), [&](int, int y0, int y1) {
    const std::size_t first = std::size_t(y0) * std::size_t(w);
    kernel(first, std::size_t(y1 - y0) * std::size_t(w));
  });
}

}  // namespace

namespace detail {

void runStyle(int style, int w, int h, const std::uint8_t* grey, std::uint8_t* plane, TextureValues texture,
              std::uint32_t* result, WordOrder order) {
  std::vector<std::int16_t> scratch(2 * std::size_t(w));
  const StyleJob job{style, w, h, grey, plane, texture, result, order};
  splitRows(h, std::size_t(w) * std::size_t(h), [&](int worker, int y0, int y1) {
    styleRows(job, y0, y1, scratch.data() + std::size_t(worker) * w);
  });
}

}  // namespace detail

void grayConvert(PixelBuffer& photo) {
  if (!consistent(photo)) return;
  std::uint32_t* words = photo.pixels.data();
  overRows(photo.width, photo.height,
           [&](std::size_t first, std::size_t n) { detail::greyWordsInPlace(words + first, n); });
}

bool stylePass(int style, const PixelBuffer& grey, GrayPlane& plane) {
  if (!isStyle(style) || !consistent(grey)) return false;
  const int w = grey.width, h = grey.height;
  const std::size_t n = grey.pixels.size();
  auto bytes = std::make_unique_for_overwrite<std::uint8_t[]>(n);
  const std::uint32_t* words = grey.pixels.data();
  overRows(w, h, [&](std::size_t first, std::size_t count) {
    detail::greyBytesFromWords(words + first, bytes.get() + first, count);
  });
  plane.data.resize(n);
  plane.width = w;
  plane.height = h;
  detail::runStyle(style, w, h, bytes.get(), plane.data.data(), {}, nullptr);
  return true;
}

void textureBlend(const GrayPlane& plane, const PixelBuffer& texture, PixelBuffer& result) {
  const std::size_t n = std::size_t(std::max(plane.width, 0)) * std::size_t(std::max(plane.height, 0));
  if (n == 0 || plane.data.size() != n || texture.width != plane.width || texture.height != plane.height ||
      texture.pixels.size() != n) {
    result = PixelBuffer{};
    return;
  }
  result.pixels.resize(n);
  result.width = plane.width;
  result.height = plane.height;
  const std::uint8_t* p = plane.data.data();
  const detail::TextureValues t = detail::textureWords(texture.pixels.data(), WordOrder::Raster);
  std::uint32_t* out = result.pixels.data();
  overRows(plane.width, plane.height, [&](std::size_t first, std::size_t count) {
    detail::blendRows(p + first, t.from(first), out + first, count);
  });
}

}  // namespace sketch
