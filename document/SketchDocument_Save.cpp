// SPDX-License-Identifier: GPL-3.0-or-later
// Save and Share: the painting at the photo's working size goes to the album or
// to a mail. Files are written off the main thread, one job at a time, so saves
// land in the order they were asked for; the user hears of the outcome only
// once it is known.
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThreadPool>

#include "canvas/CanvasModel.h"
#include "document/SaveShare.h"
#include "document/SketchDocument.h"
#include "platform/Desktop.h"
#include "platform/Log.h"
#include "platform/Paths.h"

namespace document {

QThreadPool* SketchDocument::writer() {
  if (!writer_) {
    writer_ = new QThreadPool(this);
    writer_->setMaxThreadCount(1);
  }
  return writer_;
}

bool SketchDocument::finalPictureOrAlert(QImage* picture) {
  *picture = canvas_ ? canvas_->renderFinalPicture() : QImage();
  if (!picture->isNull()) return true;
  // Before any photo there is nothing to deliver; say so rather than make an
  // empty picture.
  emit alertRequested({tr("No Picture"), tr("Load a photo first."), tr("OK")});
  return false;
}

quint64 SketchDocument::save() {
  QImage picture;
  if (!finalPictureOrAlert(&picture)) return 0;
  const QString folder = platform::albumDirectory();
  const QString baseName = albumFileBaseName(QDateTime::currentDateTime());
  return write(
      picture, [folder, baseName](const QImage& p) { return writeToAlbum(p, folder, baseName); }, QString());
}

quint64 SketchDocument::exportPicture(const QString& path, int quality) {
  QImage picture;
  if (!finalPictureOrAlert(&picture)) return 0;
  return write(
      picture, [path, quality](const QImage& p) { return writePictureFile(p, path, quality); },
      QFileInfo(path).fileName());
}

quint64 SketchDocument::write(const QImage& picture,
                              const std::function<AlbumWrite(const QImage&)>& writeFile,
                              const QString& fileName) {
  const quint64 ticket = ++lastSaveTicket_;
  // The painting counts as saved only if nothing changed it after this picture.
  const quint64 serial = changeSerial_;
  writer()->start([this, picture, writeFile, fileName, serial, ticket] {
    const AlbumWrite written = writeFile(picture);
    // Back on the main thread; dropped if the document is gone by then (the
    // pool, its child, waits for this job before the document is).
    QMetaObject::invokeMethod(
        this,
        [this, written, fileName, serial, ticket] {
          // A painting kept as a document is saved only as one: a picture
          // written elsewhere leaves it changed.
          if (written.ok) {
            if (serial == changeSerial_ && !keepsPainting_) {
              setModified(false);
              // A photo still waiting for its render gives back a saved painting if it fails.
              if (pendingPick_) pendingPick_->modified = false;
            }
            if (confirmsSaves_)
              emit alertRequested(
                  {tr("Image Saved!"), tr("The new image is saved to your album."), tr("OK")});
          } else {
            qCWarning(lcVorlane) << "could not save the picture:" << written.reason;
            QString message;
            if (fileName.isEmpty()) {
              //: %1 is the reason (a clause in lower case).
              message = tr("The image could not be saved to your album: %1.").arg(written.reason);
            } else {
              //: %1 is the file's name, %2 the reason (a clause in lower case).
              message = tr("The image could not be saved as %1: %2.").arg(fileName, written.reason);
            }
            emit alertRequested({tr("Image Not Saved"), message, tr("OK")});
          }
          emit saveFinished(written.ok, written.ok ? written.path : written.reason, ticket);
        },
        Qt::QueuedConnection);
  });
  return ticket;
}

void SketchDocument::share() {
  QImage picture;
  if (!finalPictureOrAlert(&picture)) return;
  const QString mailer = QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
  if (mailer.isEmpty()) {
    shareByMailLink();
    return;
  }
  const QString parent = platform::documentsDirectory() + QStringLiteral("/share");
  const QString name = sharesAttachmentOnly_
                           ? albumFileBaseName(QDateTime::currentDateTime()) + QStringLiteral(".jpg")
                           : QStringLiteral("heart");
  writer()->start([this, picture, parent, name, mailer] {
    const AlbumWrite written = writeShareAttachment(picture, parent, name);
    QMetaObject::invokeMethod(
        this, [this, written, mailer] { handToMailer(written, mailer); }, Qt::QueuedConnection);
  });
}

void SketchDocument::handToMailer(const AlbumWrite& written, const QString& mailer) {
  if (!written.ok) {
    // Without an attachment the mail link is still a way to write the mail.
    qCWarning(lcVorlane) << "could not write the mail attachment:" << written.reason;
    shareByMailLink();
    return;
  }
  // xdg-email hands the mail to the desktop's mail program and ends; its exit
  // code says whether one took it.
  auto* process = new QProcess(this);
  const QString folder = QFileInfo(written.path).path();
  connect(process, &QProcess::finished, this,
          [this, process, written, folder](int code, QProcess::ExitStatus status) {
            process->deleteLater();
            if (status == QProcess::NormalExit && code == 0) {
              emit shareHandedOn(written.path);
              return;
            }
            qCWarning(lcVorlane) << "the mail program did not take the picture: xdg-email exit code" << code;
            QDir(folder).removeRecursively();
            cannotShare();
          });
  connect(process, &QProcess::errorOccurred, this, [this, process, folder](QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart) return;
    process->deleteLater();
    qCWarning(lcVorlane) << "could not start the mail program:" << process->errorString();
    QDir(folder).removeRecursively();
    cannotShare();
  });
  const QStringList words = sharesAttachmentOnly_
                                ? QStringList{QStringLiteral("--subject"), tr("A picture made with Vorlane")}
                                : QStringList{QStringLiteral("--subject"), mailGreeting(),
                                              QStringLiteral("--body"), mailGreeting()};
  process->start(mailer, words + QStringList{QStringLiteral("--attach"), written.path});
}

void SketchDocument::shareByMailLink() {
  // An attachment-only share has no link to fall back on.
  if (sharesAttachmentOnly_ || !platform::openURL(mailLink())) {
    cannotShare();
    return;
  }
  emit shareHandedOn(QString());
}

void SketchDocument::cannotShare() {
  if (!sharesAttachmentOnly_)
    emit alertRequested({tr("Cannot Share"), tr("No mail program could be started."), tr("OK")});
  emit shareFailed();
}

}  // namespace document
