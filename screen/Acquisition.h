// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The picture sources every layout offers: the photo library's file dialog and
// the camera view. What they deliver goes to the document's pick path.
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

// A drop the pick path can take: one local file, or image data.
bool canTakeDrop(const QMimeData* mime);
// Hands a drop to the pick path; false when it carries nothing to take.
bool pickDrop(const QMimeData* mime, SketchDocument* document);

}  // namespace screen
