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
