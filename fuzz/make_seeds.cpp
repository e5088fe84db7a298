// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the fuzzer's seed corpus: a small valid file of every format the photo
// path reads, and of the variants its checks tell apart (progressive, grey,
// tagged, paletted, 16-bit, run-length coded, lossless, HEIC and AVIF).
#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <cstdio>

#include "tests/platform/test_heif_files.h"
#include "tests/platform/test_photo_decoder_files.h"

namespace pf = photo_files;

namespace {

QByteArray written(const QImage& image, const char* format, int quality = -1, bool progressive = false,
                   QImageIOHandler::Transformations turn = QImageIOHandler::TransformationNone) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  QImageWriter writer(&buffer, format);
  writer.setQuality(quality);
  writer.setProgressiveScanWrite(progressive);
  writer.setTransformation(turn);
  return writer.write(image) ? bytes : QByteArray();
}

// A 4-colour GIF whose codes never grow past three bits: a clear code before every pair of pixels.
QByteArray gif(int w, int h) {
  QByteArray out = "GIF89a";
  auto le16 = [&out](int v) { out += char(v & 0xFF), out += char(v >> 8); };
  le16(w), le16(h);
  out += QByteArray("\x81\0\0", 3) + QByteArray("\0\0\0\xFF\0\0\0\xFF\0\0\0\xFF", 12) + ',';
  le16(0), le16(0), le16(w), le16(h);
  out += QByteArray("\0\x02", 2);
  QByteArray data;
  unsigned bits = 0, count = 0;
  auto put = [&](unsigned code) {
    bits |= code << count, count += 3;
    while (count >= 8) data += char(bits & 0xFF), bits >>= 8, count -= 8;
  };
  for (int i = 0; i < w * h; ++i) {
    if (i % 2 == 0) put(4);
    put(unsigned((i % w + i / w) / 3 % 4));
  }
  put(5);
  if (count) data += char(bits & 0xFF);
  for (qsizetype at = 0; at < data.size(); at += 255)
    out += char(std::min<qsizetype>(255, data.size() - at)) + data.mid(at, 255);
  return out + QByteArray("\0;", 2);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz_make_seeds FOLDER\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  QDir().mkpath(dir.path());
  const QImage colour = pf::gradient(24, 16), quadrants = pf::quadrants(16, 12);
  QImage alpha = colour.convertToFormat(QImage::Format_ARGB32);
  alpha.setPixel(3, 3, qRgba(10, 20, 30, 40));
  const QByteArray rle = QByteArray("\x05\x01\x00\x00\x00\x03\x01\x02\x03\x00\x00\x02\x02\x01\x00\x01", 16);
  const struct {
    const char* name;
    QByteArray bytes;
  } seeds[] = {
      {"baseline.jpg", written(colour, "jpeg", 80)},
      {"progressive.jpg", written(colour, "jpeg", 80, true)},
      {"grey.jpg", written(colour.convertToFormat(QImage::Format_Grayscale8), "jpeg", 80)},
      {"tagged.jpg", pf::withExifOrientation(written(quadrants, "jpeg", 80), 6)},
      {"flat.jpg", pf::flatJpeg(40, 24, true, 0x22)},
      {"rgb.png", written(colour, "png")},
      {"alpha.png", written(alpha, "png")},
      {"palette.png", written(colour.convertToFormat(QImage::Format_Indexed8), "png")},
      {"deep.png", written(colour.convertToFormat(QImage::Format_RGBA64), "png")},
      {"frame.gif", gif(12, 8)},
      {"screen.gif", pf::gifWithScreen(30, 20, 2, 2)},
      {"rgb.bmp", written(colour, "bmp")},
      {"rle.bmp", pf::bmp(4, 4, 8, 1, rle)},
      {"rgb.tif", written(colour, "tiff")},
      {"turned.tif", written(quadrants, "tiff", -1, false, QImageIOHandler::TransformationRotate90)},
      {"lossy.webp", written(colour, "webp", 70)},
      {"lossless.webp", written(colour, "webp", 100)},
      {"rgb.ppm", written(colour, "ppm")},
      {"grey.pgm", written(colour.convertToFormat(QImage::Format_Grayscale8), "pgm")},
      {"mono.pbm", written(colour.convertToFormat(QImage::Format_Mono), "pbm")},
      {"text.pgm", "P2 2 2 9\n0 3\n6 9\n"},
      {"photo.heic", heif_files::encode(colour, false, 6)},
      {"photo.avif", heif_files::encode(colour, true, 1)},
  };
  int failures = 0;
  for (const auto& seed : seeds) {
    if (seed.bytes.isEmpty() || !pf::writeFile(dir.filePath(seed.name), seed.bytes)) {
      std::fprintf(stderr, "fuzz_make_seeds: could not make %s\n", seed.name);
      ++failures;
    }
  }
  return failures ? 1 : 0;
}
