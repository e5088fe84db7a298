// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReferenceStyles.h"

#include <algorithm>
#include <cstdint>

namespace reference {

using sketch::GrayPlane;
using sketch::isStyle;
using sketch::PixelBuffer;
using sketch::styleMargin;

bool stylePassReference(int style, const PixelBuffer& grey, GrayPlane& plane) {
  if (!isStyle(style) || grey.width <= 0 || grey.height <= 0 ||
      grey.pixels.size() != std::size_t(grey.width) * std::size_t(grey.height))
    return false;
  const int w = grey.width, h = grey.height;
  auto G = [&](int x, int y) -> int { return int(grey.at(x, y) & 0xFFu); };
  auto clamp = [](int a) { return a < 0 ? 0 : (a > 255 ? 255 : a); };
  GrayPlane out{w, h, std::vector<std::uint8_t>(grey.pixels.size(), 0)};
  const int m = styleMargin(style);
  const int x0 = m, x1 = w - m, y0 = m, y1 = h - m;
  if (x1 <= x0 || y1 <= y0) {
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) out.at(x, y) = std::uint8_t(G(x, y));
  } else {
    for (int y = y0; y < y1; ++y) {
      for (int x = x0; x < x1; ++x) {
        const int c = G(x, y);
        int value = 0;
        if (style >= 2 && style <= 4) {
          int s = 0;
          for (int j = -2; j <= 2; ++j)
            for (int i = -2; i <= 2; ++i) s += G(x + i, y + j);
          if (style == 2) value = clamp(26 * c - s);
          if (style == 3) value = 255 - clamp(25 * c - s);
          if (style == 4) value = clamp(25 * c - s);
        } else if (style == 1) {
          value = c;
        } else if (style == 5) {
          const int r = G(x + 1, y), d = G(x, y + 1);
          const double sum = double(c - 128) * 0.5 + 128.0 + double(4 * (r + d - 2 * c));
          value = clamp(int(sum));
        } else {
          const int edge = 2 * (2 * c - G(x + 1, y) - G(x + 1, y + 1));
          value = clamp(style == 6 ? 128 - edge : 128 + edge);
        }
        out.at(x, y) = std::uint8_t(value);
      }
    }
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        if (x < x0 || x >= x1 || y < y0 || y >= y1)
          out.at(x, y) = out.at(std::clamp(x, x0, x1 - 1), std::clamp(y, y0, y1 - 1));
  }
  plane = std::move(out);
  return true;
}

}  // namespace reference
