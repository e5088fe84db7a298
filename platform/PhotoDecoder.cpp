#include "platform/PhotoDecoder.h"

#include <QFile>
#include <QFileInfo>
#include <QImageIOHandler>
#include <QImageReader>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>

#include "platform/ImageBridge.h"
#include "sketch/Orientation.h"
#include "sketch/WorkingSize.h"

namespace platform {
namespace {

// Enough for a full decode of the largest accepted picture in 32 bits per
// pixel; Qt's own default (128 MB) would refuse ordinary 40-megapixel PNGs.
constexpr int kAllocationLimitMb = 600;

const QString kNotAPicture = QStringLiteral("the file is not a picture");
const QString kDamaged = QStringLiteral("the file is damaged or incomplete");
const QString kTooLarge = QStringLiteral("the picture is too large");
const QString kNoMemory = QStringLiteral("there is not enough memory for the picture");

bool fail(QString* reason, const QString& text) {
  if (reason) *reason = text;
  return false;
}

void ensureAllocationLimit() {
  static const bool done = [] {
    QImageReader::setAllocationLimit(kAllocationLimitMb);
    return true;
  }();
  (void)done;
}

// Qt reports the tag as the transformation that makes the picture upright; this
// is the inverse of Qt's own EXIF-to-transformation table.
int exifFromTransformation(QImageIOHandler::Transformations t) {
  switch (int(t)) {
    case QImageIOHandler::TransformationNone:
      return 1;
    case QImageIOHandler::TransformationMirror:
      return 2;
    case QImageIOHandler::TransformationRotate180:
      return 3;
    case QImageIOHandler::TransformationFlip:
      return 4;
    case QImageIOHandler::TransformationFlipAndRotate90:
      return 5;
    case QImageIOHandler::TransformationRotate90:
      return 6;
    case QImageIOHandler::TransformationMirrorAndRotate90:
      return 7;
    case QImageIOHandler::TransformationRotate270:
      return 8;
  }
  return 1;
}

bool swapsSides(int orientation) {
  return orientation == 2 || orientation == 3 || orientation == 6 || orientation == 7;
}

QSize uprightOf(QSize stored, int orientation) {
  return swapsSides(orientation) ? stored.transposed() : stored;
}

QString reasonForReaderError(QImageReader::ImageReaderError error) {
  switch (error) {
    case QImageReader::UnsupportedFormatError:
      return kNotAPicture;
    case QImageReader::DeviceError:
    case QImageReader::FileNotFoundError:
      return QStringLiteral("the file cannot be read");
    default:
      return kDamaged;
  }
}

// Random access to a file's bytes for the completeness checks below, which
// look only at segment headers and the file's end instead of reading it whole.
class ByteSource {
 public:
  explicit ByteSource(const QString& path) : file_(path) { ok_ = file_.open(QIODevice::ReadOnly); }
  bool ok() const { return ok_; }
  qint64 size() const { return file_.size(); }
  // n bytes at pos, or nothing when the file ends sooner.
  bool read(qint64 pos, void* out, qint64 n) {
    return pos >= 0 && file_.seek(pos) && file_.read(static_cast<char*>(out), n) == n;
  }
  // One byte (-1 past the end), through a window so that walking the file
  // byte by byte stays cheap.
  int byteAt(qint64 pos) {
    if (pos < windowStart_ || pos >= windowStart_ + window_.size()) {
      if (pos < 0 || pos >= size() || !file_.seek(pos)) return -1;
      window_ = file_.read(64 * 1024);
      windowStart_ = pos;
      if (window_.isEmpty()) return -1;
    }
    return std::uint8_t(window_[pos - windowStart_]);
  }
  // Whether the two bytes a, b occur together at or after `from`, searching
  // backwards from the end (where an end marker normally sits).
  bool containsPairAfter(qint64 from, char a, char b) {
    constexpr qint64 kChunk = 64 * 1024;
    QByteArray chunk;
    for (qint64 end = size(); end - from >= 2;) {
      const qint64 begin = std::max(from, end - kChunk);
      chunk.resize(end - begin);
      if (!read(begin, chunk.data(), chunk.size())) return false;
      for (qint64 i = chunk.size() - 2; i >= 0; --i)
        if (chunk[i] == a && chunk[i + 1] == b) return true;
      if (begin == from) break;
      end = begin + 1;  // overlap one byte so that a pair across chunks is seen
    }
    return false;
  }

 private:
  QFile file_;
  bool ok_ = false;
  QByteArray window_;
  qint64 windowStart_ = 0;
};

// libjpeg decodes a cut-off file without complaint, filling the missing part
// with grey. A complete file has an end-of-image marker after its first scan:
// walk the marker segments (skipping embedded thumbnails in APPn segments) to
// the first scan, then look for the marker after it.
bool jpegIsComplete(ByteSource& in) {
  const qint64 n = in.size();
  if (in.byteAt(0) != 0xFF || in.byteAt(1) != 0xD8) return false;
  qint64 i = 2;
  while (i < n) {
    if (in.byteAt(i) != 0xFF) {  // stray bytes between segments: libjpeg skips them too
      ++i;
      continue;
    }
    int marker = 0xFF;
    while (marker == 0xFF) marker = in.byteAt(++i);  // fill bytes
    if (marker < 0) return false;
    ++i;
    if (marker == 0xD9) return true;
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;  // no length field
    const int high = in.byteAt(i), low = in.byteAt(i + 1);
    if (high < 0 || low < 0) return false;
    const qint64 length = qint64(high) << 8 | low;
    if (length < 2) return false;
    i += length;
    if (marker == 0xDA) return i <= n && in.containsPairAfter(i, char(0xFF), char(0xD9));
  }
  return false;
}

// A PNG that stops short makes libpng print its own complaint straight to
// stderr; a complete one has its chunks back to back up to the end chunk.
bool pngIsComplete(ByteSource& in) {
  const qint64 n = in.size();
  qint64 i = 8;  // signature
  while (i + 12 <= n) {
    std::uint8_t head[8];
    if (!in.read(i, head, 8)) return false;
    const qint64 length = qint64(head[0]) << 24 | qint64(head[1]) << 16 | qint64(head[2]) << 8 | head[3];
    if (std::memcmp(head + 4, "IEND", 4) == 0) return true;
    i += 12 + length;
  }
  return false;
}

// The largest reduction libjpeg can do while decoding (M/8 of each side, as Qt
// asks for it) that still leaves at least `need` pixels; the stored size when
// no reduction fits. Sides are rounded down so that Qt settles on M itself.
QSize reducedDecodeSize(QSize stored, QSize need) {
  for (int m = 1; m < 8; ++m) {
    const qint64 w = qint64(stored.width()) * m / 8;
    const qint64 h = qint64(stored.height()) * m / 8;
    if (w >= need.width() && h >= need.height()) return QSize(int(w), int(h));
  }
  return stored;
}

// The open file, its decoder and what its header says.
class PhotoSource {
 public:
  bool open(const QString& path, QString* reason) {
    ensureAllocationLimit();
    const QFileInfo info(path);
    if (!info.exists()) return fail(reason, QStringLiteral("the file does not exist"));
    if (info.isDir()) return fail(reason, kNotAPicture);
    file_.setFileName(path);
    if (!file_.open(QIODevice::ReadOnly)) return fail(reason, QStringLiteral("the file cannot be read"));
    if (file_.size() == 0) return fail(reason, QStringLiteral("the file is empty"));
    reader_.setDevice(&file_);
    reader_.setDecideFormatFromContent(true);  // a name ending in .jpg proves nothing
    reader_.setAutoTransform(false);
    if (!reader_.canRead()) return fail(reason, reasonForReaderError(reader_.error()));
    format_ = reader_.format();
    storedSize_ = reader_.size();
    if (!storedSize_.isValid() || storedSize_.isEmpty()) return fail(reason, kDamaged);
    if (qint64(storedSize_.width()) * storedSize_.height() > kMaxPhotoPixels) return fail(reason, kTooLarge);
    orientation_ = orientationFromExif(exifFromTransformation(reader_.transformation()));
    if (isJpeg() || format_ == "png") {
      ByteSource bytes(path);
      if (!bytes.ok()) return fail(reason, QStringLiteral("the file cannot be read"));
      if (!(isJpeg() ? jpegIsComplete(bytes) : pngIsComplete(bytes))) return fail(reason, kDamaged);
    }
    return true;
  }

  bool isJpeg() const { return format_ == "jpeg" || format_ == "jpg"; }
  QSize storedSize() const { return storedSize_; }
  int orientation() const { return orientation_; }
  QSize uprightSize() const { return uprightOf(storedSize_, orientation_); }

  // Decodes at `scaled` (in the stored orientation) or, when invalid, in full.
  std::optional<QImage> read(QSize scaled, QString* reason) {
    if (scaled.isValid() && scaled != storedSize_) reader_.setScaledSize(scaled);
    QImage image;
    if (!reader_.read(&image) || image.isNull()) {
      fail(reason, reasonForReaderError(reader_.error()));
      return std::nullopt;
    }
    return image;
  }

 private:
  QFile file_;
  QImageReader reader_;
  QByteArray format_;
  QSize storedSize_;
  int orientation_ = 0;
};

// Photos are opaque everywhere after this: transparent pixels are laid onto
// white. On premultiplied data that is exact: c + (255 - a) for each channel.
QImage opaqueOnWhite(QImage image) {
  const bool hadAlpha = image.hasAlphaChannel();
  if (image.format() != QImage::Format_ARGB32_Premultiplied)
    image = std::move(image).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  if (!hadAlpha || image.isNull()) return image;
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = line[x];
      const int cover = 255 - qAlpha(p);
      if (cover == 0) continue;
      line[x] =
          qRgba(qMin(255, qRed(p) + cover), qMin(255, qGreen(p) + cover), qMin(255, qBlue(p) + cover), 255);
    }
  }
  return image;
}

std::optional<QImage> makeUpright(QImage image, int orientation, QString* reason) {
  if (orientation < 1 || orientation > 7) return image;
  std::optional<sketch::PixelBuffer> raster = GetImageData(image);
  if (!raster) {
    fail(reason, kNoMemory);
    return std::nullopt;
  }
  image = QImage();  // the raster holds the pixels now
  sketch::PixelBuffer upright = sketch::fixOrientation(std::move(*raster), orientation);
  if (upright.empty()) {
    fail(reason, kNoMemory);
    return std::nullopt;
  }
  QImage result = toQImage(upright);
  if (result.isNull()) {
    fail(reason, kNoMemory);
    return std::nullopt;
  }
  return result;
}

// Shared tail of every path: opaque, upright, then limited to the working size
// computed from the photo's full upright size.
std::optional<PreparedPhoto> finish(QImage image, int orientation, QSize fullUpright, QString* reason) {
  image = opaqueOnWhite(std::move(image));
  if (image.isNull()) {
    fail(reason, kNoMemory);
    return std::nullopt;
  }
  std::optional<QImage> upright = makeUpright(std::move(image), orientation, reason);
  if (!upright) return std::nullopt;
  image = std::move(*upright);

  const std::optional<sketch::SizeF> target =
      sketch::workingSize(float(fullUpright.width()), float(fullUpright.height()));
  if (target) {
    const sketch::SizeI whole = sketch::wholePixelSize(*target);
    const QSize wanted(whole.width, whole.height);
    if (image.size() != wanted) {
      image = imageByScalingForSize(QSizeF(target->width, target->height), image);
      if (image.isNull() || image.size() != wanted) {
        fail(reason, QStringLiteral("the picture could not be scaled"));
        return std::nullopt;
      }
    }
  }
  if (image.format() != QImage::Format_ARGB32_Premultiplied)
    image = std::move(image).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  return PreparedPhoto{std::move(image), fullUpright, orientation};
}

}  // namespace

int orientationFromExif(int exifOrientation) {
  switch (exifOrientation) {
    case 1:
      return 0;
    case 3:
      return 1;
    case 8:
      return 2;
    case 6:
      return 3;
    case 2:
      return 4;
    case 4:
      return 5;
    case 5:
      return 6;
    case 7:
      return 7;
  }
  return 0;
}

std::optional<PreparedPhoto> preparePhoto(const QString& path, QString* reason) {
  PhotoSource source;
  if (!source.open(path, reason)) return std::nullopt;
  const QSize upright = source.uprightSize();
  QSize decodeSize;
  if (source.isJpeg()) {
    const std::optional<sketch::SizeF> target =
        sketch::workingSize(float(upright.width()), float(upright.height()));
    if (target) {
      const QSize need(int(std::ceil(target->width)), int(std::ceil(target->height)));
      decodeSize = reducedDecodeSize(source.storedSize(), uprightOf(need, source.orientation()));
    }
  }
  std::optional<QImage> image = source.read(decodeSize, reason);
  if (!image) return std::nullopt;
  return finish(std::move(*image), source.orientation(), upright, reason);
}

std::optional<PreparedPhoto> preparePhotoFullDecode(const QString& path, QString* reason) {
  PhotoSource source;
  if (!source.open(path, reason)) return std::nullopt;
  std::optional<QImage> image = source.read(QSize(), reason);
  if (!image) return std::nullopt;
  return finish(std::move(*image), source.orientation(), source.uprightSize(), reason);
}

std::optional<PreparedPhoto> prepareImage(QImage image, int orientation, QString* reason) {
  if (image.isNull()) {
    fail(reason, QStringLiteral("there is no picture"));
    return std::nullopt;
  }
  if (qint64(image.width()) * image.height() > kMaxPhotoPixels) {
    fail(reason, kTooLarge);
    return std::nullopt;
  }
  if (orientation < 0 || orientation > 7) orientation = 0;
  const QSize upright = uprightOf(image.size(), orientation);
  return finish(std::move(image), orientation, upright, reason);
}

std::optional<QImage> readImageFile(const QString& path, QString* reason) {
  PhotoSource source;
  if (!source.open(path, reason)) return std::nullopt;
  return source.read(QSize(), reason);
}

}  // namespace platform
