// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Photo files for the decoder and command-line tests: JPEGs with an EXIF orientation tag (Qt never
// writes one), PNGs claiming any size, pictures stored turned so that their tag makes them upright.
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <array>
#include <cstdint>

namespace photo_files {

inline QByteArray encode(const QImage& image, const char* format, int quality = 95) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  image.save(&buffer, format, quality);  // opens the buffer for writing
  return bytes;
}

inline bool writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Splices a segment (marker FF type, its length, the payload) in right after SOI.
inline QByteArray withSegment(const QByteArray& jpeg, char type, const QByteArray& payload) {
  const int length = int(payload.size()) + 2;
  const char head[] = {'\xFF', type, char(length >> 8), char(length & 0xFF)};
  return QByteArray(jpeg).insert(2, QByteArray(head, 4) + payload);
}

// APP1 "Exif": a little-endian TIFF header, IFD0 with one Orientation entry (0x0112, SHORT).
inline QByteArray withExifOrientation(const QByteArray& jpeg, int exifOrientation) {
  const char tiff[] = {'E', 'x', 'i', 'f', 0, 0, 'I', 'I', 0x2A, 0, 8, 0, 0, 0, 1, 0, 0x12, 1, 3, 0,
                       1,   0,   0,   0,   char(exifOrientation & 0xFF), 0, 0, 0, 0, 0, 0, 0};
  return withSegment(jpeg, '\xE1', QByteArray(tiff, sizeof tiff));
}

inline QByteArray pngChunk(const char* type, const QByteArray& data) {
  const QByteArray typed = QByteArray(type, 4) + data;
  std::uint32_t crc = 0xFFFFFFFFu;
  for (char c : typed) {
    crc ^= std::uint8_t(c);
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  QByteArray be(8, '\0');
  qToBigEndian<quint32>(quint32(data.size()), be.data());
  qToBigEndian<quint32>(~crc, be.data() + 4);
  return be.left(4) + typed + be.mid(4);
}

// A well-formed PNG header claiming width x height RGBA pixels, a little data and the end chunk.
inline QByteArray pngClaimingSize(quint32 width, quint32 height) {
  QByteArray header(13, '\0');
  qToBigEndian<quint32>(width, header.data());
  qToBigEndian<quint32>(height, header.data() + 4);
  header[8] = 8, header[9] = 6;  // 8 bits per channel, RGBA
  return QByteArray("\x89PNG\r\n\x1A\n", 8) + pngChunk("IHDR", header) +
         pngChunk("IDAT", qCompress(QByteArray(64, '\0')).mid(4)) + pngChunk("IEND", {});
}

// A JPEG whose every block is the flat mid-grey block, coded with one-symbol Huffman tables (a DC
// difference of 0 and an immediate end of block, one bit each): any size costs a few bytes per 64
// pixels. lumaSampling 0x22 gives 4:2:0 with three components, 0x11 4:4:4, 0 one grey component.
// Progressive files carry the DC scan only; dataBytes < 0 writes all the data the picture needs.
inline QByteArray flatJpeg(int width, int height, bool progressive, int lumaSampling, qint64 dataBytes = -1) {
  auto segment = [](char type, const QByteArray& payload) {
    const int length = int(payload.size()) + 2;
    return QByteArray("\xFF", 1) + type + char(length >> 8) + char(length & 0xFF) + payload;
  };
  const int components = lumaSampling ? 3 : 1, h = lumaSampling ? lumaSampling >> 4 : 1, v = lumaSampling ? lumaSampling & 15 : 1;
  QByteArray frame{"\x08", 1};
  frame += char(height >> 8), frame += char(height & 0xFF), frame += char(width >> 8), frame += char(width & 0xFF);
  frame += char(components);
  for (int c = 0; c < components; ++c) frame += char(c + 1), frame += char(c == 0 ? lumaSampling ? lumaSampling : 0x11 : 0x11), frame += '\0';
  QByteArray table(17, '\0');
  table[1] = 1;  // one code of one bit, for symbol 0
  table += '\0';
  QByteArray scan(1, char(components));
  for (int c = 0; c < components; ++c) scan += char(c + 1), scan += '\0';
  scan += '\0', scan += char(progressive ? 0 : 63), scan += '\0';
  const qint64 mcus = qint64((width + 8 * h - 1) / (8 * h)) * ((height + 8 * v - 1) / (8 * v));
  const qint64 bits = mcus * (h * v + components - 1) * (progressive ? 1 : 2);
  if (dataBytes < 0) dataBytes = (bits + 7) / 8;
  QByteArray quant(65, '\1');
  quant[0] = 0;
  return QByteArray("\xFF\xD8", 2) + segment('\xDB', quant) + segment(progressive ? '\xC2' : '\xC0', frame) +
         segment('\xC4', table) + segment('\xC4', QByteArray(1, '\x10') + table.mid(1)) + segment('\xDA', scan) +
         QByteArray(dataBytes, '\0') + QByteArray("\xFF\xD9", 2);
}

// A GIF whose logical screen is screenW x screenH, with one frame of frameW x frameH (all one colour).
inline QByteArray gifWithScreen(int screenW, int screenH, int frameW, int frameH) {
  auto le16 = [](int v) { return QByteArray(1, char(v & 0xFF)) + char(v >> 8); };
  return "GIF89a" + le16(screenW) + le16(screenH) + QByteArray("\x80\0\0\0\0\0\xFF\xFF\xFF,", 10) + le16(0) +
         le16(0) + le16(frameW) + le16(frameH) + QByteArray("\0\x02\x02\x44\x01\0;", 8);
}

// A Windows bitmap header (40-byte info block) followed by `data`.
inline QByteArray bmp(int width, int height, int bpp, int compression, const QByteArray& data) {
  QByteArray b(54 + (bpp <= 8 ? 4 << bpp : 0), '\0');
  const int offset = int(b.size());
  b[0] = 'B', b[1] = 'M';
  qToLittleEndian<quint32>(quint32(offset + data.size()), b.data() + 2);
  qToLittleEndian<quint32>(quint32(offset), b.data() + 10);
  qToLittleEndian<quint32>(40, b.data() + 14);
  qToLittleEndian<qint32>(width, b.data() + 18);
  qToLittleEndian<qint32>(height, b.data() + 22);
  qToLittleEndian<quint16>(1, b.data() + 26);
  qToLittleEndian<quint16>(quint16(bpp), b.data() + 28);
  qToLittleEndian<quint32>(quint32(compression), b.data() + 30);
  return b + data;
}

// The raster to store so that the orientation value turns it into `upright`:
// the stored pixel (x, y) of a ws x hs raster lands at landing(x, y).
inline QImage storedFor(const QImage& upright, int orientation) {
  const bool swap = orientation == 2 || orientation == 3 || orientation == 6 || orientation == 7;
  const QSize size = swap ? upright.size().transposed() : upright.size();
  const int ws = size.width(), hs = size.height();
  auto landing = [&](int x, int y) -> QPoint {
    switch (orientation) {
      case 1: return {ws - 1 - x, hs - 1 - y};  case 2: return {y, ws - 1 - x};
      case 3: return {hs - 1 - y, x};           case 4: return {ws - 1 - x, y};
      case 5: return {x, hs - 1 - y};           case 6: return {y, x};
      case 7: return {hs - 1 - y, ws - 1 - x};
    }
    return {x, y};
  };
  QImage stored(size, QImage::Format_RGB32);
  for (int y = 0; y < hs; ++y)
    for (int x = 0; x < ws; ++x) stored.setPixel(x, y, upright.pixel(landing(x, y)));
  return stored;
}

// Quadrants red, green / blue, yellow: any turn or mirror shows.
inline const std::array<QRgb, 4> kQuadrantColours = {qRgb(230, 20, 20), qRgb(20, 200, 30), qRgb(30, 40, 220), qRgb(240, 230, 20)};

// quadrants: the four colours; gradient: smooth and photo-like, with no flat areas.
inline QImage picture(int width, int height, bool quadrants) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image.setPixel(x, y, quadrants ? kQuadrantColours[(y >= height / 2 ? 2 : 0) + (x >= width / 2 ? 1 : 0)]
                                     : qRgb(255 * x / width, 255 * y / height, 128 + 100 * (x - y) / (width + height)));
  return image;
}
inline QImage quadrants(int width, int height) { return picture(width, height, true); }
inline QImage gradient(int width, int height) { return picture(width, height, false); }

}  // namespace photo_files
