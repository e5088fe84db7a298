// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the end-to-end test's photo: a strongly coloured gradient, so that any
// pixel of it tells itself apart from the grey sketch.
#include <QImage>
#include <cstdio>
#include <cstdlib>

#include "e2e_photo.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: e2e_make_photo OUT.png WIDTH HEIGHT\n");
    return 2;
  }
  const int w = std::atoi(argv[2]), h = std::atoi(argv[3]);
  if (w <= 0 || h <= 0 || !e2e::photo(w, h).save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "e2e_make_photo: could not write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
