// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop window's files: Open and Take Photo, Open Recent, photos and paintings
// handed over by drops and "Open with", the folders the dialogs remember, and
// the question that keeps a changed painting from being lost unasked.
#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>

#include "canvas/CanvasModel.h"
#include "desktop/DesktopWindow.h"
#include "desktop/FileDialogs.h"
#include "document/PromptSchedule.h"
#include "document/SaveShare.h"
#include "document/SketchDocument.h"
#include "platform/Paths.h"
#include "platform/widgets/CameraCapture.h"
#include "platform/widgets/PhotoPickers.h"

namespace desktop {

namespace {

// Settings keys, beside the window's geometry.
const QString kOpenFolder = QStringLiteral("desktop/openFolder");
const QString kRecentKey = QStringLiteral("desktop/recentPhotos");
// How many photos File > Open Recent keeps.
constexpr int kRecentPhotos = 10;

}  // namespace

QString DesktopWindow::rememberedFolder(const QString& key, const QString& fallback) {
  const QFileInfo folder(windowSettings().value(key).toString());
  return folder.isDir() && folder.isReadable() ? folder.absoluteFilePath() : fallback;
}

// --- The unsaved-changes question ------------------------------------------------

void DesktopWindow::askToSave(const QString& question, const std::function<void()>& goOn) {
  if (!document_->isModified()) {
    goOn();
    return;
  }
  // One question at a time, and none while an answer's save is being written:
  // that answer's action comes first.
  if (question_ || schedule_->answering()) return;
  auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Vorlane"), question,
                              QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
  box->setObjectName(QStringLiteral("unsavedChanges"));
  box->setInformativeText(tr("If you don't save, your changes will be lost."));
  // The same words on every desktop (some themes say "Close without Saving").
  box->button(QMessageBox::Save)->setText(tr("Save"));
  box->button(QMessageBox::Discard)->setText(tr("Discard"));
  box->button(QMessageBox::Cancel)->setText(tr("Cancel"));
  box->setDefaultButton(QMessageBox::Save);
  box->setEscapeButton(QMessageBox::Cancel);
  box->setWindowModality(Qt::WindowModal);
  box->setAttribute(Qt::WA_DeleteOnClose);
  question_ = box;
  schedule_->holdWhileOpen(box);
  connect(box, &QMessageBox::finished, this, [this, box, question, goOn] {
    // Answered: what follows may ask again (or close the window).
    question_ = nullptr;
    const QMessageBox::StandardButton answer = box->standardButton(box->clickedButton());
    if (answer == QMessageBox::Discard)
      goOn();
    else if (answer == QMessageBox::Save)
      saveThen(question, goOn);
  });
  box->open();
}

void DesktopWindow::saveThen(const QString& question, const std::function<void()>& goOn) {
  if (document_->documentPath().isEmpty()) {
    // A name first; a cancelled name dialog cancels what was asked for.
    saveDocumentAs([this, question, goOn](quint64 ticket) { waitForSave(ticket, question, goOn); });
    return;
  }
  waitForSave(document_->savePainting(document_->documentPath()), question, goOn);
}

void DesktopWindow::waitForSave(quint64 ticket, const QString& question, const std::function<void()>& goOn) {
  if (!ticket) return;  // nothing could be saved, and the user has been told
  schedule_->setAnswering(true);
  auto once = std::make_shared<QMetaObject::Connection>();
  *once = connect(document_, &document::SketchDocument::saveFinished, this,
                  [this, once, ticket, question, goOn](bool ok, const QString&, quint64 finished) {
                    if (finished != ticket) return;  // another save (Save to Pictures, Export) ended
                    disconnect(*once);
                    schedule_->setAnswering(false);
                    // Painted on while the file was written: that is not saved yet.
                    if (ok && document_->isModified()) {
                      askToSave(question, goOn);
                    } else if (ok) {
                      goOn();
                    } else {
                      // The "Image Not Saved" alert is up: once it has been read,
                      // the same question again, nothing lost meanwhile (and
                      // nothing waiting comes in between).
                      const QList<platform::AlertView*> alerts = platform::AlertView::visibleAlerts();
                      if (alerts.isEmpty()) {
                        askToSave(question, goOn);
                        return;
                      }
                      schedule_->setAnswering(true);
                      connect(alerts.last(), &QObject::destroyed, this, [this, question, goOn] {
                        schedule_->setAnswering(false);
                        askToSave(question, goOn);
                      });
                    }
                  });
}

// --- Opening -----------------------------------------------------------------------

void DesktopWindow::openPhoto() {
  // A dialog closed a moment ago is only waiting to be deleted.
  if (openDialog_ && openDialog_->isVisible()) {
    openDialog_->raise();
    return;
  }
  askToSave(tr("Save changes to the painting before opening another photo?"), [this] {
    const QString folder =
        rememberedFolder(kOpenFolder, document::SketchDocument::albumStartFolder());
    // Paintings and photos together first, then each kind alone.
    const QString images = document::SketchDocument::openDialogFilter();
    const QString patterns = images.mid(images.indexOf(QLatin1Char('(')) + 1).chopped(1);
    const QString filter = tr("All supported (*.vorlane %1)").arg(patterns) + QStringLiteral(";;") +
                           tr("Vorlane paintings (*.vorlane)") + QStringLiteral(";;") + images;
    openDialog_ = newFileDialog(this, tr("Open Photo"), folder);
    openDialog_->setNameFilter(filter);
    openDialog_->setFileMode(QFileDialog::ExistingFile);
    connect(openDialog_, &QFileDialog::fileSelected, document_, &document::SketchDocument::openFile);
    schedule_->holdWhileOpen(openDialog_.data());
    openDialog_->open();
    connect(openDialog_, &QFileDialog::fileSelected, this, [](const QString& path) {
      windowSettings().setValue(kOpenFolder, QFileInfo(path).absolutePath());
    });
  });
}

void DesktopWindow::takePhoto() {
  if (!platform::CameraCapture::isAvailable()) {
    showAlert(tr("No Camera"), tr("No camera was found on this computer."),
              tr("OK"));
    return;
  }
  askToSave(tr("Save changes to the painting before taking a photo?"), [this] {
    if (camera_) camera_->deleteLater();
    camera_ = platform::openCamera(
        centralWidget(), [document = document_](const QImage& image) { document->pickCameraPicture(image); });
  });
}

void DesktopWindow::openFile(const QString& path) {
  // What cannot be opened changes nothing: its alert comes without a question.
  if (!QFileInfo(path).isFile()) {
    document_->openFile(path);
    return;
  }
  //: %1 is the name of the file about to be opened.
  askToSave(tr("Save changes to the painting before opening %1?").arg(QFileInfo(path).fileName()),
            [this, path] { document_->openFile(path); });
}

// --- Open Recent -------------------------------------------------------------------

QStringList DesktopWindow::recentPhotos() const {
  return windowSettings().value(kRecentKey).toStringList();
}

void DesktopWindow::setRecentPhotos(const QStringList& paths) {
  QSettings settings = windowSettings();
  settings.setValue(kRecentKey, paths.mid(0, kRecentPhotos));
  settings.sync();
  buildRecentMenu();
}

void DesktopWindow::rememberRecent(const QString& path) {
  if (path.isEmpty()) return;
  QStringList paths = recentPhotos();
  paths.removeAll(path);
  paths.prepend(path);
  setRecentPhotos(paths);
}

void DesktopWindow::buildRecentMenu() {
  // Not clear(): the entry whose command rebuilds the menu is still running.
  for (QAction* old : recentMenu_->actions()) {
    recentMenu_->removeAction(old);
    old->deleteLater();
  }
  const QStringList paths = recentPhotos();
  for (int i = 0; i < paths.size(); ++i) {
    const QString path = paths.at(i);
    const QString number = i < 9 ? QStringLiteral("&%1").arg(i + 1) : QStringLiteral("1&0");
    QAction* entry = recentMenu_->addAction(
        QStringLiteral("%1  %2").arg(number, QFileInfo(path).fileName().replace(QLatin1Char('&'), "&&")));
    entry->setStatusTip(QDir::toNativeSeparators(path));
    connect(entry, &QAction::triggered, this, [this, path] {
      if (!QFileInfo::exists(path)) {
        QStringList paths = recentPhotos();
        paths.removeAll(path);
        setRecentPhotos(paths);
      }
      openFile(path);
    });
  }
  recentMenu_->addSeparator();
  QAction* clear = recentMenu_->addAction(tr("Clear Menu"));
  clear->setObjectName(QStringLiteral("clearRecent"));
  clear->setEnabled(!paths.isEmpty());
  connect(clear, &QAction::triggered, this, [this] { setRecentPhotos({}); });
  recentMenu_->setEnabled(!paths.isEmpty());
}

}  // namespace desktop
