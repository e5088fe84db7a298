// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PhotoDecoder.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImageIOHandler>
#include <QImageReader>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <new>
#include <utility>

#include "platform/FileChecks.h"
#include "platform/HeifDecoder.h"
#include "platform/ImageBridge.h"
#include "platform/LibraryMessages.h"
#include "platform/PictureHeader.h"
#include "platform/Reason.h"
#include "sketch/Orientation.h"
#include "sketch/WorkingSize.h"

namespace platform {
namespace {

// Qt's own last guard, at the budget: no decoder allocates a larger picture.
constexpr int kAllocationLimitMb = int(kDecodeBudgetBytes >> 20);

constexpr Reason kNotAPicture{"platform", QT_TRANSLATE_NOOP("platform", "the file is not a picture")};
constexpr Reason kDamaged{"platform", QT_TRANSLATE_NOOP("platform", "the file is damaged or incomplete")};
constexpr Reason kTooLarge{"platform", QT_TRANSLATE_NOOP("platform", "the picture is too large")};

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
      return QCoreApplication::translate("platform", "the file cannot be read");
    default:
      return kDamaged;
  }
}

// Whether `bytes` could be had right now; after a failed decode this tells
// memory running out from damage. Untouched memory costs nothing.
bool memoryAvailable(qint64 bytes) {
  const std::size_t n = std::size_t(std::clamp<qint64>(bytes, 1, kDecodeBudgetBytes));
  return std::unique_ptr<std::uint8_t[]>(new (std::nothrow) std::uint8_t[n]) != nullptr;
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

// A damaged file can store colour indices past the end of its palette (a BMP
// with one colour and pixels of every index); Qt's conversions, split over
// threads, would read beyond the table. Those pixels are made opaque black.
void padColourTable(QImage& image) {
  qsizetype needed = 0;
  if (image.format() == QImage::Format_Indexed8) needed = 256;
  if (image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB) needed = 2;
  QList<QRgb> table = image.colorTable();
  // No table at all is Qt's grey ramp, which covers every index.
  if (table.isEmpty() || table.size() >= needed) return;
  while (table.size() < needed) table.append(qRgb(0, 0, 0));
  image.setColorTable(table);
}

// The opened picture: what its header promises, and its decoder. Every claim
// is judged before the decoder allocates anything for it, and what the decoder
// actually produced is judged again.
class PhotoSource {
 public:
  // name: the file's, for what the codecs say about it (empty for memory).
  bool open(QIODevice& device, const QString& name, QString* reason) {
    ensureAllocationLimit();
    if (!device.isOpen() || !device.isReadable() || device.isSequential())
      return fail(reason, QCoreApplication::translate("platform", "the file cannot be read"));
    if (device.size() == 0) return fail(reason, QCoreApplication::translate("platform", "the file is empty"));
    std::optional<PictureHeader> header = readPictureHeader(device, reason);
    if (!header) return false;
    header_ = std::move(*header);
    subject_ = name;
    if (header_.format == "heif") {
      heif_ = std::make_unique<HeifDecoder>();
      if (!heif_->open(device, reason)) return false;
      storedSize_ = heif_->size();  // libheif turns the picture upright itself
      return true;
    }
    storedSize_ = header_.size;
    if (!device.seek(0))
      return fail(reason, QCoreApplication::translate("platform", "the file cannot be read"));
    reader_.setDevice(&device);
    reader_.setFormat(header_.format);  // judged from the content: a name ending in .jpg proves nothing
    reader_.setDecideFormatFromContent(false);
    reader_.setAutoTransform(false);
    if (decodeCost(header_, smallestDecodeSize()) <= kDecodeBudgetBytes && header_.complete) {
      CodecMessageCapture capture(subject_);
      if (!reader_.canRead()) return fail(reason, reasonForReaderError(reader_.error()));
      orientation_ = orientationFromExif(exifFromTransformation(reader_.transformation()));
    }
    return true;
  }

  bool reducible() const { return header_.reducible; }
  QSize storedSize() const { return storedSize_; }
  int orientation() const { return orientation_; }
  QSize uprightSize() const { return uprightOf(storedSize_, orientation_); }

  // Decodes at `scaled` (in the stored orientation) or, when invalid, in full.
  std::optional<QImage> read(QSize scaled, QString* reason) {
    if (!scaled.isValid() || !reducible()) scaled = storedSize_;
    const qint64 cost = heif_ ? heif_->decodeCost() : decodeCost(header_, scaled);
    if (cost > kDecodeBudgetBytes) return refuse(reason, kTooLarge);
    if (!header_.complete) return refuse(reason, kDamaged);
    QImage image;
    QString failure;
    {
      CodecMessageCapture capture(subject_);
      if (heif_) {
        if (std::optional<QImage> decoded = heif_->decode(&failure)) image = std::move(*decoded);
      } else {
        if (scaled != storedSize_) reader_.setScaledSize(scaled);
        // A failed read may still leave a partly filled picture behind: never use it.
        if (!reader_.read(&image)) image = QImage();
        if (image.isNull()) failure = reasonForReaderError(reader_.error());
        // Some handlers (GIF's) keep a reference to the picture they returned,
        // which would make the conversion below copy it: let the handler go.
        reader_.setDevice(nullptr);
      }
    }
    if (image.isNull()) return refuse(reason, memoryAvailable(cost) ? failure : kNoMemory);
    padColourTable(image);
    if (image.size() != scaled) {
      // The header promised another size: judge what was decoded, and take it
      // as the photo's own size when the whole picture was asked for.
      PictureHeader actual = header_;
      actual.convertedCopy = image.depth() != 32;
      actual.decodedBytesPerPixel = std::max(1, image.depth() / 8);
      if (decodeCost(actual, image.size()) > kDecodeBudgetBytes) return refuse(reason, kTooLarge);
      if (scaled == storedSize_) storedSize_ = image.size();
    }
    return image;
  }

 private:
  static std::optional<QImage> refuse(QString* reason, const QString& text) {
    fail(reason, text);
    return std::nullopt;
  }
  QSize smallestDecodeSize() const {
    return reducible() ? QSize(std::max(1, storedSize_.width() / 8), std::max(1, storedSize_.height() / 8))
                       : storedSize_;
  }

  PictureHeader header_;
  QImageReader reader_;
  std::unique_ptr<HeifDecoder> heif_;
  QString subject_;
  QSize storedSize_;
  int orientation_ = 0;
};

// Transparent pixels laid onto white, in place. On premultiplied data that is
// exact: c + (255 - a) for each channel.
void layOntoWhite(QImage& image) {
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

// Shared tail of every path. The picture is limited to the working size of the
// photo's full upright size while still in its stored orientation, so that the
// full-size picture is never copied: made 32-bit premultiplied in place where
// its format allows, scaled, then laid onto white and turned upright.
QSize workingSizeOf(QSize fullUpright) {
  if (const std::optional<sketch::SizeF> target =
          sketch::workingSize(float(fullUpright.width()), float(fullUpright.height()))) {
    const sketch::SizeI whole = sketch::wholePixelSize(*target);
    return QSize(whole.width, whole.height);
  }
  return fullUpright;
}

// The tail at any upright size `wanted`: a render larger than the working size
// goes the same way.
std::optional<PreparedPhoto> finishAt(QImage image, int orientation, QSize fullUpright, QSize wanted,
                                      QString* reason) {
  if (image.format() != QImage::Format_ARGB32_Premultiplied)
    image = std::move(image).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  if (image.isNull()) {
    fail(reason, kNoMemory);
    return std::nullopt;
  }
  const QSize storedWanted = uprightOf(wanted, orientation);
  if (image.size() != storedWanted) {
    image = imageByScalingForSize(QSizeF(storedWanted), image);
    if (image.isNull()) {
      fail(reason, QCoreApplication::translate("platform", "the picture could not be scaled"));
      return std::nullopt;
    }
  }
  layOntoWhite(image);
  std::optional<QImage> upright = makeUpright(std::move(image), orientation, reason);
  if (!upright) return std::nullopt;
  if (upright->format() != QImage::Format_ARGB32_Premultiplied)
    *upright = std::move(*upright).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  if (upright->size() != wanted) {
    fail(reason, QCoreApplication::translate("platform", "the picture could not be scaled"));
    return std::nullopt;
  }
  return PreparedPhoto{std::move(*upright), fullUpright, orientation};
}

std::optional<PreparedPhoto> finish(QImage image, int orientation, QSize fullUpright, QString* reason) {
  const QSize wanted = workingSizeOf(fullUpright);
  if (std::max(wanted.width(), wanted.height()) > sketch::kWorkingSizeLimit) {
    fail(reason, QCoreApplication::translate("platform", "the picture could not be scaled"));
    return std::nullopt;
  }
  return finishAt(std::move(image), orientation, fullUpright, wanted, reason);
}

std::optional<PreparedPhoto> prepare(QIODevice& device, const QString& name, bool reduced, QString* reason) {
  PhotoSource source;
  if (!source.open(device, name, reason)) return std::nullopt;
  QSize decodeSize;
  if (reduced && source.reducible()) {
    const QSize upright = source.uprightSize();
    if (const std::optional<sketch::SizeF> target =
            sketch::workingSize(float(upright.width()), float(upright.height()))) {
      const QSize need(int(std::ceil(target->width)), int(std::ceil(target->height)));
      decodeSize = reducedDecodeSize(source.storedSize(), uprightOf(need, source.orientation()));
    }
  }
  std::optional<QImage> image = source.read(decodeSize, reason);
  if (!image) return std::nullopt;
  // The size after the read: a picture that decoded larger than its header said is taken at its own size.
  return finish(std::move(*image), source.orientation(), source.uprightSize(), reason);
}

std::optional<SizedPhoto> prepareSized(QIODevice& device, const QString& name, int longer, QString* reason) {
  PhotoSource source;
  if (!source.open(device, name, reason)) return std::nullopt;
  const QSize upright = source.uprightSize();
  const QSize working = workingSizeOf(upright);
  QSize target = exportSize(upright, longer);
  if (target.isEmpty()) {
    //: Why a picture cannot be exported at the longer side asked for: %1 is that side, %2 x %3 the
    //: photo's own size, in pixels.
    fail(reason, QCoreApplication::translate("platform", "%1 pixels is larger than the photo (%2 x %3)")
                     .arg(longer)
                     .arg(upright.width())
                     .arg(upright.height()));
    return std::nullopt;
  }
  const int workingLonger = std::max(working.width(), working.height());
  const int targetLonger = std::max(target.width(), target.height());
  // Below the working size the render is made at the working size and reduced
  // afterwards: the styles are never run on fewer pixels than they are tuned for.
  const QSize render = targetLonger <= workingLonger ? working : target;
  QSize decodeSize;
  if (source.reducible()) decodeSize = reducedDecodeSize(source.storedSize(), uprightOf(render, source.orientation()));
  std::optional<QImage> image = source.read(decodeSize, reason);
  if (!image) return std::nullopt;
  std::optional<PreparedPhoto> photo = finishAt(std::move(*image), source.orientation(), upright, render, reason);
  if (!photo) return std::nullopt;
  const double scale = render == working ? 1.0 : double(targetLonger) / double(workingLonger);
  return SizedPhoto{std::move(*photo), scale, target};
}

std::optional<QImage> readWhole(QIODevice& device, const QString& name, QString* reason) {
  PhotoSource source;
  if (!source.open(device, name, reason)) return std::nullopt;
  return source.read(QSize(), reason);
}

template <typename Result>
std::optional<Result> fromFile(const QString& path, QString* reason,
                               std::optional<Result> (*read)(QIODevice&, const QString&, QString*)) {
  QFile file;
  if (path.startsWith(QLatin1Char(':'))) {  // compiled into the program (the sample photo)
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly)) {
      fail(reason, QCoreApplication::translate("platform", "the file does not exist"));
      return std::nullopt;
    }
  } else if (!openRegularFile(path, file, reason)) {
    return std::nullopt;
  }
  return read(file, path, reason);
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

std::optional<PreparedPhoto> preparePhoto(QIODevice& device, QString* reason) {
  return prepare(device, QString(), true, reason);
}

std::optional<PreparedPhoto> preparePhoto(const QString& path, QString* reason) {
  return fromFile<PreparedPhoto>(
      path, reason, [](QIODevice& d, const QString& n, QString* r) { return prepare(d, n, true, r); });
}

std::optional<PreparedPhoto> preparePhotoFullDecode(const QString& path, QString* reason) {
  return fromFile<PreparedPhoto>(
      path, reason, [](QIODevice& d, const QString& n, QString* r) { return prepare(d, n, false, r); });
}

QSize exportSize(QSize upright, int longer) {
  if (upright.isEmpty() || longer < 0) return {};
  const qint64 w = upright.width(), h = upright.height();
  if (longer == 0) {
    if (w * h <= kMaxExportPixels) return upright;
    const double f = std::sqrt(double(kMaxExportPixels) / double(w * h));
    return QSize(std::max(1, int(std::floor(double(w) * f))), std::max(1, int(std::floor(double(h) * f))));
  }
  const qint64 own = std::max(w, h);
  if (longer > own) return {};
  const qint64 shorter = std::max<qint64>(1, std::llround(double(std::min(w, h)) * double(longer) / double(own)));
  QSize size = w >= h ? QSize(longer, int(shorter)) : QSize(int(shorter), longer);
  // A long thin photo at a longer side within the limit can still pass the
  // pixel limit: it is fitted as the full size is.
  if (qint64(size.width()) * size.height() > kMaxExportPixels) {
    const double f = std::sqrt(double(kMaxExportPixels) / (double(size.width()) * size.height()));
    size = QSize(std::max(1, int(std::floor(size.width() * f))), std::max(1, int(std::floor(size.height() * f))));
  }
  return size;
}

std::optional<QSize> photoUprightSize(QIODevice& device, QString* reason) {
  PhotoSource source;
  if (!source.open(device, QString(), reason)) return std::nullopt;
  return source.uprightSize();
}

std::optional<SizedPhoto> preparePhotoAtSize(QIODevice& device, int longer, QString* reason) {
  return prepareSized(device, QString(), longer, reason);
}

std::optional<SizedPhoto> preparePhotoAtSize(const QString& path, int longer, QString* reason) {
  QFile file;
  if (path.startsWith(QLatin1Char(':'))) {
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly)) {
      fail(reason, QCoreApplication::translate("platform", "the file does not exist"));
      return std::nullopt;
    }
  } else if (!openRegularFile(path, file, reason)) {
    return std::nullopt;
  }
  return prepareSized(file, path, longer, reason);
}

std::optional<PreparedPhoto> prepareImage(QImage image, int orientation, QString* reason) {
  if (image.isNull()) {
    fail(reason, QCoreApplication::translate("platform", "there is no picture"));
    return std::nullopt;
  }
  const qint64 pixels = qint64(image.width()) * image.height();
  if (image.sizeInBytes() + (image.depth() == 32 ? 0 : pixels * 4) > kDecodeBudgetBytes) {
    fail(reason, kTooLarge);
    return std::nullopt;
  }
  if (orientation < 0 || orientation > 7) orientation = 0;
  const QSize upright = uprightOf(image.size(), orientation);
  return finish(std::move(image), orientation, upright, reason);
}

std::optional<QImage> readImage(QIODevice& device, QString* reason) {
  return readWhole(device, QString(), reason);
}

std::optional<QImage> readImageFile(const QString& path, QString* reason) {
  return fromFile<QImage>(path, reason, &readWhole);
}

}  // namespace platform
