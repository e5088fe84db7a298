// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The photo of the end-to-end test and what the checker calls grey and colour.
#include <QImage>
#include <algorithm>
#include <cstdlib>

namespace e2e {

inline QImage photo(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      image.setPixel(x, y,
                     qRgb(200 + 55 * x / std::max(1, w - 1), 40 + 80 * y / std::max(1, h - 1),
                          ((x / 32 + y / 32) % 2) ? 30 : 70));
  return image;
}

inline int spread(QRgb c) {
  const int r = qRed(c), g = qGreen(c), b = qBlue(c);
  return std::max({r, g, b}) - std::min({r, g, b});
}
// The sketch is grey; the photo's pixels all differ by 80 or more between channels.
inline bool grey(QRgb c) {
  return spread(c) <= 3;
}

}  // namespace e2e
