// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PictureHeader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

#include "platform/ByteSource.h"
#include "platform/Reason.h"

namespace platform {
namespace {

using namespace header_bytes;

constexpr Reason kNotAPicture{"platform", QT_TRANSLATE_NOOP("platform", "the file is not a picture")};
constexpr Reason kDamaged{"platform", QT_TRANSLATE_NOOP("platform", "the file is damaged or incomplete")};

bool setSize(PictureHeader& h, qint64 width, qint64 height) {
  if (width <= 0 || height <= 0 || width > std::numeric_limits<int>::max() ||
      height > std::numeric_limits<int>::max())
    return false;
  h.size = QSize(int(width), int(height));
  return true;
}

std::optional<PictureHeader> refuse(QString* reason, const QString& text) {
  if (reason) *reason = text;
  return std::nullopt;
}

// JPEG: the frame header gives the size and sampling, the first scan tells
// progressive and multi-scan files (whose coefficients libjpeg keeps for the
// whole picture, at full size, whatever the output size) from baseline ones.
// Huffman coding spends at least one bit on every block of a scan, so the
// first scan alone bounds how many bytes a complete file must hold.
std::optional<PictureHeader> jpegHeader(ByteSource& in, QString* reason) {
  PictureHeader h;
  h.format = "jpeg";
  h.reducible = true;
  struct Component {
    int id, hs, vs;
  };
  std::vector<Component> components;
  bool haveFrame = false, progressive = false, arithmetic = false;
  const qint64 n = in.size();
  qint64 i = 2;
  while (i < n) {
    if (in.byteAt(i) != 0xFF) {  // stray bytes between segments: libjpeg skips them too
      ++i;
      continue;
    }
    int marker = 0xFF;
    while (marker == 0xFF) marker = in.byteAt(++i);  // fill bytes
    if (marker < 0) break;
    ++i;
    if (marker == 0xD9) break;                                           // ends before any scan
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;  // no length field
    std::uint8_t lengthBytes[2];
    if (!in.read(i, lengthBytes, 2)) break;
    const qint64 length = bigEndian(lengthBytes, 2);
    if (length < 2) return refuse(reason, kDamaged);
    const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (frame && !haveFrame) {
      std::uint8_t f[6 + 3 * 255];
      if (length < 8 || !in.read(i + 2, f, std::min<qint64>(length - 2, sizeof f)))
        return refuse(reason, kDamaged);
      const int count = f[5];
      if (count < 1 || length < 8 + 3 * count) return refuse(reason, kDamaged);
      for (int c = 0; c < count; ++c) {
        const int hs = f[7 + 3 * c] >> 4, vs = f[7 + 3 * c] & 15;
        if (hs < 1 || hs > 4 || vs < 1 || vs > 4) return refuse(reason, kDamaged);
        components.push_back({f[6 + 3 * c], hs, vs});
      }
      if (!setSize(h, bigEndian(f + 3, 2), bigEndian(f + 1, 2))) return refuse(reason, kDamaged);
      haveFrame = true;
      progressive = marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE;
      arithmetic = marker >= 0xC9;
    }
    if (marker == 0xDA) {
      if (!haveFrame) return refuse(reason, kDamaged);
      std::uint8_t s[1 + 2 * 4];
      if (!in.read(i + 2, s, 1) || s[0] < 1 || s[0] > 4 || !in.read(i + 2, s, 1 + 2 * s[0]))
        return refuse(reason, kDamaged);
      int hmax = 1, vmax = 1;
      for (const Component& c : components) hmax = std::max(hmax, c.hs), vmax = std::max(vmax, c.vs);
      qint64 coefficients = 0, scanBlocks = 0;
      for (const Component& c : components) {
        const qint64 wb = ceilDiv(qint64(h.size.width()) * c.hs, 8 * hmax);
        const qint64 hb = ceilDiv(qint64(h.size.height()) * c.vs, 8 * vmax);
        coefficients = add(coefficients, mul(ceilDiv(wb, c.hs) * c.hs, ceilDiv(hb, c.vs) * c.vs * 128));
        for (int k = 0; k < s[0]; ++k)
          if (s[1 + 2 * k] == c.id) scanBlocks = add(scanBlocks, mul(wb, hb));
      }
      // Row buffers of the sequential decoder: a few MCU rows of every component.
      h.scaleIndependentBytes = mul(qint64(h.size.width()) * vmax * 16, qint64(components.size()) * 2);
      if (progressive || int(s[0]) < int(components.size()))
        h.scaleIndependentBytes = add(h.scaleIndependentBytes, coefficients);
      if (components.size() == 1) h.decodedBytesPerPixel = 1, h.convertedCopy = true;
      const qint64 dataStart = i + length;
      const qint64 end = dataStart <= n ? in.lastPairAfter(dataStart, 0xFF, 0xD9) : -1;
      h.complete = end >= 0 && (arithmetic || (end - dataStart) * 8 >= scanBlocks);
      return h;
    }
    i += length;
  }
  if (!haveFrame) return refuse(reason, kDamaged);
  h.complete = false;
  return h;
}

// PNG: a complete file has its chunks back to back up to IEND. Deflate packs
// at most 1032 bytes into one, so the image data bounds the picture's size.
std::optional<PictureHeader> pngHeader(ByteSource& in, QString* reason) {
  PictureHeader h;
  h.format = "png";
  std::uint8_t head[8 + 13];
  if (!in.read(8, head, sizeof head) || bigEndian(head, 4) != 13 || std::memcmp(head + 4, "IHDR", 4) != 0)
    return refuse(reason, kDamaged);
  const quint32 width = bigEndian(head + 8, 4), height = bigEndian(head + 12, 4);
  const int depth = head[16], colourType = head[17];
  static constexpr std::array<int, 7> kChannels = {1, 0, 3, 1, 2, 0, 4};
  if (colourType > 6 || kChannels[std::size_t(colourType)] == 0 ||
      (depth != 1 && depth != 2 && depth != 4 && depth != 8 && depth != 16))
    return refuse(reason, kDamaged);
  if (width > 0x7FFFFFFFu || height > 0x7FFFFFFFu || !setSize(h, width, height))
    return refuse(reason, kDamaged);
  const int channels = kChannels[std::size_t(colourType)];
  if (depth == 16) h.decodedBytesPerPixel = 8, h.convertedCopy = true;
  if (colourType == 0 || colourType == 3) h.decodedBytesPerPixel = 1, h.convertedCopy = true;
  const qint64 raw = mul(height, 1 + ceilDiv(mul(mul(width, channels), depth), 8));
  qint64 idat = 0;
  h.complete = false;
  for (qint64 i = 8; i + 12 <= in.size();) {
    std::uint8_t chunk[8];
    if (!in.read(i, chunk, 8)) break;
    const qint64 length = bigEndian(chunk, 4);
    if (length > 0x7FFFFFFF) break;
    if (std::memcmp(chunk + 4, "IEND", 4) == 0) {
      h.complete = true;
      break;
    }
    if (std::memcmp(chunk + 4, "IDAT", 4) == 0) idat += length;
    i += 12 + length;
  }
  if (mul(idat, 1032) + 1032 * 64 < raw) h.complete = false;
  return h;
}

// GIF: Qt decodes onto the logical screen, which may be far larger than the
// first frame (or, with no screen, onto the frame's extent). A complete first
// frame has the end of its data blocks inside the file.
std::optional<PictureHeader> gifHeader(ByteSource& in, QString* reason) {
  PictureHeader h;
  h.format = "gif";
  std::uint8_t screen[7];
  if (!in.read(6, screen, 7)) return refuse(reason, kDamaged);
  const int sw = int(littleEndian(screen, 2)), sh = int(littleEndian(screen + 2, 2));
  qint64 i = 13;
  if (screen[4] & 0x80) i += 3 << ((screen[4] & 7) + 1);
  auto skipBlocks = [&in](qint64& pos) {
    for (int length; (length = in.byteAt(pos)) > 0;) pos += 1 + length;
    return in.byteAt(pos++) == 0;
  };
  while (true) {
    const int kind = in.byteAt(i++);
    if (kind == 0x21) {  // extension: label, then data blocks
      ++i;
      if (!skipBlocks(i)) return refuse(reason, kDamaged);
    } else if (kind == 0x2C) {
      std::uint8_t d[9];
      if (!in.read(i, d, 9)) return refuse(reason, kDamaged);
      const int left = int(littleEndian(d, 2)), top = int(littleEndian(d + 2, 2));
      const int fw = int(littleEndian(d + 4, 2)), fh = int(littleEndian(d + 6, 2));
      const bool useScreen = sw > 0 && sh > 0;
      if (!setSize(h, useScreen ? sw : left + fw, useScreen ? sh : top + fh)) return refuse(reason, kDamaged);
      i += 9;
      if (d[8] & 0x80) i += 3 << ((d[8] & 7) + 1);
      ++i;  // LZW code size
      h.complete = skipBlocks(i);
      return h;
    } else {  // the trailer or garbage before any frame
      return refuse(reason, kDamaged);
    }
  }
}

// BMP: uncompressed rows must all be in the file; run-length data must reach
// its end-of-picture code before the file ends.
std::optional<PictureHeader> bmpHeader(ByteSource& in, QString* reason) {
  PictureHeader h;
  h.format = "bmp";
  std::uint8_t head[14 + 20];
  if (!in.read(0, head, 14 + 4)) return refuse(reason, kDamaged);
  const qint64 offset = littleEndian(head + 10, 4), infoSize = littleEndian(head + 14, 4);
  qint64 width = 0, height = 0;
  int bpp = 0, compression = 0;
  if (infoSize == 12) {
    if (!in.read(0, head, 14 + 12)) return refuse(reason, kDamaged);
    width = littleEndian(head + 18, 2), height = littleEndian(head + 20, 2),
    bpp = int(littleEndian(head + 24, 2));
  } else if (infoSize >= 40) {
    if (!in.read(0, head, 14 + 20)) return refuse(reason, kDamaged);
    width = qint32(littleEndian(head + 18, 4)), height = qint32(littleEndian(head + 22, 4));
    bpp = int(littleEndian(head + 28, 2)), compression = int(littleEndian(head + 30, 4));
  } else {
    return refuse(reason, kDamaged);
  }
  if (!setSize(h, width, height < 0 ? -height : height)) return refuse(reason, kDamaged);
  if (bpp <= 8) h.decodedBytesPerPixel = 1, h.convertedCopy = true;
  if (compression == 1 || compression == 2) {  // RLE8, RLE4
    qint64 i = offset;
    h.complete = false;
    for (std::uint8_t p[2]; in.read(i, p, 2);) {
      i += 2;
      if (p[0] > 0 || p[1] == 0) continue;  // a run, or end of line
      if (p[1] == 1) {
        h.complete = true;
        break;
      }
      if (p[1] == 2) {  // move by the next two bytes
        i += 2;
        continue;
      }
      const qint64 bytes = compression == 1 ? p[1] : (p[1] + 1) / 2;  // literal pixels, padded to a word
      i += bytes + (bytes & 1);
    }
  } else {
    const qint64 row = ceilDiv(mul(h.size.width(), std::max(bpp, 1)), 32) * 4;
    h.complete = add(offset, mul(row, h.size.height())) <= in.size();
  }
  return h;
}

// TIFF: every strip or tile the first directory names lies inside the file; an
// uncompressed picture has all its rows. The largest strip is decoded whole.
std::optional<PictureHeader> tiffHeader(ByteSource& in, QString* reason) {
  PictureHeader h;
  h.format = "tiff";
  std::uint8_t head[16];
  if (!in.read(0, head, 8)) return refuse(reason, kDamaged);
  const bool little = head[0] == 'I';
  auto value = [little](const std::uint8_t* p, int n) -> qint64 {
    if (n <= 4) return little ? littleEndian(p, n) : bigEndian(p, n);
    const qint64 low = little ? littleEndian(p, 4) : bigEndian(p + 4, 4);
    const qint64 high = little ? littleEndian(p + 4, 4) : bigEndian(p, 4);
    return high > 0x3FFFFFFF ? kHuge : high << 32 | low;
  };
  const bool big = value(head + 2, 2) == 43;  // BigTIFF: 8-byte offsets and counts
  if (big && !in.read(0, head, 16)) return refuse(reason, kDamaged);
  const int offsetSize = big ? 8 : 4, countSize = big ? 8 : 2, entrySize = big ? 20 : 12;
  const qint64 directory = big ? value(head + 8, 8) : value(head + 4, 4);
  std::uint8_t countBytes[8];
  if (!in.read(directory, countBytes, countSize)) return refuse(reason, kDamaged);
  const qint64 entries = value(countBytes, countSize);
  qint64 width = 0, height = 0, bits = 1, samples = 1, compression = 1, rowsPerStrip = kHuge;
  qint64 tileWidth = 0, tileHeight = 0;
  struct Array {
    int size = 0;
    qint64 count = 0, at = 0;
  } offsets, counts;
  for (qint64 e = 0; e < entries; ++e) {
    const qint64 at = add(directory + countSize, mul(e, entrySize));
    std::uint8_t entry[20];
    if (!in.read(at, entry, entrySize)) return refuse(reason, kDamaged);
    const int tag = int(value(entry, 2)), type = int(value(entry + 2, 2));
    const qint64 count = value(entry + 4, offsetSize);
    const int size = type == 3 ? 2 : type == 4 ? 4 : type == 16 ? 8 : 0;
    if (size == 0 || count < 1) continue;
    const std::uint8_t* field = entry + 4 + offsetSize;
    // Values that fit the entry's last field sit there; longer arrays elsewhere.
    const Array array{size, count,
                      mul(count, size) <= offsetSize ? at + 4 + offsetSize : value(field, offsetSize)};
    std::uint8_t firstBytes[8];
    if (!in.read(array.at, firstBytes, size)) return refuse(reason, kDamaged);
    const qint64 first = value(firstBytes, size);
    switch (tag) {
      case 256:
        width = first;
        break;
      case 257:
        height = first;
        break;
      case 258:
        bits = first;
        break;
      case 259:
        compression = first;
        break;
      case 277:
        samples = first;
        break;
      case 278:
        rowsPerStrip = first;
        break;
      case 322:
        tileWidth = first;
        break;
      case 323:
        tileHeight = first;
        break;
      case 273:
      case 324:
        offsets = array;
        break;
      case 279:
      case 325:
        counts = array;
        break;
    }
  }
  if (!setSize(h, width, height) || samples < 1 || samples > 16 || bits < 1 || bits > 64)
    return refuse(reason, kDamaged);
  h.decodedBytesPerPixel = bits > 16 ? 16 : bits > 8 ? 8 : 4;
  h.convertedCopy = bits > 8 || samples < 3;
  const qint64 rowBytes = ceilDiv(mul(mul(width, samples), bits), 8);
  h.scaleIndependentBytes = tileWidth > 0 ? mul(ceilDiv(mul(mul(tileWidth, samples), bits), 8), tileHeight)
                                          : mul(rowBytes, std::min(rowsPerStrip, height));
  h.complete = offsets.count > 0 && offsets.count == counts.count;
  qint64 total = 0;
  for (qint64 k = 0; h.complete && k < offsets.count; ++k) {
    std::uint8_t a[8], b[8];
    if (!in.read(add(offsets.at, mul(k, offsets.size)), a, offsets.size) ||
        !in.read(add(counts.at, mul(k, counts.size)), b, counts.size))
      return refuse(reason, kDamaged);
    const qint64 count = value(b, counts.size);
    total = add(total, count);
    h.complete = add(value(a, offsets.size), count) <= in.size();
  }
  if (compression == 1 && tileWidth == 0 && total < mul(rowBytes, height)) h.complete = false;
  return h;
}

// WebP: the RIFF size must fit the file. Qt reads the file whole, and a
// lossless picture is decoded through a picture-sized buffer of its own.
std::optional<PictureHeader> webpHeader(ByteSource& in, QString* reason) {
  PictureHeader h;
  h.format = "webp";
  std::uint8_t b[30];
  if (!in.read(0, b, 30)) return refuse(reason, kDamaged);
  qint64 width = 0, height = 0;
  if (std::memcmp(b + 12, "VP8X", 4) == 0) {
    width = 1 + qint64(littleEndian(b + 24, 3)), height = 1 + qint64(littleEndian(b + 27, 3));
  } else if (std::memcmp(b + 12, "VP8L", 4) == 0 && b[20] == 0x2F) {
    const quint32 bits = littleEndian(b + 21, 4);
    width = 1 + (bits & 0x3FFF), height = 1 + (bits >> 14 & 0x3FFF);
  } else if (std::memcmp(b + 12, "VP8 ", 4) == 0 && b[23] == 0x9D && b[24] == 0x01 && b[25] == 0x2A) {
    width = littleEndian(b + 26, 2) & 0x3FFF, height = littleEndian(b + 28, 2) & 0x3FFF;
  }
  if (!setSize(h, width, height)) return refuse(reason, kDamaged);
  h.perPixelWorkBytes = 4;
  h.sourceBytes = in.size();
  h.complete = 8 + qint64(littleEndian(b + 4, 4)) <= in.size();
  return h;
}

// PBM, PGM, PPM: the header is text; the pixels that follow must all be there
// (one character each at least when they are written as text too).
std::optional<PictureHeader> pnmHeader(ByteSource& in, QString* reason) {
  PictureHeader h;
  h.format = "ppm";
  const int kind = in.byteAt(1) - '0';
  const bool bitmap = kind == 1 || kind == 4;
  qint64 fields[3] = {0, 0, 0}, i = 2;
  for (int f = 0; f < (bitmap ? 2 : 3); ++f) {
    int c = in.byteAt(i);
    while (c == '#' || c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      if (c == '#')
        while (c >= 0 && c != '\n') c = in.byteAt(++i);
      c = in.byteAt(++i);
    }
    if (c < '0' || c > '9') return refuse(reason, kDamaged);
    for (; c >= '0' && c <= '9'; c = in.byteAt(++i)) fields[f] = add(mul(fields[f], 10), c - '0');
  }
  if (bitmap) fields[2] = 1;
  if (!setSize(h, fields[0], fields[1]) || fields[2] < 1 || fields[2] > 65535)
    return refuse(reason, kDamaged);
  const int samples = kind == 3 || kind == 6 ? 3 : 1, sampleBytes = fields[2] > 255 ? 2 : 1;
  h.convertedCopy = samples == 1 || sampleBytes == 2;
  if (sampleBytes == 2) h.decodedBytesPerPixel = 8;
  const qint64 pixels = mul(fields[0], fields[1]);
  const qint64 need = kind == 4   ? mul(ceilDiv(fields[0], 8), fields[1])
                      : kind >= 5 ? mul(pixels, samples * sampleBytes)
                                  : mul(pixels, samples);
  h.complete = add(i + 1, need) <= in.size();
  return h;
}

bool isHeif(ByteSource& in) {
  std::uint8_t box[8];
  if (!in.read(0, box, 8) || std::memcmp(box + 4, "ftyp", 4) != 0) return false;
  const qint64 size = std::min<qint64>(bigEndian(box, 4), 4096);
  static const char* const kBrands[] = {"heic", "heix", "hevc", "hevx", "heim",
                                        "heis", "mif1", "msf1", "avif", "avis"};
  for (qint64 at = 8; at + 4 <= size; at += at == 8 ? 8 : 4) {  // the major brand, then the compatible ones
    char brand[4];
    if (!in.read(at, brand, 4)) return false;
    for (const char* known : kBrands)
      if (std::memcmp(brand, known, 4) == 0) return true;
  }
  return false;
}

}  // namespace

std::optional<PictureHeader> readPictureHeader(QIODevice& device, QString* reason) {
  ByteSource in(device);
  std::uint8_t m[12] = {};
  if (!in.read(0, m, std::min<qint64>(12, in.size())))
    return refuse(reason, QCoreApplication::translate("platform", "the file cannot be read"));
  if (in.size() >= 3 && m[0] == 0xFF && m[1] == 0xD8 && m[2] == 0xFF) return jpegHeader(in, reason);
  if (in.size() >= 8 && std::memcmp(m, "\x89PNG\r\n\x1A\n", 8) == 0) return pngHeader(in, reason);
  if (in.size() >= 6 && (std::memcmp(m, "GIF87a", 6) == 0 || std::memcmp(m, "GIF89a", 6) == 0))
    return gifHeader(in, reason);
  if (in.size() >= 2 && m[0] == 'B' && m[1] == 'M') return bmpHeader(in, reason);
  if (in.size() >= 4 && (std::memcmp(m, "II*\0", 4) == 0 || std::memcmp(m, "MM\0*", 4) == 0 ||
                         std::memcmp(m, "II+\0", 4) == 0 || std::memcmp(m, "MM\0+", 4) == 0))
    return tiffHeader(in, reason);
  if (in.size() >= 12 && std::memcmp(m, "RIFF", 4) == 0 && std::memcmp(m + 8, "WEBP", 4) == 0)
    return webpHeader(in, reason);
  if (in.size() >= 3 && m[0] == 'P' && m[1] >= '1' && m[1] <= '6' &&
      (m[2] == ' ' || m[2] == '\t' || m[2] == '\r' || m[2] == '\n' || m[2] == '#'))
    return pnmHeader(in, reason);
  if (isHeif(in)) {
    PictureHeader h;
    h.format = "heif";
    return h;
  }
  return refuse(reason, kNotAPicture);
}

qint64 decodeCost(const PictureHeader& header, QSize decodeSize) {
  constexpr qint64 kFixed = qint64(8) << 20;  // the working-size copies and the codecs' small tables
  const qint64 pixels = mul(std::max(decodeSize.width(), 0), std::max(decodeSize.height(), 0));
  qint64 cost = add(kFixed, mul(pixels, header.decodedBytesPerPixel + header.perPixelWorkBytes));
  if (header.convertedCopy) cost = add(cost, mul(pixels, 4));
  return add(add(cost, header.scaleIndependentBytes), header.sourceBytes);
}

}  // namespace platform
