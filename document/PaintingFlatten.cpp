// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/PaintingFlatten.h"

#include <QBuffer>

#include "canvas/Painting.h"
#include "canvas/StrokeHistory.h"
#include "document/StyleRenderer.h"
#include "platform/PhotoDecoder.h"
#include "platform/PropertyList.h"
#include "platform/Resources.h"

namespace document {

QString paintingTextureName() {
  const QVariantMap appdata =
      platform::readPropertyList(platform::resourceRoot() + QStringLiteral("/data/AppDataList.plist")).toMap();
  return appdata.value(QStringLiteral("sketchbrush")).toList().value(0).toString();
}

std::optional<QImage> paintingPhoto(const PaintingRecord& record, QString* reason) {
  QString why;
  QByteArray bytes = record.photoBytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  std::optional<platform::PreparedPhoto> photo = platform::preparePhoto(buffer, &why);
  if (photo && photo->image.size() != record.workingSize) {
    photo.reset();
    why = QStringLiteral("its photo does not match its painting");
  }
  if (!photo) {
    if (reason) *reason = why.isEmpty() ? QStringLiteral("its photo cannot be decoded") : why;
    return std::nullopt;
  }
  return std::move(photo->image);
}

std::optional<QImage> flattenPainting(const PaintingRecord& record, StyleRenderer& renderer, QString* reason) {
  QString why;
  const std::optional<QImage> photo = paintingPhoto(record, reason);
  if (!photo) return std::nullopt;
  const auto [sketchStyle, colourStyle] = record.stylesAt(record.undoPosition);
  sketch::GrayPlane plane;
  auto styled = [&](int style) -> std::optional<QImage> {
    if (style == 0) return *photo;
    return renderer.render(*photo, style, plane, &why);
  };
  std::optional<QImage> photoB = styled(sketchStyle);
  std::optional<QImage> photoA = photoB ? (colourStyle == sketchStyle ? photoB : styled(colourStyle)) : std::nullopt;
  if (!photoB || !photoA) {
    if (reason) *reason = why.isEmpty() ? QStringLiteral("a style cannot be rendered") : why;
    return std::nullopt;
  }

  int inEffect = 0;
  std::vector<canvas::StrokeSegment> segments = record.strokeSegments(&inEffect);
  canvas::StrokeHistory history;
  history.setRestoresBase(true);
  history.setBase(photoB->convertToFormat(QImage::Format_ARGB32_Premultiplied));
  history.load(std::move(segments), inEffect);
  const QImage work = history.rebuild();
  return canvas::composeFinalPicture(*photoB, &*photoA, work, photoA->size());
}

}  // namespace document
