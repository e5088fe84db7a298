// SPDX-License-Identifier: GPL-3.0-or-later
// Checks a picture saved by the application in the end-to-end test:
//   e2e_check_picture SAVED.png WIDTH HEIGHT sketch   all grey, the photo's size
//   e2e_check_picture SAVED.png WIDTH HEIGHT stroke   grey in the top and bottom
//       eighths, and across the middle row a run of the photo's own pixels
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "e2e_photo.h"

namespace {

int fail(const char* what, int x = -1, int y = -1, QRgb c = 0) {
  std::fprintf(stderr, "e2e_check_picture: %s", what);
  if (x >= 0) std::fprintf(stderr, " at (%d, %d): %d %d %d", x, y, qRed(c), qGreen(c), qBlue(c));
  std::fprintf(stderr, "\n");
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: e2e_check_picture SAVED.png WIDTH HEIGHT sketch|stroke\n");
    return 2;
  }
  const QImage saved = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_ARGB32);
  const int w = std::atoi(argv[2]), h = std::atoi(argv[3]);
  const bool stroke = std::strcmp(argv[4], "stroke") == 0;
  if (saved.isNull()) return fail("the picture cannot be read");
  if (saved.width() != w || saved.height() != h) {
    std::fprintf(stderr, "e2e_check_picture: size %d x %d, expected %d x %d\n", saved.width(), saved.height(),
                 w, h);
    return 1;
  }
  for (int y = 0; y < h; ++y) {
    if (stroke && y >= h / 8 && y < h - h / 8) continue;
    for (int x = 0; x < w; ++x) {
      const QRgb c = saved.pixel(x, y);
      if (qAlpha(c) != 255) return fail("a pixel is not opaque", x, y, c);
      if (!e2e::grey(c)) return fail("a pixel where nothing was painted is not grey", x, y, c);
    }
  }
  if (stroke) {
    const QImage photo = e2e::photo(w, h);
    int same = 0, colour = 0;
    const int y = h / 2;
    for (int x = 0; x < w; ++x) {
      const QRgb c = saved.pixel(x, y);
      colour += e2e::grey(c) ? 0 : 1;
      same += (c & 0xffffffu) == (photo.pixel(x, y) & 0xffffffu) ? 1 : 0;
    }
    std::printf("middle row: %d colour pixels, %d equal to the photo\n", colour, same);
    if (same < w / 4) return fail("the stroke does not show the photo across the middle row");
  }
  return 0;
}
