// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rasters that the sketch engine computes on.
//
// PixelBuffer: width x height pixels of 4 bytes in memory order A, R, G, B
// (alpha first, colour premultiplied), rows from the top, no padding. Read as a
// little-endian 32-bit word a pixel is A | R << 8 | G << 16 | B << 24.
//
// GrayPlane: width x height bytes, row-major, one grey value per pixel.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

static_assert(std::endian::native == std::endian::little, "the pixel word layout assumes a little-endian machine");

namespace sketch {

constexpr std::uint32_t makePixel(std::uint8_t a, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return std::uint32_t(a) | std::uint32_t(r) << 8 | std::uint32_t(g) << 16 | std::uint32_t(b) << 24;
}
constexpr std::uint8_t alphaOf(std::uint32_t word) { return word & 0xFF; }
constexpr std::uint8_t redOf(std::uint32_t word) { return (word >> 8) & 0xFF; }
constexpr std::uint8_t greenOf(std::uint32_t word) { return (word >> 16) & 0xFF; }
constexpr std::uint8_t blueOf(std::uint32_t word) { return word >> 24; }

// How a 32-bit pixel word holds its bytes. Raster: the raster's own words
// (makePixel). Argb32: the native 0xAARRGGBB word of Qt's 32-bit images, so a
// render can read and write an image's memory without turning each word round.
enum class WordOrder { Raster, Argb32 };

// A raster of width * height words in memory someone else owns, rows one after
// another, each word in `order`.
struct WordsView {
  const std::uint32_t* words = nullptr;
  int width = 0;
  int height = 0;
  WordOrder order = WordOrder::Raster;
};

struct PixelBuffer {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // width * height words

  bool empty() const { return pixels.empty(); }
  std::size_t size() const { return pixels.size(); }
  std::uint32_t& at(int x, int y) { return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
  std::uint32_t at(int x, int y) const { return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
  std::uint8_t* bytes() { return reinterpret_cast<std::uint8_t*>(pixels.data()); }
  const std::uint8_t* bytes() const { return reinterpret_cast<const std::uint8_t*>(pixels.data()); }

  // A zero-filled raster of width x height, or nothing when the size is not
  // positive, overflows, or cannot be allocated; then "Memory not allocated!" is
  // written to stderr.
  static std::optional<PixelBuffer> allocate(int width, int height);
};

struct GrayPlane {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> data;  // width * height bytes

  bool empty() const { return data.empty(); }
  std::uint8_t& at(int x, int y) { return data[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
  std::uint8_t at(int x, int y) const { return data[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
};

}  // namespace sketch
