// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/Painting.h"

#include <QPainter>
#include <algorithm>

#include "canvas/CanvasGeometry.h"
#include "canvas/Plate.h"
#include "platform/AsyncImageWriter.h"
#include "platform/Log.h"
#include "platform/Paths.h"
#include "platform/Resources.h"

namespace canvas {

namespace {

bool allOpaque(const QImage& image) {
  if (image.isNull()) return false;
  if (!image.hasAlphaChannel()) return true;
  if (image.format() != QImage::Format_ARGB32_Premultiplied && image.format() != QImage::Format_ARGB32)
    return false;
  // The alpha byte of every word ANDed a row at a time: a loop the compiler
  // turns into vector code, where a test per pixel would not be.
  const int width = image.width(), height = image.height();
  for (int y = 0; y < height; ++y) {
    const auto* line = reinterpret_cast<const quint32*>(image.constScanLine(y));
    quint32 all = 0xFFFFFFFFu;
    for (int x = 0; x < width; ++x) all &= line[x];
    if ((all >> 24) != 0xFFu) return false;
  }
  return true;
}

}  // namespace

void ImageLayer::setImage(const QImage& image) {
  setImage(image, nullptr);
}

void ImageLayer::setImage(const QImage& image, const ImageLayer* sameAs, bool knownOpaque) {
  image_ = image;
  // Photo B is also the first work image: one scan serves both.
  if (knownOpaque)
    opaque_ = !image_.isNull();
  else if (sameAs && sameAs->image_.cacheKey() == image.cacheKey())
    opaque_ = sameAs->opaque_;
  else
    opaque_ = allOpaque(image_);
  if (changed_) changed_();
}

void ImageLayer::setHidden(bool hidden) {
  if (hidden_ == hidden) return;
  hidden_ = hidden;
  if (changed_) changed_();
}

Painting::Painting(QObject* parent)
    : QObject(parent),
      sketch_([this] { emit layersChanged(); }),
      org_([this] { emit layersChanged(); }),
      work_([this] { emit layersChanged(); }) {}

void Painting::setImgready(bool ready) {
  if (imgready_ == ready) return;
  imgready_ = ready;
  emit readyChanged();
}

void Painting::setSketchready(bool ready) {
  if (sketchready_ == ready) return;
  sketchready_ = ready;
  emit readyChanged();
}

void Painting::setSliderValue(float value) {
  sliderValue_ = std::clamp(value, 0.0f, 1.0f);
  linesize_ = linesizeForSlider(sliderValue_, static_cast<float>(org_.image().width()));
  emit brushSizeChanged();
}

void Painting::setLinesize(float size) {
  linesize_ = size;
  emit brushSizeChanged();
}

void Painting::ensureWorkImage() {
  prepareWorkImage();
  const QImage& work = work_.image();
  if (work.isNull()) return;
  if (history_.base().isNull() || history_.base().size() != work.size()) history_.setBase(work.copy());
}

void Painting::prepareWorkImage() {
  QImage& work = work_.image_;
  if (work.isNull()) return;
  // Painting in place needs alpha, and a picture of its own: a shared one would
  // be copied whole at the first paint.
  if (work.format() != QImage::Format_ARGB32_Premultiplied)
    work = work.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  else if (!work.isDetached())
    work = work.copy();
}

void Painting::paintSegment(QPointF start, QPointF end) {
  StrokeSegment seg{static_cast<float>(end.x()),
                    static_cast<float>(end.y()),
                    static_cast<float>(start.x()),
                    static_cast<float>(start.y()),
                    linesize_ * widthScale_,
                    keepsHistory_ ? mode_ == BrushMode::B : org_.isHidden(),
                    static_cast<std::uint32_t>(history_.brushindex())};
  if (clock_) seg.timeMs = clock_();
  ensureWorkImage();
  if (history_.currentstep() == 0 ||
      history_.steps()[std::size_t(history_.currentstep() - 1)].stroke != seg.stroke)
    strokeStart_ = history_.currentstep();
  work_.opaque_ = false;
  const QRect changed =
      recorder_ ? recorder_(seg, history_, work_.image_) : history_.push(seg, &work_.image_);
  if (!changed.isEmpty()) emit workChanged(changed);
  historyMoved();
}

void Painting::finishStroke() {
  history_.finishStroke();
  const int count = history_.currentstep() - strokeStart_;
  strokeStart_ = history_.currentstep();
  if (count > 0) emit strokeFinished(count);
}

void Painting::setKeepsHistory(bool keeps) {
  keepsHistory_ = keeps;
  history_.setRestoresBase(keeps);
}

void Painting::discardRedo() {
  history_.discardUndone();
  historyMoved();
}

void Painting::loadHistory(std::vector<StrokeSegment> steps, int currentstep) {
  history_.load(std::move(steps), currentstep);
  strokeStart_ = history_.currentstep();
  historyMoved();
}

void Painting::replacePictures(const QImage& photoB, const QImage& photoA, KnownOpaque known,
                               const std::vector<std::uint32_t>* storedWork) {
  if (!keepsHistory_) {
    setPictures(photoB, photoA, known);
    return;
  }
  sketch_.setImage(photoB, nullptr, known.photoB);
  org_.setImage(photoA, nullptr, known.photoA);
  org_.setHidden(false);
  const QImage base = photoB.format() == QImage::Format_ARGB32_Premultiplied
                          ? photoB
                          : photoB.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  history_.setBase(base);
  QImage work;
  if (!storedWork || !history_.decodeWork(*storedWork, &work)) work = history_.rebuild();
  work_.setImage(work, nullptr);
  // No scratch file: this painting's undo never reads one.
  setSketchready(true);
  setImgready(true);
  historyMoved();
}

void Painting::historyMoved() {
  // Views only show whether undo and redo are possible: a brush move that
  // changes neither costs them nothing.
  const bool canUndo = history_.canUndo(), canRedo = history_.canRedo();
  if (canUndo == shownCanUndo_ && canRedo == shownCanRedo_) return;
  shownCanUndo_ = canUndo;
  shownCanRedo_ = canRedo;
  emit historyChanged();
}

void Painting::logHistory() const {
  qCDebug(lcVorlaneDiag, "Array count: %d, currentstep: %d", history_.count(), history_.currentstep());
}

void Painting::undo() {
  // Nothing in effect: nothing to read or rebuild.
  if (!history_.canUndo()) return;
  stepHistory(&StrokeHistory::undo);
  if (logsUndo_) logHistory();
  emit strokeUndone();
}

void Painting::redo() {
  if (!history_.canRedo()) return;
  stepHistory(&StrokeHistory::redo);
  logHistory();
  emit strokeRedone();
}

void Painting::stepHistory(QRect (StrokeHistory::*step)(QImage&)) {
  ensureWorkImage();
  work_.opaque_ = false;
  const QRect changed = (history_.*step)(work_.image_);
  if (!changed.isEmpty()) emit workChanged(changed);
  historyMoved();
}

void Painting::setBrushMode(BrushMode mode) {
  if (eraserHeld_)
    modeAfterEraser_ = mode;
  else
    changeBrushMode(mode);
  emit brushModeRequested();
}

void Painting::setEraserHeld(bool held) {
  if (eraserHeld_ == held) return;
  eraserHeld_ = held;
  // No brushModeRequested: the phone's strip shows its size controls only for
  // its own buttons.
  if (held) {
    modeAfterEraser_ = mode_;
    changeBrushMode(BrushMode::B);
  } else {
    changeBrushMode(modeAfterEraser_);
  }
}

void Painting::setWidthScale(float scale) {
  widthScale_ = std::clamp(scale, 0.0f, 1.0f);
}

void Painting::changeBrushMode(BrushMode mode) {
  if (mode_ != mode && keepsHistory_) {
    // A stroke under way ends here: each stroke has one brush.
    if (history_.currentstep() > strokeStart_) finishStroke();
    mode_ = mode;
    emit brushModeChanged(mode);
  } else if (mode_ != mode) {
    resetHistory();
    mode_ = mode;
    const QSize size = org_.image().size();
    if (!size.isEmpty()) {
      // What is on screen becomes the new opaque work image and base picture.
      const QImage& sketch = sketch_.image();
      const QRectF all(0, 0, size.width(), size.height());
      // Photo B over a transparent picture is photo B itself: start from a copy.
      const bool copySketch = sketch.size() == size && sketch.format() == QImage::Format_ARGB32_Premultiplied;
      QImage flat = copySketch ? sketch.copy() : QImage(size, QImage::Format_ARGB32_Premultiplied);
      if (!copySketch) flat.fill(Qt::transparent);
      QPainter painter(&flat);
      if (!copySketch && !sketch.isNull()) painter.drawImage(all, sketch);
      if (!org_.isHidden()) painter.drawImage(all, org_.image());
      if (!work_.image().isNull()) painter.drawImage(all, work_.image());
      painter.end();
      work_.setImage(flat);
      writeScratchFile();
    }
    org_.setHidden(mode == BrushMode::B);
    emit brushModeChanged(mode);
  }
}

void Painting::setPictures(const QImage& photoB, const QImage& photoA, KnownOpaque known) {
  sketch_.setImage(photoB, nullptr, known.photoB);
  work_.setImage(photoB, &sketch_);
  org_.setImage(photoA, nullptr, known.photoA);
  setSketchready(true);
  setImgready(true);
  writeScratchFile();
  resetHistory();
}

void Painting::writeScratchFile() {
  QImage& work = work_.image_;
  if (work.isNull()) return;
  // The base is the work image as it starts: never painted on, so it may share
  // its pixels with photo B. It stays in memory for undo; the file is its copy
  // on disk, written off the main thread (a later write is never overtaken by
  // this one). The work image shares them too until its first paint gives it
  // pixels of its own (prepareWorkImage): a style looked at and left behind
  // costs no copy.
  const QImage base = work.format() == QImage::Format_ARGB32_Premultiplied
                          ? work
                          : work.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  work = base;
  history_.setBase(base);
  platform::AsyncImageWriter::shared().write(base, platform::scratchFilePath());
}

void Painting::resetHistory() {
  history_.reset();
  strokeStart_ = 0;
  historyMoved();
}

QImage Painting::renderFinalPicture(std::optional<QRectF> indicator) const {
  return composeFinalPicture(sketch_.isHidden() ? QImage() : sketch_.image(),
                             org_.isHidden() ? nullptr : &org_.image(),
                             work_.isHidden() ? QImage() : work_.image(), org_.image().size(), indicator);
}

}  // namespace canvas
