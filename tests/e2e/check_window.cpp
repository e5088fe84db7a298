// SPDX-License-Identifier: GPL-3.0-or-later
// Checks what a window of the end-to-end test shows, grabbed from the X server:
//   e2e_check_window WID empty     the canvas band shows the empty background
//   e2e_check_window WID picture   the canvas band shows a picture
//   e2e_check_window WID grab OUT  writes the window's pixels to OUT (PNG)
//   e2e_check_window same A B      the canvas band of two grabs is pixel for pixel the same
// The band: 15 % to 35 % of the window's height, 10 % to 60 % of its width, where
// a photo fitted to the desktop canvas lies and the empty canvas has no text.
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <cstdio>
#include <cstring>

namespace {

QRect band(const QImage& shot) {
  return QRect(QPoint(shot.width() * 10 / 100, shot.height() * 15 / 100),
               QPoint(shot.width() * 60 / 100 - 1, shot.height() * 85 / 100 - 1));
}

int compareBands(const char* a, const char* b) {
  const QImage one(QString::fromLocal8Bit(a)), two(QString::fromLocal8Bit(b));
  if (one.isNull() || two.isNull() || one.size() != two.size()) {
    std::fprintf(stderr, "e2e_check_window: the grabs cannot be compared\n");
    return 1;
  }
  const QRect r = band(one);
  int differ = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) differ += one.pixel(x, y) != two.pixel(x, y) ? 1 : 0;
  std::printf("canvas band: %d of %d pixels differ\n", differ, r.width() * r.height());
  return differ == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "same") == 0) return compareBands(argv[2], argv[3]);
  if (argc != 3 && !(argc == 4 && std::strcmp(argv[2], "grab") == 0)) {
    std::fprintf(stderr, "usage: e2e_check_window WID empty|picture | WID grab OUT | same A B\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "xcb");
  QGuiApplication app(argc, argv);
  const WId wid = WId(std::strtoul(argv[1], nullptr, 0));
  const QImage shot = QGuiApplication::primaryScreen()->grabWindow(wid).toImage();
  if (argc == 4) return !shot.isNull() && shot.save(QString::fromLocal8Bit(argv[3]), "PNG") ? 0 : 1;
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
