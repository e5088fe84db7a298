// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The picture sources every layout offers: the photo library's file dialog and
// the camera view. What they deliver goes to the document's pick path.
#include <QImage>
#include <QString>

class QFileDialog;
class QMimeData;
class QWidget;

namespace platform {
class CameraCapture;
}

namespace screen {

class SketchDocument;

// A window-modal file dialog over parent, opened on folder; a chosen file goes
// to document->pickPhotoFile. The dialog deletes itself when closed.
QFileDialog* openPhotoDialog(QWidget* parent, SketchDocument* document, const QString& folder);

// The camera view covering `over` on the first camera; a taken picture goes to
// document->pickImage. The caller checks CameraCapture::isAvailable() first.
platform::CameraCapture* openCamera(QWidget* over, SketchDocument* document);

// What a drop carries for the pick path: one local file, or else image data.
struct DroppedPicture {
  QString path;
  QImage image;
  // How the picture is named to the user.
  QString name() const;
};

// A drop the pick path can take.
bool canTakeDrop(const QMimeData* mime);
// The drop's picture, kept beyond the drop event.
DroppedPicture droppedPicture(const QMimeData* mime);
// Hands a dropped picture to the pick path.
void pickDropped(const DroppedPicture& dropped, SketchDocument* document);

}  // namespace screen
