// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop window's painting documents: Save and Save As (a `.vorlane`
// document), Export and Export Again (a PNG or JPEG picture at any size),
// Export Time-lapse, and at start the paintings a Vorlane left behind without
// closing them.
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>

#include "canvas/CanvasModel.h"
#include "desktop/DesktopWindow.h"
#include "desktop/ExportDialogs.h"
#include "desktop/FileDialogs.h"
#include "document/PaintingFlatten.h"
#include "document/PromptSchedule.h"
#include "document/SaveShare.h"
#include "document/SketchDocument.h"
#include "platform/Paths.h"

namespace desktop {

namespace {

const QString kDocumentFolder = QStringLiteral("desktop/documentFolder");
const QString kExportFolder = QStringLiteral("desktop/saveFolder");
const QString kDocumentSuffix = QStringLiteral("vorlane");
const QString kTimelapseFolder = QStringLiteral("desktop/timelapseFolder");

bool writableFolder(const QString& path) {
  const QFileInfo info(path);
  return !path.isEmpty() && info.isDir() && info.isWritable();
}

}  // namespace

QString DesktopWindow::sessionFolder() {
  return document::SessionFolder::standardFolder();
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
  auto* dialog = newFileDialog(this, tr("Save Painting"), folder);
  saveAsDialog_ = dialog;
  dialog->setObjectName(QStringLiteral("saveAsDialog"));
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setFileMode(QFileDialog::AnyFile);
  dialog->setNameFilters({tr("Vorlane painting (*.vorlane)")});
  dialog->setDefaultSuffix(kDocumentSuffix);
  //: The file name offered for a painting of no photo name.
  dialog->selectFile((base.isEmpty() ? tr("Painting") : base) + QStringLiteral(".vorlane"));
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
  const QString png = tr("PNG image (*.png)");
  const QString jpeg = tr("JPEG image (*.jpg *.jpeg)");

  auto* dialog = newFileDialog(this, tr("Export Picture"), folder);
  exportDialog_ = dialog;
  dialog->setObjectName(QStringLiteral("exportDialog"));
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setFileMode(QFileDialog::AnyFile);
  dialog->setNameFilters({png, jpeg});
  dialog->setDefaultSuffix(QStringLiteral("png"));
  dialog->selectFile(document::freeFileName(folder, base, QStringLiteral(".png")));
  // A name typed without a suffix gets the chosen type's.
  connect(dialog, &QFileDialog::filterSelected, dialog, [dialog, jpeg](const QString& filter) {
    dialog->setDefaultSuffix(filter == jpeg ? QStringLiteral("jpg") : QStringLiteral("png"));
  });
  connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& path) {
    windowSettings().setValue(kExportFolder, QFileInfo(path).absolutePath());
    askExportOptions(path);
  });
  dialog->setWindowModality(Qt::WindowModal);
  schedule_->holdWhileOpen(dialog);
  dialog->open();
}

void DesktopWindow::askExportOptions(const QString& path) {
  const bool jpeg = document::pictureFormatForName(path) == QLatin1String("jpeg");
  auto* ask = new ExportPictureDialog(this, model_->painting()->orgimgview()->image().size(), document_->photoSize(),
                                      jpeg, lastExportSize_, lastExportQuality_);
  ask->setAttribute(Qt::WA_DeleteOnClose);
  ask->setWindowModality(Qt::WindowModal);
  connect(ask, &QDialog::accepted, this, [this, ask, path] { exportTo(path, ask->quality(), ask->longer()); });
  schedule_->holdWhileOpen(ask);
  ask->open();
}

void DesktopWindow::exportTo(const QString& path, int quality, int longer) {
  lastExport_ = path;
  lastExportQuality_ = quality;
  lastExportSize_ = longer;
  // The working size is the canvas's own picture, at once; any other is
  // rendered again from the painting, on a thread of its own.
  if (longer == document::kWorkingPictureSize)
    document_->exportPicture(path, quality);
  else
    showExportProgress(document_->exportPictureAt(path, quality, longer), QFileInfo(path).fileName());
  updateActions();
}

void DesktopWindow::exportAgain() {
  if (lastExport_.isEmpty()) {
    exportPicture();
    return;
  }
  exportTo(lastExport_, lastExportQuality_, lastExportSize_);
}

// --- Time-lapse ------------------------------------------------------------------------

void DesktopWindow::exportTimelapse() {
  if (exportDialog_ && exportDialog_->isVisible()) {
    exportDialog_->raise();
    return;
  }
  const QString videos = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
  const QString folder = rememberedFolder(kTimelapseFolder, writableFolder(videos) ? videos : QDir::homePath());
  const QString base = QFileInfo(document_->documentPath().isEmpty() ? document_->photoName()
                                                                     : document_->documentPath())
                           .completeBaseName();
  const QString mp4 = tr("MP4 video (*.mp4)");
  const QString webp = tr("Animated WebP (*.webp)");
  auto* dialog = newFileDialog(this, tr("Export Time-lapse"), folder);
  exportDialog_ = dialog;
  dialog->setObjectName(QStringLiteral("timelapseDialog"));
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setFileMode(QFileDialog::AnyFile);
  dialog->setNameFilters({mp4, webp});
  dialog->setDefaultSuffix(QStringLiteral("mp4"));
  //: The file name offered for a time-lapse; %1 is the painting's name.
  dialog->selectFile(document::freeFileName(folder, tr("%1 time-lapse").arg(base.isEmpty() ? tr("Painting") : base),
                                            QStringLiteral(".mp4")));
  connect(dialog, &QFileDialog::filterSelected, dialog, [dialog, webp](const QString& filter) {
    dialog->setDefaultSuffix(filter == webp ? QStringLiteral("webp") : QStringLiteral("mp4"));
  });
  connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& path) {
    windowSettings().setValue(kTimelapseFolder, QFileInfo(path).absolutePath());
    const bool mp4 = !path.endsWith(QStringLiteral(".webp"), Qt::CaseInsensitive);
    auto* ask = new TimelapseDialog(this, model_->painting()->orgimgview()->image().size(), document_->photoSize(), mp4,
                                    lastTimelapse_.durationSeconds, lastTimelapse_.longerSide);
    ask->setAttribute(Qt::WA_DeleteOnClose);
    ask->setWindowModality(Qt::WindowModal);
    connect(ask, &QDialog::accepted, this, [this, ask, path] {
      lastTimelapse_ = {ask->seconds(), ask->longer()};
      showExportProgress(document_->exportTimelapse(path, lastTimelapse_), QFileInfo(path).fileName());
    });
    schedule_->holdWhileOpen(ask);
    ask->open();
  });
  dialog->setWindowModality(Qt::WindowModal);
  schedule_->holdWhileOpen(dialog);
  dialog->open();
}

// A long export shows in the status bar, where it leaves the canvas free to
// paint on: its progress, and Cancel.
void DesktopWindow::showExportProgress(quint64 ticket, const QString& name) {
  if (!ticket) return;
  exportText_->setText(//: %1 is the name of the file being written.
      tr("Exporting %1").arg(name));
  exportBar_->setValue(0);
  exportNote_->setHidden(false);
  updateActions();
}

void DesktopWindow::buildExportNote() {
  exportNote_ = new QWidget(this);
  exportNote_->setObjectName(QStringLiteral("exportNote"));
  auto* row = new QHBoxLayout(exportNote_);
  row->setContentsMargins(0, 0, 0, 0);
  exportText_ = new QLabel(exportNote_);
  exportBar_ = new QProgressBar(exportNote_);
  exportBar_->setObjectName(QStringLiteral("exportBar"));
  exportBar_->setRange(0, 100);
  exportBar_->setMaximumWidth(160);
  auto* cancel = new QPushButton(tr("Cancel"), exportNote_);
  cancel->setObjectName(QStringLiteral("cancelExport"));
  connect(cancel, &QPushButton::clicked, document_, &document::SketchDocument::cancelExport);
  row->addWidget(exportText_);
  row->addWidget(exportBar_);
  row->addWidget(cancel);
  exportNote_->setHidden(true);
  statusBar()->addWidget(exportNote_);
  connect(document_, &document::SketchDocument::exportProgress, this,
          [this](double done) { exportBar_->setValue(int(done * 100.0)); });
  connect(document_, &document::SketchDocument::exportFinished, this,
          [this](bool ok, const QString& pathOrReason, bool cancelled, quint64) {
            exportNote_->setHidden(true);
            if (ok) showSaved(pathOrReason);
            if (cancelled) statusBar()->showMessage(tr("Export cancelled: nothing was written"), 5000);
            updateActions();
          });
}

// --- Recovery --------------------------------------------------------------------------

void DesktopWindow::offerRecovery() {
  const std::vector<document::RecoverableSession> sessions = document_->recoverableSessions();
  if (sessions.empty()) return;
  const document::RecoverableSession session = sessions.front();
  auto* box = new QMessageBox(
      QMessageBox::Question, tr("Recover Painting"),
      //: %1 is the photo's name, %2 the date and time the painting was last changed.
      tr("Recover the painting of %1 from %2?")
          .arg(session.photoName, QLocale().toString(session.modified, QLocale::ShortFormat)),
      QMessageBox::NoButton, this);
  box->setObjectName(QStringLiteral("recoverPainting"));
  box->setInformativeText(tr("Vorlane ended without closing it. Discarded paintings cannot be brought back."));
  QPushButton* recover = box->addButton(tr("&Recover"), QMessageBox::AcceptRole);
  box->addButton(tr("&Discard"), QMessageBox::DestructiveRole);
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
