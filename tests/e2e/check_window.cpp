// SPDX-License-Identifier: GPL-3.0-or-later
// Checks what a window of the end-to-end test shows, grabbed from the X server:
//   e2e_check_window WID empty     the canvas band shows the empty background
//   e2e_check_window WID picture   the canvas band shows a picture
// The band: 15 % to 35 % of the window's height, 10 % to 60 % of its width, where
// a photo fitted to the desktop canvas lies and the empty canvas has no text.
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: e2e_check_window WID empty|picture\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "xcb");
  QGuiApplication app(argc, argv);
  const WId wid = WId(std::strtoul(argv[1], nullptr, 0));
  const QImage shot = QGuiApplication::primaryScreen()->grabWindow(wid).toImage();
  if (shot.isNull()) {
    std::fprintf(stderr, "e2e_check_window: the window could not be grabbed\n");
    return 1;
  }
  const QColor empty(64, 64, 64);
  int total = 0, background = 0;
  for (int y = shot.height() * 15 / 100; y < shot.height() * 35 / 100; ++y)
    for (int x = shot.width() * 10 / 100; x < shot.width() * 60 / 100; ++x, ++total)
      background += shot.pixelColor(x, y).rgb() == empty.rgb() ? 1 : 0;
  const bool isEmpty = background * 10 >= total * 9;
  std::printf("canvas band: %d of %d pixels are the empty background\n", background, total);
  return (std::strcmp(argv[2], "empty") == 0) == isEmpty ? 0 : 1;
}
