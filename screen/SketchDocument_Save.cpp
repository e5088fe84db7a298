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
#include "platform/Desktop.h"
#include "platform/Log.h"
#include "platform/Paths.h"
#include "screen/SaveShare.h"
#include "screen/SketchDocument.h"

namespace screen {

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
  emit alertRequested(
      {QStringLiteral("No Picture"), QStringLiteral("Load a photo first."), QStringLiteral("OK")});
  return false;
}

void SketchDocument::save() {
  QImage picture;
  if (!finalPictureOrAlert(&picture)) return;
  const QString folder = platform::albumDirectory();
  const QString baseName = albumFileBaseName(QDateTime::currentDateTime());
  writer()->start([this, picture, folder, baseName] {
    const AlbumWrite written = writeToAlbum(picture, folder, baseName);
    // Back on the main thread; dropped if the document is gone by then (the
    // pool, its child, waits for this job before the document is).
    QMetaObject::invokeMethod(
        this,
        [this, written] {
          if (written.ok) {
            if (confirmsSaves_)
              emit alertRequested({QStringLiteral("Image Saved!"),
                                   QStringLiteral("The new image is saved to your album."),
                                   QStringLiteral("OK")});
          } else {
            qCWarning(lcVorlane) << "could not save the picture:" << written.reason;
            emit alertRequested(
                {QStringLiteral("Image Not Saved"),
                 QStringLiteral("The image could not be saved to your album: %1.").arg(written.reason),
                 QStringLiteral("OK")});
          }
          emit saveFinished(written.ok, written.ok ? written.path : written.reason);
        },
        Qt::QueuedConnection);
  });
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
  writer()->start([this, picture, parent, mailer] {
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

void SketchDocument::shareByMailLink() {
  platform::openURL(mailLink());
  emit shareHandedOn(QString());
}

}  // namespace screen
