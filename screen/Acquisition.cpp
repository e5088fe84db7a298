// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen/Acquisition.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>

#include "platform/widgets/CameraCapture.h"
#include "screen/SketchDocument.h"

namespace screen {

namespace {

// The local image file a drop carries, if it carries exactly one.
QString droppedFile(const QMimeData* mime) {
  if (!mime || !mime->hasUrls() || mime->urls().size() != 1) return {};
  const QUrl url = mime->urls().constFirst();
  return url.isLocalFile() ? url.toLocalFile() : QString();
}

}  // namespace

QFileDialog* openPhotoDialog(QWidget* parent, SketchDocument* document, const QString& folder) {
  auto* dialog = new QFileDialog(parent, QStringLiteral("Load"), folder, SketchDocument::openDialogFilter());
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  dialog->setFileMode(QFileDialog::ExistingFile);
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  QObject::connect(dialog, &QFileDialog::fileSelected, document,
                   [document](const QString& path) { document->pickPhotoFile(path); });
  dialog->open();
  return dialog;
}

platform::CameraCapture* openCamera(QWidget* over, SketchDocument* document) {
  auto* camera = new platform::CameraCapture(over);
  camera->setGeometry(over->rect());
  QObject::connect(camera, &platform::CameraCapture::captured, document,
                   [document, camera](const QImage& image) {
                     camera->deleteLater();
                     document->pickImage(image, QStringLiteral("The camera picture"));
                   });
  // A cancelled picker has changed nothing.
  QObject::connect(camera, &platform::CameraCapture::cancelled, camera, &QObject::deleteLater);
  camera->show();
  camera->raise();
  camera->start();
  return camera;
}

bool canTakeDrop(const QMimeData* mime) {
  return !droppedFile(mime).isEmpty() || (mime && mime->hasImage());
}

DroppedPicture droppedPicture(const QMimeData* mime) {
  DroppedPicture dropped;
  dropped.path = droppedFile(mime);
  if (dropped.path.isEmpty() && mime && mime->hasImage()) dropped.image = qvariant_cast<QImage>(mime->imageData());
  return dropped;
}

QString DroppedPicture::name() const {
  return path.isEmpty() ? QStringLiteral("The dropped picture") : QFileInfo(path).fileName();
}

void pickDropped(const DroppedPicture& dropped, SketchDocument* document) {
  if (!dropped.path.isEmpty())
    document->pickPhotoFile(dropped.path);
  else
    document->pickImage(dropped.image, dropped.name());
}

}  // namespace screen
