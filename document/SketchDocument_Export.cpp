// SPDX-License-Identifier: GPL-3.0-or-later
// The long exports: the picture at another size than the working size, and
// the time-lapse. Each renders from a copy of the painting's record on a thread
// of its own, tells its progress and can be stopped; the file appears whole
// or not at all, and a stopped export writes nothing.
#include <QFileInfo>
#include <QThreadPool>

#include "document/PaintingFlatten.h"
#include "document/SaveShare.h"
#include "document/SketchDocument.h"
#include "document/StyleRenderer.h"
#include "platform/Log.h"

namespace document {

quint64 SketchDocument::startExport(
    const std::function<bool(const std::function<bool(double)>&, QString*)>& job, const QString& path) {
  if (exportTicket_ || record_.photoBytes.isEmpty()) return 0;
  if (!exporter_) {
    exporter_ = new QThreadPool(this);
    exporter_->setMaxThreadCount(1);
  }
  const quint64 ticket = ++lastSaveTicket_;
  exportTicket_ = ticket;
  auto cancel = std::make_shared<std::atomic<bool>>(false);
  exportCancel_ = cancel;
  exporter_->start([this, job, path, cancel, ticket] {
    // Progress is sent on only when it has moved a percent: a queued call per
    // frame would flood the main thread.
    int shown = -1;
    auto progress = [this, cancel, &shown, ticket](double done) {
      const int percent = int(done * 100.0);
      if (percent != shown) {
        shown = percent;
        QMetaObject::invokeMethod(
            this, [this, done, ticket] { if (exportTicket_ == ticket) emit exportProgress(done); },
            Qt::QueuedConnection);
      }
      return !cancel->load();
    };
    QString reason;
    const bool ok = job(progress, &reason);
    const bool cancelled = !ok && cancel->load();
    QMetaObject::invokeMethod(
        this,
        [this, ok, cancelled, reason, path, ticket] {
          exportTicket_ = 0;
          exportCancel_.reset();
          if (!ok && !cancelled) {
            qCWarning(lcVorlane) << "could not export:" << reason;
            emit alertRequested({tr("Not Exported"),
                                 //: %1 is the file's name, %2 the reason (a clause in lower case).
                                 tr("%1 could not be written: %2.").arg(QFileInfo(path).fileName(), reason),
                                 tr("OK")});
          }
          emit exportFinished(ok, ok ? path : reason, cancelled, ticket);
        },
        Qt::QueuedConnection);
  });
  return ticket;
}

quint64 SketchDocument::exportPictureAt(const QString& path, int quality, int longer) {
  PaintingRecord record = record_;
  record.work.reset();
  return startExport(
      [record, path, quality, longer](const std::function<bool(double)>& progress, QString* reason) {
        StyleRenderer renderer;
        renderer.setTextureName(paintingTextureName());
        // The render takes the first 90 %, the file the rest.
        const std::optional<QImage> picture = flattenPainting(
            record, renderer, longer, reason, [&](double done) { return progress(done * 0.9); });
        if (!picture || !progress(0.9)) return false;
        const AlbumWrite written = writePictureFile(*picture, path, quality);
        if (!written.ok) *reason = written.reason;
        return written.ok;
      },
      path);
}

quint64 SketchDocument::exportTimelapse(const QString& path, const TimelapseOptions& options) {
  PaintingRecord record = record_;
  record.work.reset();
  return startExport(
      [record, path, options](const std::function<bool(double)>& progress, QString* reason) {
        return writeTimelapse(record, path, options, progress, reason);
      },
      path);
}

void SketchDocument::cancelExport() {
  if (exportCancel_) exportCancel_->store(true);
}

}  // namespace document
