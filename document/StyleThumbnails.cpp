// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/StyleThumbnails.h"

#include <QThreadPool>

#include "document/StyleRenderer.h"
#include "platform/Log.h"

namespace document {

StyleThumbnails::StyleThumbnails(QObject* parent)
    : QObject(parent),
      pool_(new QThreadPool(this)),
      renderer_(std::make_shared<StyleRenderer>()),
      generation_(std::make_shared<std::atomic<quint64>>(0)) {
  pool_->setMaxThreadCount(1);
}

StyleThumbnails::~StyleThumbnails() {
  cancel();
  pool_->waitForDone();
}

void StyleThumbnails::setTextureName(const QString& textureName) {
  // Between jobs only: the renderer belongs to the pool's thread while one runs.
  pool_->waitForDone();
  renderer_->setTextureName(textureName);
}

QImage StyleThumbnails::smallCopy(const QImage& picture, QSize box) {
  if (picture.isNull() || box.isEmpty()) return {};
  QSize size = picture.size();
  if (size.width() > box.width() || size.height() > box.height())
    size = size.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
  // Qt's smooth reduction is an area average (to within one level of its
  // fixed-point sums).
  QImage copy = size == picture.size()
                    ? picture
                    : picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return copy.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void StyleThumbnails::cancel() {
  ++*generation_;
}

void StyleThumbnails::render(const QImage& photo, QSize box, int lastStyle) {
  const quint64 mine = ++*generation_;
  auto generation = generation_;
  auto renderer = renderer_;
  pool_->start([this, photo, box, lastStyle, mine, generation, renderer] {
    auto current = [&] { return generation->load() == mine; };
    // Delivered on the main thread, and only while this photo is still the one
    // asked for (the pool, a child, is waited for before this object goes).
    auto deliver = [&](int row, const QImage& thumbnail) {
      QMetaObject::invokeMethod(
          this,
          [this, row, thumbnail, mine, generation] {
            if (generation->load() == mine) emit thumbnailReady(row, thumbnail);
          },
          Qt::QueuedConnection);
    };
    if (!current()) return;
    const QImage small = smallCopy(photo, box);
    if (small.isNull()) return;
    deliver(0, small);
    for (int style = 1; style <= lastStyle && current(); ++style) {
      sketch::GrayPlane plane;
      QString error;
      // The working-size picture goes back to the renderer once reduced, so
      // the next style reuses its memory.
      if (std::optional<QImage> rendered = renderer->render(photo, style, plane, &error))
        deliver(style, smallCopy(*rendered, box));
      else
        qCWarning(lcVorlane) << "style thumbnail" << style << "failed:" << error;
    }
    QMetaObject::invokeMethod(
        this,
        [this, mine, generation] {
          if (generation->load() == mine) emit finished();
        },
        Qt::QueuedConnection);
  });
}

}  // namespace document
