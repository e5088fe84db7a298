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

void DesktopWindow::askToSave(const QString& before, const std::function<void()>& goOn) {
  if (!document_->isModified()) {
    goOn();
    return;
  }
  // One question at a time, and none while an answer's save is being written:
  // that answer's action comes first.
  if (question_ || schedule_->answering()) return;
  auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Vorlane"),
                              QStringLiteral("Save changes to the painting before %1?").arg(before),
                              QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
  box->setObjectName(QStringLiteral("unsavedChanges"));
  box->setInformativeText(QStringLiteral("If you don't save, your changes will be lost."));
  // The same words on every desktop (some themes say "Close without Saving").
  box->button(QMessageBox::Save)->setText(QStringLiteral("Save"));
  box->button(QMessageBox::Discard)->setText(QStringLiteral("Discard"));
  box->button(QMessageBox::Cancel)->setText(QStringLiteral("Cancel"));
  box->setDefaultButton(QMessageBox::Save);
  box->setEscapeButton(QMessageBox::Cancel);
  box->setWindowModality(Qt::WindowModal);
  box->setAttribute(Qt::WA_DeleteOnClose);
  question_ = box;
  schedule_->holdWhileOpen(box);
  connect(box, &QMessageBox::finished, this, [this, box, before, goOn] {
    // Answered: what follows may ask again (or close the window).
    question_ = nullptr;
    const QMessageBox::StandardButton answer = box->standardButton(box->clickedButton());
    if (answer == QMessageBox::Discard)
      goOn();
    else if (answer == QMessageBox::Save)
      saveThen(before, goOn);
  });
  box->open();
}

void DesktopWindow::saveThen(const QString& before, const std::function<void()>& goOn) {
  if (document_->documentPath().isEmpty()) {
    // A name first; a cancelled name dialog cancels what was asked for.
    saveDocumentAs([this, before, goOn](quint64 ticket) { waitForSave(ticket, before, goOn); });
    return;
  }
  waitForSave(document_->savePainting(document_->documentPath()), before, goOn);
}

void DesktopWindow::waitForSave(quint64 ticket, const QString& before, const std::function<void()>& goOn) {
  if (!ticket) return;  // nothing could be saved, and the user has been told
  schedule_->setAnswering(true);
  auto once = std::make_shared<QMetaObject::Connection>();
  *once = connect(document_, &document::SketchDocument::saveFinished, this,
                  [this, once, ticket, before, goOn](bool ok, const QString&, quint64 finished) {
                    if (finished != ticket) return;  // another save (Save to Pictures, Export) ended
                    disconnect(*once);
                    schedule_->setAnswering(false);
                    // Painted on while the file was written: that is not saved yet.
                    if (ok && document_->isModified()) {
                      askToSave(before, goOn);
                    } else if (ok) {
                      goOn();
                    } else {
                      // The "Image Not Saved" alert is up: once it has been read,
                      // the same question again, nothing lost meanwhile (and
                      // nothing waiting comes in between).
                      const QList<platform::AlertView*> alerts = platform::AlertView::visibleAlerts();
                      if (alerts.isEmpty()) {
                        askToSave(before, goOn);
                        return;
                      }
                      schedule_->setAnswering(true);
                      connect(alerts.last(), &QObject::destroyed, this, [this, before, goOn] {
                        schedule_->setAnswering(false);
                        askToSave(before, goOn);
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
  askToSave(QStringLiteral("opening another photo"), [this] {
    const QString folder =
        rememberedFolder(kOpenFolder, document::SketchDocument::albumStartFolder());
    // Paintings and photos together first, then each kind alone.
    const QString images = document::SketchDocument::openDialogFilter();
    const QString patterns = images.mid(images.indexOf(QLatin1Char('(')) + 1).chopped(1);
    const QString filter = QStringLiteral("All supported (*.vorlane %1);;Vorlane paintings (*.vorlane);;%2")
                               .arg(patterns, images);
    openDialog_ = newFileDialog(this, QStringLiteral("Open Photo"), folder);
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
    showAlert(QStringLiteral("No Camera"), QStringLiteral("No camera was found on this computer."),
              QStringLiteral("OK"));
    return;
  }
  askToSave(QStringLiteral("taking a photo"), [this] {
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
  askToSave(QStringLiteral("opening %1").arg(QFileInfo(path).fileName()),
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
  QAction* clear = recentMenu_->addAction(QStringLiteral("Clear Menu"));
  clear->setObjectName(QStringLiteral("clearRecent"));
  clear->setEnabled(!paths.isEmpty());
  connect(clear, &QAction::triggered, this, [this] { setRecentPhotos({}); });
  recentMenu_->setEnabled(!paths.isEmpty());
}

}  // namespace desktop
