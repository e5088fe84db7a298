// SPDX-License-Identifier: GPL-3.0-or-later
// Bringing a photo in on the phone and tablet screen: the album's file dialog,
// the camera and drops; all end in the document's pick path.
#include <QDragEnterEvent>
#include <QDropEvent>

#include "document/DroppedPicture.h"
#include "document/PromptSchedule.h"
#include "document/SketchDocument.h"
#include "platform/widgets/PhotoPickers.h"
#include "screen/MainViewController.h"

namespace screen {

void MainViewController::albumbtnclicked() {
  const QString start = document::SketchDocument::albumStartFolder();
  if (start.isEmpty()) {
    openAlert(new platform::AlertView(profile_.noLibrary.title, profile_.noLibrary.message, nullptr,
                                      profile_.noLibrary.button));
    return;
  }
  if (albumDialog_) albumDialog_->close();
  albumDialog_ = platform::openPhotoDialog(
      this, start, document::SketchDocument::openDialogFilter(),
      [document = document_](const QString& path) { document->pickPhotoFile(path); });
  schedule_->holdWhileOpen(albumDialog_.data());
}

void MainViewController::camerabtnclicked() {
  if (!platform::CameraCapture::isAvailable()) {
    openAlert(new platform::AlertView(profile_.noCamera.title, profile_.noCamera.message, nullptr,
                                      profile_.noCamera.button));
    return;
  }
  if (cameraView_) cameraView_->deleteLater();
  cameraView_ = platform::openCamera(
      this, [document = document_](const QImage& image) { document->pickCameraPicture(image); });
  // Up until it has taken a picture or been cancelled (it hides itself then).
  schedule_->dialogOpened(cameraView_);
  auto closed = [schedule = schedule_, camera = cameraView_.data()] { schedule->dialogClosed(camera); };
  connect(cameraView_, &platform::CameraCapture::captured, schedule_, closed);
  connect(cameraView_, &platform::CameraCapture::cancelled, schedule_, closed);
}

void MainViewController::dragEnterEvent(QDragEnterEvent* event) {
  if (!canvasCovered() && document::canTakeDrop(event->mimeData())) event->acceptProposedAction();
}

void MainViewController::dropEvent(QDropEvent* event) {
  if (canvasCovered() || !document::canTakeDrop(event->mimeData())) return;
  event->acceptProposedAction();
  document::pickDropped(document::droppedPicture(event->mimeData()), document_);
}

}  // namespace screen
