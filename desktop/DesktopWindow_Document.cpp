// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop window's painting documents: Save and Save As (a `.vorlane`
// document), Export and Export Again (a PNG or JPEG picture), and at start
// the paintings a Vorlane left behind without closing them.
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>

#include "desktop/DesktopWindow.h"
#include "document/PromptSchedule.h"
#include "document/SaveShare.h"
#include "document/SketchDocument.h"
#include "platform/Paths.h"

namespace desktop {

namespace {

const QString kDocumentFolder = QStringLiteral("desktop/documentFolder");
const QString kExportFolder = QStringLiteral("desktop/saveFolder");
const QString kDocumentSuffix = QStringLiteral("vorlane");

bool writableFolder(const QString& path) {
  const QFileInfo info(path);
  return !path.isEmpty() && info.isDir() && info.isWritable();
}

}  // namespace

QString DesktopWindow::sessionFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/sessions");
}

// --- Save and Save As ------------------------------------------------------------

void DesktopWindow::saveDocument() {
  if (document_->documentPath().isEmpty())
    saveDocumentAs({});
  else
    document_->savePainting(document_->documentPath());
}

void DesktopWindow::saveDocumentAs(const std::function<void(quint64)>& started) {
  if (saveAsDialog_ && saveAsDialog_->isVisible()) {
    saveAsDialog_->raise();
    return;
  }
  // The photo's name in the photo's folder when that can be written, else the
  // folder used last, else Pictures.
  const QString photoFolder = QFileInfo(document_->photoPath()).absolutePath();
  const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  QString folder = !document_->documentPath().isEmpty() ? QFileInfo(document_->documentPath()).absolutePath()
                   : !document_->photoPath().isEmpty() && writableFolder(photoFolder)
                       ? photoFolder
                       : rememberedFolder(kDocumentFolder, writableFolder(pictures) ? pictures : QDir::homePath());
  const QString base = QFileInfo(document_->documentPath().isEmpty() ? document_->photoName()
                                                                     : document_->documentPath())
                           .completeBaseName();
  auto* dialog = new QFileDialog(this, QStringLiteral("Save Painting"), folder);
  saveAsDialog_ = dialog;
  dialog->setObjectName(QStringLiteral("saveAsDialog"));
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setFileMode(QFileDialog::AnyFile);
  dialog->setNameFilters({QStringLiteral("Vorlane painting (*.vorlane)")});
  dialog->setDefaultSuffix(kDocumentSuffix);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->selectFile((base.isEmpty() ? QStringLiteral("Painting") : base) + QStringLiteral(".vorlane"));
  connect(dialog, &QFileDialog::fileSelected, this, [this, started](const QString& path) {
    windowSettings().setValue(kDocumentFolder, QFileInfo(path).absolutePath());
    const quint64 ticket = document_->savePainting(path);
    if (started) started(ticket);
  });
  dialog->setWindowModality(Qt::WindowModal);
  schedule_->holdWhileOpen(dialog);
  dialog->open();
}

// --- Export --------------------------------------------------------------------------

void DesktopWindow::exportPicture() {
  if (exportDialog_ && exportDialog_->isVisible()) {
    exportDialog_->raise();
    return;
  }
  const QString album = platform::albumDirectory();
  const QString folder =
      rememberedFolder(kExportFolder, QFileInfo(album).isDir() ? album : document::SketchDocument::albumStartFolder());
  const QString base = document_->documentPath().isEmpty()
                           ? document::albumFileBaseName(QDateTime::currentDateTime())
                           : QFileInfo(document_->documentPath()).completeBaseName();
  const QString png = QStringLiteral("PNG image (*.png)");
  const QString jpeg = QStringLiteral("JPEG image (*.jpg *.jpeg)");

  auto* dialog = new QFileDialog(this, QStringLiteral("Export"), folder);
  exportDialog_ = dialog;
  dialog->setObjectName(QStringLiteral("exportDialog"));
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setFileMode(QFileDialog::AnyFile);
  dialog->setNameFilters({png, jpeg});
  dialog->setDefaultSuffix(QStringLiteral("png"));
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->selectFile(document::freeFileName(folder, base, QStringLiteral(".png")));
  // A name typed without a suffix gets the chosen type's.
  connect(dialog, &QFileDialog::filterSelected, dialog, [dialog, jpeg](const QString& filter) {
    dialog->setDefaultSuffix(filter == jpeg ? QStringLiteral("jpg") : QStringLiteral("png"));
  });
  connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& path) {
    windowSettings().setValue(kExportFolder, QFileInfo(path).absolutePath());
    if (document::pictureFormatForName(path) == QLatin1String("jpeg"))
      askJpegQuality(path);
    else
      exportTo(path, lastExportQuality_);
  });
  dialog->setWindowModality(Qt::WindowModal);
  schedule_->holdWhileOpen(dialog);
  dialog->open();
}

void DesktopWindow::askJpegQuality(const QString& path) {
  auto* ask = new QInputDialog(this);
  ask->setObjectName(QStringLiteral("jpegQuality"));
  ask->setWindowTitle(QStringLiteral("JPEG Quality"));
  ask->setLabelText(QStringLiteral("Quality (1 to 100; higher keeps more detail in a larger file):"));
  ask->setInputMode(QInputDialog::IntInput);
  ask->setIntRange(1, 100);
  ask->setIntValue(lastExportQuality_);
  ask->setAttribute(Qt::WA_DeleteOnClose);
  ask->setWindowModality(Qt::WindowModal);
  connect(ask, &QInputDialog::intValueSelected, this, [this, path](int quality) { exportTo(path, quality); });
  schedule_->holdWhileOpen(ask);
  ask->open();
}

void DesktopWindow::exportTo(const QString& path, int quality) {
  lastExport_ = path;
  lastExportQuality_ = quality;
  document_->exportPicture(path, quality);
  updateActions();
}

void DesktopWindow::exportAgain() {
  if (lastExport_.isEmpty()) {
    exportPicture();
    return;
  }
  document_->exportPicture(lastExport_, lastExportQuality_);
}

// --- Recovery --------------------------------------------------------------------------

void DesktopWindow::offerRecovery() {
  const std::vector<document::RecoverableSession> sessions = document_->recoverableSessions();
  if (sessions.empty()) return;
  const document::RecoverableSession session = sessions.front();
  auto* box = new QMessageBox(
      QMessageBox::Question, QStringLiteral("Recover Painting"),
      QStringLiteral("Recover the painting of %1 from %2?")
          .arg(session.photoName, QLocale().toString(session.modified, QLocale::ShortFormat)),
      QMessageBox::NoButton, this);
  box->setObjectName(QStringLiteral("recoverPainting"));
  box->setInformativeText(QStringLiteral("Vorlane ended without closing it. Discarded paintings cannot be brought back."));
  QPushButton* recover = box->addButton(QStringLiteral("&Recover"), QMessageBox::AcceptRole);
  box->addButton(QStringLiteral("&Discard"), QMessageBox::DestructiveRole);
  box->setDefaultButton(recover);
  box->setWindowModality(Qt::WindowModal);
  box->setAttribute(Qt::WA_DeleteOnClose);
  schedule_->holdWhileOpen(box);
  connect(box, &QMessageBox::finished, this, [this, box, recover, path = session.path] {
    if (box->clickedButton() == recover) {
      document_->recoverSession(path);
      return;
    }
    // Closed without an answer: it is offered again next time.
    if (!box->clickedButton() || box->buttonRole(box->clickedButton()) != QMessageBox::DestructiveRole) return;
    document_->discardSession(path);
    // The next one left behind, if any.
    offerRecovery();
  });
  box->open();
}

}  // namespace desktop
