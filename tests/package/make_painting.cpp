// SPDX-License-Identifier: GPL-3.0-or-later
// package_make_painting OUT.vorlane: writes a small painting through the
// document writer (a 320 x 240 photo, no steps, a 256 x 192 preview), so that the package
// test thumbnails a document as the app saves it.
#include <QBuffer>
#include <QDateTime>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "document/PaintingFile.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: package_make_painting OUT.vorlane\n");
    return 2;
  }
  QImage photo(320, 240, QImage::Format_RGB32);
  for (int y = 0; y < photo.height(); ++y)
    for (int x = 0; x < photo.width(); ++x) photo.setPixel(x, y, qRgb(x * 255 / 319, y * 255 / 239, 128));
  QBuffer bytes;
  bytes.open(QIODevice::WriteOnly);
  photo.save(&bytes, "PNG");

  document::PaintingRecord record;
  record.photoBytes = bytes.data();
  record.photoName = "gradient.png";
  record.workingSize = photo.size();
  record.preview = photo.scaled(document::kPreviewSide, document::kPreviewSide * 3 / 4);  // the longest allowed
  record.created = record.modified = QDateTime::currentDateTimeUtc();
  QString reason;
  if (!document::writePaintingFile(QString::fromLocal8Bit(argv[1]), record, &reason)) {
    std::fprintf(stderr, "package_make_painting: %s\n", qPrintable(reason));
    return 1;
  }
  return 0;
}
