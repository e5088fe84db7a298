// SPDX-License-Identifier: GPL-3.0-or-later
// The picture handed to other programs: Edit > Copy puts it on the clipboard,
// Share by Mail attaches it to a new mail, and when no mail program takes it the
// user is offered Save to Pictures instead.
#include <QClipboard>
#include <QGuiApplication>
#include <QStatusBar>

#include "canvas/CanvasModel.h"
#include "desktop/DesktopWindow.h"
#include "document/SketchDocument.h"

namespace desktop {

namespace {

// Tags the alert that offers Save to Pictures after a failed share.
constexpr int kShareFailedTag = 31;
constexpr int kSaveToPicturesIndex = 1;
constexpr int kCopiedNoteMs = 4000;

}  // namespace

void DesktopWindow::copyPicture() {
  // The picture at the working size, as Save to Pictures writes it.
  const QImage picture = model_->renderFinalPicture();
  if (picture.isNull()) return;
  QGuiApplication::clipboard()->setImage(picture);
  statusBar()->showMessage(
      //: %1 x %2 is the picture's size in pixels.
      tr("Picture copied, %1 \u00d7 %2 px").arg(picture.width()).arg(picture.height()),
      kCopiedNoteMs);
}

void DesktopWindow::bindShare() {
  document_->setSharesAttachmentOnly(true);
  connect(document_, &document::SketchDocument::shareFailed, this, &DesktopWindow::offerSaveInstead);
}

void DesktopWindow::offerSaveInstead() {
  auto* alert = new platform::AlertView(
      tr("No Mail Program"),
      tr("No mail program took the picture. Save it to your Pictures folder and attach it to a "
         "mail yourself?"),
      this, tr("Cancel"), {tr("Save to Pictures")});
  alert->setTag(kShareFailedTag);
  openAlert(alert);
}

void DesktopWindow::shareAlertAnswered(platform::AlertView* alert, int buttonIndex) {
  if (alert->tag() == kShareFailedTag && buttonIndex == kSaveToPicturesIndex) document_->save();
}

}  // namespace desktop
