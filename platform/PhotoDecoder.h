// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns a photo file (or an already decoded picture) into the prepared photo
// that the sketch styles work on: upright, opaque, and limited to the working
// size. Decoding never crashes on bad input: failures come back as a short
// lower-case reason such as "the file is not a picture".
#include <QIODevice>
#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

namespace platform {

// The photo's EXIF orientation tag (1..8) as an orientation value 0..7
// (EXIF 1, 3, 8, 6, 2, 4, 5, 7 -> 0, 1, 2, 3, 4, 5, 6, 7); anything else -> 0.
int orientationFromExif(int exifOrientation);

struct PreparedPhoto {
  QImage image;       // upright, opaque, Format_ARGB32_Premultiplied, within the working size
  QSize uprightSize;  // the full-resolution upright size of the photo
  int orientation = 0;
};

// Decodes the file, honours its orientation tag, composites transparency onto
// white and applies the working-size rule. A JPEG that the rule shrinks is
// decoded at a reduced size first, which is much faster and needs far less
// memory; the result has exactly the size the rule gives for the full photo.
// Read: JPEG, PNG, GIF, BMP, TIFF, WebP, PBM/PGM/PPM, HEIF/HEIC and AVIF, told
// apart by their content. Whatever a header claims is judged before decoding:
// a picture that would cost more than kDecodeBudgetBytes to decode is "too
// large", one whose data ends early "damaged or incomplete". Only regular files
// are opened ("not a regular file"), never waiting on a FIFO or a device.
std::optional<PreparedPhoto> preparePhoto(const QString& path, QString* reason = nullptr);

// The same from an open, seekable device (a QFile, a QBuffer over bytes in memory).
std::optional<PreparedPhoto> preparePhoto(QIODevice& device, QString* reason = nullptr);

// The same result by way of a full-size decode followed by scaling.
std::optional<PreparedPhoto> preparePhotoFullDecode(const QString& path, QString* reason = nullptr);

// The most pixels a render larger than the working size is made with (64 MP,
// a square of 8192 x 8192): a larger photo's own size is scaled to fit it.
inline constexpr qint64 kMaxExportPixels = qint64(8192) * 8192;

// The upright size an export of a photo of upright size `upright` has: with
// longer = 0 the photo's own size, with longer > 0 that longer side and the
// other in proportion (rounded, at least 1); either fitted within
// kMaxExportPixels. Empty when longer is more than the photo's own longer side
// or negative.
QSize exportSize(QSize upright, int longer);

struct SizedPhoto {
  PreparedPhoto photo;  // upright and opaque, at the render size: never below the working size
  double scale = 1.0;   // the render size's longer side over the working size's
  QSize size;           // exportSize(): photo.image's size, or smaller when below the working size
};

// The photo prepared for a render at exportSize(upright, longer): decoded at the
// size needed (a JPEG at a reduced size where that is enough), upright, laid
// onto white. Fails as preparePhoto does, and says "N pixels is larger than the
// photo (W x H)" for a longer side beyond the photo's own.
// The upright size a full decode of the picture would have, from its header
// (and, for HEIF, its container) without decoding it.
std::optional<QSize> photoUprightSize(QIODevice& device, QString* reason = nullptr);

std::optional<SizedPhoto> preparePhotoAtSize(const QString& path, int longer, QString* reason = nullptr);
std::optional<SizedPhoto> preparePhotoAtSize(QIODevice& device, int longer, QString* reason = nullptr);

// For pictures that arrive decoded (camera capture, drops): orientation value
// 0..7 as stored with the picture.
std::optional<PreparedPhoto> prepareImage(QImage image, int orientation, QString* reason = nullptr);

// A plain full-size decode with the same guards against bad and oversized
// files, without orientation or compositing (used for texture files).
std::optional<QImage> readImageFile(const QString& path, QString* reason = nullptr);
std::optional<QImage> readImage(QIODevice& device, QString* reason = nullptr);

// The file name patterns ("*.jpg", ...) and MIME types of every format the
// functions above can read on this system, for open dialogs and desktop files.
QStringList readablePhotoPatterns();
QStringList readablePhotoMimeTypes();

}  // namespace platform
