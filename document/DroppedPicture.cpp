// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/DroppedPicture.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include "document/SketchDocument.h"

namespace document {

namespace {

// The local image file a drop carries, if it carries exactly one.
QString droppedFile(const QMimeData* mime) {
  if (!mime || !mime->hasUrls() || mime->urls().size() != 1) return {};
  const QUrl url = mime->urls().constFirst();
  return url.isLocalFile() ? url.toLocalFile() : QString();
}

}  // namespace

bool canTakeDrop(const QMimeData* mime) {
  return !droppedFile(mime).isEmpty() || (mime && mime->hasImage());
}

DroppedPicture droppedPicture(const QMimeData* mime) {
  DroppedPicture dropped;
  dropped.path = droppedFile(mime);
  if (dropped.path.isEmpty() && mime && mime->hasImage())
    dropped.image = qvariant_cast<QImage>(mime->imageData());
  return dropped;
}

QString DroppedPicture::name() const {
  //: A dropped picture without a file, first in "The dropped picture could not be opened: ...".
  return path.isEmpty() ? QCoreApplication::translate("document", "The dropped picture")
                        : QFileInfo(path).fileName();
}

void pickDropped(const DroppedPicture& dropped, SketchDocument* document) {
  if (!dropped.path.isEmpty())
    document->pickPhotoFile(dropped.path);
  else
    document->pickImage(dropped.image, dropped.name());
}

}  // namespace document
