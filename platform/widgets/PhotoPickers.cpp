// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/widgets/PhotoPickers.h"

#include <QCoreApplication>
#include <QFileDialog>

#include "platform/widgets/CameraCapture.h"

namespace platform {

QFileDialog* openPhotoDialog(QWidget* parent, const QString& folder, const QString& filter,
                             std::function<void(const QString&)> chosen) {
  auto* dialog = new QFileDialog(parent, QCoreApplication::translate("platform", "Load"), folder, filter);
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  dialog->setFileMode(QFileDialog::ExistingFile);
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  QObject::connect(dialog, &QFileDialog::fileSelected, dialog, std::move(chosen));
  dialog->open();
  return dialog;
}

CameraCapture* openCamera(QWidget* over, std::function<void(const QImage&)> taken) {
  auto* camera = new CameraCapture(over);
  camera->setGeometry(over->rect());
  QObject::connect(camera, &CameraCapture::captured, camera, [camera, taken](const QImage& image) {
    camera->deleteLater();
    taken(image);
  });
  // A cancelled picker has changed nothing.
  QObject::connect(camera, &CameraCapture::cancelled, camera, &QObject::deleteLater);
  camera->show();
  camera->raise();
  camera->start();
  return camera;
}

}  // namespace platform
