// Save and Share: the painting at the photo's own size goes to the album or to a
// mail. Files are written off the main thread; the user hears of the outcome
// only once it is known.
#include <QDateTime>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QThreadPool>

#include "canvas/VorlaneView.h"
#include "platform/Desktop.h"
#include "platform/Log.h"
#include "platform/Paths.h"
#include "screen/MainViewController.h"
#include "screen/SaveShare.h"

namespace screen {

bool MainViewController::finalPictureOrAlert(QImage* picture) {
  *picture = workview_ ? renderFinalPicture(*workview_) : QImage();
  if (!picture->isNull()) return true;
  // Before any photo there is nothing to deliver; say so rather than make an
  // empty picture.
  auto* alert = new platform::AlertView(QStringLiteral("No Picture"), QStringLiteral("Load a photo first."),
                                        this, QStringLiteral("OK"));
  alert->show(this);
  return false;
}

void MainViewController::savebtnclicked() {
  QImage picture;
  if (!finalPictureOrAlert(&picture)) return;
  if (!saveThreads_) {
    // One job at a time, so saves land in the order they were asked for.
    saveThreads_ = new QThreadPool(this);
    saveThreads_->setMaxThreadCount(1);
  }
  const QString folder = platform::albumDirectory();
  const QString baseName = albumFileBaseName(QDateTime::currentDateTime());
  saveThreads_->start([this, picture, folder, baseName] {
    const AlbumWrite written = writeToAlbum(picture, folder, baseName);
    // Back on the main thread; dropped if the controller is gone by then (the
    // pool, its child, waits for this job before the controller is).
    QMetaObject::invokeMethod(
        this,
        [this, written] {
          if (written.ok) {
            auto* alert = new platform::AlertView(QStringLiteral("Image Saved!"),
                                                  QStringLiteral("The new image is saved to your album."),
                                                  this, QStringLiteral("OK"));
            alert->show(this);
          } else {
            qCWarning(lcVorlane) << "could not save the picture:" << written.reason;
            auto* alert = new platform::AlertView(
                QStringLiteral("Image Not Saved"),
                QStringLiteral("The image could not be saved to your album: %1.").arg(written.reason), this,
                QStringLiteral("OK"));
            alert->show(this);
          }
          emit saveFinished(written.ok, written.ok ? written.path : written.reason);
        },
        Qt::QueuedConnection);
  });
}

void MainViewController::sharebtnclicked() {
  QImage picture;
  if (!finalPictureOrAlert(&picture)) return;
  const QString mailer = QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
  if (mailer.isEmpty()) {
    shareByMailLink();
    return;
  }
  if (!saveThreads_) {
    saveThreads_ = new QThreadPool(this);
    saveThreads_->setMaxThreadCount(1);
  }
  const QString parent = platform::documentsDirectory() + QStringLiteral("/share");
  saveThreads_->start([this, picture, parent, mailer] {
    const AlbumWrite written = writeShareAttachment(picture, parent);
    QMetaObject::invokeMethod(
        this,
        [this, written, mailer] {
          // The mail program starts on its own; nothing here waits for it.
          const QStringList arguments = {QStringLiteral("--subject"), QStringLiteral("Hello!"),
                                         QStringLiteral("--body"),    QStringLiteral("Hello!"),
                                         QStringLiteral("--attach"),  written.path};
          if (written.ok && QProcess::startDetached(mailer, arguments)) {
            emit shareHandedOn(written.path);
            return;
          }
          qCWarning(lcVorlane) << "could not hand the picture to the mail program:"
                               << (written.ok ? QStringLiteral("it did not start") : written.reason);
          if (written.ok) QDir(QFileInfo(written.path).path()).removeRecursively();
          shareByMailLink();
        },
        Qt::QueuedConnection);
  });
}

void MainViewController::shareByMailLink() {
  platform::openURL(mailLink());
  emit shareHandedOn(QString());
}

}  // namespace screen
