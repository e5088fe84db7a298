// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/PaintingFlatten.h"

#include <QBuffer>
#include <QCoreApplication>

#include "canvas/Painting.h"
#include "canvas/StrokeHistory.h"
#include "document/StyleRenderer.h"
#include "platform/PhotoDecoder.h"
#include "platform/PropertyList.h"
#include "platform/Resources.h"
#include "sketch/WorkingSize.h"

namespace document {

QString paintingTextureName() {
  const QVariantMap appdata =
      platform::readPropertyList(platform::resourceRoot() + QStringLiteral("/data/AppDataList.plist")).toMap();
  return appdata.value(QStringLiteral("sketchbrush")).toList().value(0).toString();
}

std::vector<canvas::StrokeSegment> scaledSegments(std::vector<canvas::StrokeSegment> segments, QSize from,
                                                  QSize to) {
  if (from.isEmpty() || to.isEmpty() || from == to) return segments;
  const double kx = double(to.width()) / from.width(), ky = double(to.height()) / from.height();
  const double kw = double(std::max(to.width(), to.height())) / std::max(from.width(), from.height());
  for (canvas::StrokeSegment& seg : segments) {
    seg.startX = float(seg.startX * kx);
    seg.endX = float(seg.endX * kx);
    seg.startY = float(seg.startY * ky);
    seg.endY = float(seg.endY * ky);
    seg.width = float(seg.width * kw);
  }
  return segments;
}

namespace {

// The styles in force rendered from photo, the strokes in effect (recorded at
// the working size) replayed at photo's size, the layers composed.
std::optional<QImage> compose(const PaintingRecord& record, StyleRenderer& renderer, const QImage& photo,
                              double scale, QString* reason, const FlattenProgress& progress = {}) {
  // Told how far along, between the stages; a false answer stops here.
  auto goOn = [&](double done) {
    if (!progress || progress(done)) return true;
    if (reason) *reason = QCoreApplication::translate("document", "cancelled");
    return false;
  };
  if (!goOn(0.2)) return std::nullopt;
  QString why;
  const auto [sketchStyle, colourStyle] = record.stylesAt(record.undoPosition);
  sketch::GrayPlane plane;
  auto styled = [&](int style) -> std::optional<QImage> {
    if (style == 0) return photo;
    return renderer.render(photo, style, plane, &why, nullptr, scale);
  };
  std::optional<QImage> photoB = styled(sketchStyle);
  if (photoB && !goOn(0.45)) return std::nullopt;
  std::optional<QImage> photoA = photoB ? (colourStyle == sketchStyle ? photoB : styled(colourStyle)) : std::nullopt;
  if (!photoB || !photoA) {
    if (reason)
      *reason = why.isEmpty() ? QCoreApplication::translate("document", "a style cannot be rendered") : why;
    return std::nullopt;
  }
  if (!goOn(0.7)) return std::nullopt;

  int inEffect = 0;
  std::vector<canvas::StrokeSegment> segments =
      scaledSegments(record.strokeSegments(&inEffect), record.workingSize, photo.size());
  canvas::StrokeHistory history;
  history.setRestoresBase(true);
  history.setBase(photoB->convertToFormat(QImage::Format_ARGB32_Premultiplied));
  history.load(std::move(segments), inEffect);
  const QImage work = history.rebuild();
  return canvas::composeFinalPicture(*photoB, &*photoA, work, photoA->size());
}

}  // namespace

std::optional<platform::SizedPhoto> sizedPaintingPhoto(const PaintingRecord& record, int longer,
                                                       QString* reason) {
  QString why;
  QByteArray bytes = record.photoBytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  std::optional<platform::SizedPhoto> sized = platform::preparePhotoAtSize(buffer, longer, &why);
  if (sized) {
    const QSize upright = sized->photo.uprightSize;
    QSize working = upright;
    if (const std::optional<sketch::SizeF> w = sketch::workingSize(float(upright.width()), float(upright.height()))) {
      const sketch::SizeI whole = sketch::wholePixelSize(*w);
      working = QSize(whole.width, whole.height);
    }
    if (working != record.workingSize) {
      sized.reset();
      why = QString(kPhotoMismatch);
    }
  }
  if (!sized && reason)
    *reason = why.isEmpty() ? QCoreApplication::translate("document", "its photo cannot be decoded") : why;
  return sized;
}

std::optional<QImage> flattenPainting(const PaintingRecord& record, StyleRenderer& renderer, int longer,
                                      QString* reason, const FlattenProgress& progress) {
  if (longer < 0) {
    const std::optional<QImage> photo = paintingPhoto(record, reason);
    if (!photo) return std::nullopt;
    return compose(record, renderer, *photo, 1.0, reason, progress);
  }
  std::optional<platform::SizedPhoto> sized = sizedPaintingPhoto(record, longer, reason);
  if (!sized) return std::nullopt;
  std::optional<QImage> picture = compose(record, renderer, sized->photo.image, sized->scale, reason, progress);
  if (picture && picture->size() != sized->size) {
    *picture = picture->scaled(sized->size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (picture->isNull()) {
      if (reason) *reason = QString(platform::kNoMemory);
      return std::nullopt;
    }
  }
  return picture;
}

std::optional<QImage> paintingPhoto(const PaintingRecord& record, QString* reason) {
  QString why;
  QByteArray bytes = record.photoBytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  std::optional<platform::PreparedPhoto> photo = platform::preparePhoto(buffer, &why);
  if (photo && photo->image.size() != record.workingSize) {
    photo.reset();
    why = QString(kPhotoMismatch);
  }
  if (!photo) {
    if (reason)
      *reason = why.isEmpty() ? QCoreApplication::translate("document", "its photo cannot be decoded") : why;
    return std::nullopt;
  }
  return std::move(photo->image);
}

std::optional<QImage> flattenPainting(const PaintingRecord& record, StyleRenderer& renderer, QString* reason) {
  const std::optional<QImage> photo = paintingPhoto(record, reason);
  if (!photo) return std::nullopt;
  return compose(record, renderer, *photo, 1.0, reason);
}

}  // namespace document
