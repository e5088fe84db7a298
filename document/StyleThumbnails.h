// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The style lists' thumbnails of the photo on the canvas: the prepared photo
// rendered in every style with the real engine and texture at its working size,
// then reduced to the thumbnail, off the main thread, each delivered as soon as
// it is done. A new photo cancels what is still pending for the last one.
// Rendered small, the styles that trace edges at a fixed pixel width would come
// out as blotches; reduced from the working size, a thumbnail looks like what
// choosing its style gives.
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

  // picture reduced to fit box (never enlarged), at least one pixel each way;
  // each thumbnail pixel is the average of the picture's area under it.
  static QImage smallCopy(const QImage& picture, QSize box);

  // Starts row 0 (the small copy of photo) and rows 1..lastStyle (the small
  // copies of photo rendered in those styles); anything still pending for an
  // earlier photo is dropped. photo: the prepared photo at its working size.
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
