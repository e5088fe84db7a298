// SPDX-License-Identifier: GPL-3.0-or-later
// Bringing a photo in on the phone and tablet screen: the album's file dialog,
// the camera and drops; all end in the document's pick path.
#include <QDragEnterEvent>
#include <QDropEvent>

#include "screen/Acquisition.h"
#include "screen/MainViewController.h"
#include "screen/SketchDocument.h"

namespace screen {

void MainViewController::albumbtnclicked() {
  const QString start = SketchDocument::albumStartFolder();
  if (start.isEmpty()) {
    auto* alert = new platform::AlertView(profile_.noLibrary.title, profile_.noLibrary.message, nullptr,
                                          profile_.noLibrary.button);
    alert->show(this);
    return;
  }
  if (albumDialog_) albumDialog_->close();
  albumDialog_ = openPhotoDialog(this, document_, start);
}

void MainViewController::camerabtnclicked() {
  if (!platform::CameraCapture::isAvailable()) {
    auto* alert = new platform::AlertView(profile_.noCamera.title, profile_.noCamera.message, nullptr,
                                          profile_.noCamera.button);
    alert->show(this);
    return;
  }
  if (cameraView_) cameraView_->deleteLater();
  cameraView_ = openCamera(this, document_);
}

void MainViewController::dragEnterEvent(QDragEnterEvent* event) {
  if (!canvasCovered() && canTakeDrop(event->mimeData())) event->acceptProposedAction();
}

void MainViewController::dropEvent(QDropEvent* event) {
  if (canvasCovered() || !canTakeDrop(event->mimeData())) return;
  event->acceptProposedAction();
  pickDropped(droppedPicture(event->mimeData()), document_);
}

}  // namespace screen
