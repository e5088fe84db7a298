// SPDX-License-Identifier: GPL-3.0-or-later
#include "PixelBuffer.h"

#include <limits>
#include <new>

#include "sketch/Diagnostics.h"

namespace sketch {

std::optional<PixelBuffer> PixelBuffer::allocate(int width, int height) {
  // Bound the byte count by what fits both a size_t and a signed 32-bit stride
  // product, so no later index computation can overflow either.
  const bool sane =
      width > 0 && height > 0 &&
      std::size_t(width) * std::size_t(height) <= std::size_t(std::numeric_limits<std::int32_t>::max()) / 4;
  if (sane) {
    try {
      PixelBuffer buffer;
      buffer.pixels.assign(std::size_t(width) * std::size_t(height), 0u);
      buffer.width = width;
      buffer.height = height;
      return buffer;
    } catch (const std::bad_alloc&) {
    }
  }
  reportDiagnostic("Memory not allocated!");
  return std::nullopt;
}

}  // namespace sketch
