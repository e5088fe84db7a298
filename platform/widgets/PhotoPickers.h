// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The picture sources every layout offers: the photo library's file dialog and
// the camera view. What they deliver goes to the callback (the document's pick
// path).
#include <QImage>
#include <QString>
#include <functional>

class QFileDialog;
class QWidget;

namespace platform {

class CameraCapture;

// A window-modal file dialog over parent, opened on folder with the name
// filter; a chosen file goes to chosen. The dialog deletes itself when closed.
QFileDialog* openPhotoDialog(QWidget* parent, const QString& folder, const QString& filter,
                             std::function<void(const QString&)> chosen);

// The camera view covering `over` on the first camera; a taken picture goes to
// taken. The caller checks CameraCapture::isAvailable() first.
CameraCapture* openCamera(QWidget* over, std::function<void(const QImage&)> taken);

}  // namespace platform
