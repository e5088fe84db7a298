#pragma once
// Builds photo files for the decoder and command-line tests: JPEGs carrying an
// EXIF orientation tag (Qt's writer never writes one), PNGs whose header claims
// any size, and pictures stored turned so that their tag makes them upright.
#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QSize>
#include <QString>
#include <QtEndian>
#include <array>
#include <cstdint>

namespace photo_files {

inline QByteArray encode(const QImage& image, const char* format, int quality = 95) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  writer.setQuality(quality);
  writer.write(image);
  return bytes;
}

inline bool writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// An APP1 "Exif" segment holding a little-endian TIFF header and an IFD0 with
// the one Orientation entry (tag 0x0112, SHORT), spliced in right after SOI.
inline QByteArray withExifOrientation(const QByteArray& jpeg, int exifOrientation) {
  QByteArray tiff;
  tiff.append("II\x2A\x00", 4);
  tiff.append("\x08\x00\x00\x00", 4);  // IFD0 right after the header
  tiff.append("\x01\x00", 2);          // one entry
  tiff.append("\x12\x01", 2);          // Orientation
  tiff.append("\x03\x00", 2);          // SHORT
  tiff.append("\x01\x00\x00\x00", 4);  // one value
  tiff.append(char(exifOrientation & 0xFF));
  tiff.append("\x00\x00\x00", 3);
  tiff.append("\x00\x00\x00\x00", 4);  // no next IFD
  QByteArray payload("Exif\0\0", 6);
  payload += tiff;
  const int length = int(payload.size()) + 2;
  QByteArray segment("\xFF\xE1", 2);
  segment.append(char(length >> 8));
  segment.append(char(length & 0xFF));
  segment += payload;
  QByteArray out = jpeg;
  out.insert(2, segment);
  return out;
}

inline std::uint32_t crc32(const QByteArray& bytes) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (char c : bytes) {
    crc ^= std::uint8_t(c);
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

inline QByteArray pngChunk(const char* type, const QByteArray& data) {
  QByteArray chunk;
  std::array<uchar, 4> be{};
  qToBigEndian<quint32>(quint32(data.size()), be.data());
  chunk.append(reinterpret_cast<const char*>(be.data()), 4);
  QByteArray typed(type, 4);
  typed += data;
  chunk += typed;
  qToBigEndian<quint32>(crc32(typed), be.data());
  chunk.append(reinterpret_cast<const char*>(be.data()), 4);
  return chunk;
}

// A well-formed PNG signature and header claiming width x height RGBA pixels,
// followed by a few bytes of image data and the end chunk.
inline QByteArray pngClaimingSize(quint32 width, quint32 height) {
  QByteArray header(13, '\0');
  qToBigEndian<quint32>(width, header.data());
  qToBigEndian<quint32>(height, header.data() + 4);
  header[8] = 8;  // bits per channel
  header[9] = 6;  // RGBA
  QByteArray zlib = qCompress(QByteArray(64, '\0')).mid(4);
  QByteArray png("\x89PNG\r\n\x1A\n", 8);
  png += pngChunk("IHDR", header);
  png += pngChunk("IDAT", zlib);
  png += pngChunk("IEND", {});
  return png;
}

// Where the stored pixel (x, y) of a Ws x Hs raster lands in the upright picture
// for each orientation value.
inline QPoint landing(int orientation, int x, int y, int ws, int hs) {
  switch (orientation) {
    case 1:
      return {ws - 1 - x, hs - 1 - y};
    case 2:
      return {y, ws - 1 - x};
    case 3:
      return {hs - 1 - y, x};
    case 4:
      return {ws - 1 - x, y};
    case 5:
      return {x, hs - 1 - y};
    case 6:
      return {y, x};
    case 7:
      return {hs - 1 - y, ws - 1 - x};
  }
  return {x, y};
}

// The raster to store so that the orientation value turns it into `upright`.
inline QImage storedFor(const QImage& upright, int orientation) {
  const bool swap = orientation == 2 || orientation == 3 || orientation == 6 || orientation == 7;
  const QSize size = swap ? upright.size().transposed() : upright.size();
  QImage stored(size, QImage::Format_RGB32);
  for (int y = 0; y < size.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(stored.scanLine(y));
    for (int x = 0; x < size.width(); ++x) {
      const QPoint p = landing(orientation, x, y, size.width(), size.height());
      line[x] = upright.pixel(p);
    }
  }
  return stored;
}

// Four flat quadrants: red top left, green top right, blue bottom left, yellow
// bottom right. Any turn or mirror of it shows.
inline const std::array<QRgb, 4> kQuadrantColours = {qRgb(230, 20, 20), qRgb(20, 200, 30), qRgb(30, 40, 220),
                                                     qRgb(240, 230, 20)};

inline QImage quadrants(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x)
      line[x] = kQuadrantColours[(y >= height / 2 ? 2 : 0) + (x >= width / 2 ? 1 : 0)];
  }
  return image;
}

// A smooth photo-like picture (gradients, no flat areas) for comparing two
// ways of producing the same prepared photo.
inline QImage gradient(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x)
      line[x] = qRgb(255 * x / width, 255 * y / height, 128 + 100 * (x - y) / (width + height));
  }
  return image;
}

}  // namespace photo_files
