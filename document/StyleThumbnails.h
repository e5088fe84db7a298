// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The style lists' thumbnails of the photo on the canvas: a small copy of the
// prepared photo rendered in every style with the real engine and texture, off
// the main thread, each delivered as soon as it is done. A new photo cancels
// what is still pending for the last one.
#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <atomic>
#include <memory>

class QThreadPool;

namespace document {

class StyleRenderer;

class StyleThumbnails : public QObject {
  Q_OBJECT
 public:
  explicit StyleThumbnails(QObject* parent = nullptr);
  // Cancels and waits for the work in hand.
  ~StyleThumbnails() override;

  // The resource name of the sketch-brush texture the styles blend with.
  void setTextureName(const QString& textureName);

  // The copy every thumbnail of photo is rendered from: photo scaled smoothly
  // to fit box (never enlarged), at least one pixel each way.
  static QImage smallCopy(const QImage& photo, QSize box);

  // Starts row 0 (the small copy itself) and rows 1..lastStyle (its styles);
  // anything still pending for an earlier photo is dropped.
  void render(const QImage& photo, QSize box, int lastStyle);
  void cancel();

 signals:
  // One row is done: thumbnail is the rendering of the photo last asked for.
  void thumbnailReady(int row, const QImage& thumbnail);
  // Every row of the photo last asked for has been delivered (or has failed).
  void finished();

 private:
  QThreadPool* pool_;
  // The renderer is used by the pool's one thread only, so its texture and
  // scratch memory serve photo after photo.
  std::shared_ptr<StyleRenderer> renderer_;
  std::shared_ptr<std::atomic<quint64>> generation_;
};

}  // namespace document
