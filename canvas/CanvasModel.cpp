// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/CanvasModel.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "canvas/BrushPainter.h"
#include "platform/AsyncImageWriter.h"
#include "platform/Log.h"
#include "platform/Paths.h"
#include "platform/Resources.h"

namespace canvas {

namespace {

QRectF toQRectF(const FrameF& f) {
  return QRectF(f.x, f.y, f.width, f.height);
}

FrameF toFrameF(const QRectF& r) {
  return {static_cast<float>(r.x()), static_cast<float>(r.y()), static_cast<float>(r.width()),
          static_cast<float>(r.height())};
}

PointF toPointF(QPointF p) {
  return {static_cast<float>(p.x()), static_cast<float>(p.y())};
}

}  // namespace

namespace {

bool allOpaque(const QImage& image) {
  if (image.isNull()) return false;
  if (!image.hasAlphaChannel()) return true;
  if (image.format() != QImage::Format_ARGB32_Premultiplied && image.format() != QImage::Format_ARGB32)
    return false;
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(line[x]) != 255) return false;
  }
  return true;
}

}  // namespace

void ImageLayer::setImage(const QImage& image) {
  setImage(image, nullptr);
}

void ImageLayer::setImage(const QImage& image, const ImageLayer* sameAs) {
  image_ = image;
  // Photo B is also the first work image: one scan serves both.
  opaque_ = sameAs && sameAs->image_.cacheKey() == image.cacheKey() ? sameAs->opaque_ : allOpaque(image_);
  if (changed_) changed_();
}

void ImageLayer::setHidden(bool hidden) {
  if (hidden_ == hidden) return;
  hidden_ = hidden;
  if (changed_) changed_();
}

CanvasModel::CanvasModel(PlateRule rule, const QRectF& clip, const QRectF& plate, QObject* parent)
    : QObject(parent),
      rule_(rule),
      clip_(toFrameF(clip)),
      fixedBase_(toFrameF(plate)),
      sketch_([this] { emit layersChanged(); }),
      org_([this] { emit layersChanged(); }),
      work_([this] { emit layersChanged(); }) {
  plate_ = baseFrame();
  democircle_ = {0.0f, 0.0f, linesize_, linesize_};
}

CanvasModel::~CanvasModel() = default;

QRectF CanvasModel::fitRect(const QRectF& plate, QSizeF picture) {
  if (picture.isEmpty() || plate.width() <= 0.0 || plate.height() <= 0.0) return {};
  const QSizeF fitted = picture.scaled(plate.size(), Qt::KeepAspectRatio);
  return QRectF(plate.x() + (plate.width() - fitted.width()) / 2.0,
                plate.y() + (plate.height() - fitted.height()) / 2.0, fitted.width(), fitted.height());
}

QRectF CanvasModel::baseviewFrame() const {
  return toQRectF(plate_);
}

void CanvasModel::setBaseviewFrame(const QRectF& frame) {
  setPlate(toFrameF(frame), false);
}

QRectF CanvasModel::clipFrame() const {
  return toQRectF(clip_);
}

void CanvasModel::setClipFrame(const QRectF& clip) {
  const FrameF next = toFrameF(clip);
  if (next == clip_) return;
  // The picture point under the clip's centre stays under it, at the same zoom.
  const PointF before = plate_.center();
  const float dx = next.width * 0.5f - clip_.width * 0.5f;
  const float dy = next.height * 0.5f - clip_.height * 0.5f;
  clip_ = next;
  FrameF moved = plate_;
  moved.setCenter({before.x + dx, before.y + dy});
  setPlate(imgready_ ? settled(moved) : (rule_ == PlateRule::FitPicture ? baseFrame() : moved), false);
}

FrameF CanvasModel::baseFrame() const {
  if (rule_ == PlateRule::FixedFrame) return fixedBase_;
  const QSize picture = org_.image().size();
  if (picture.isEmpty()) return {0.0f, 0.0f, clip_.width, clip_.height};
  return toFrameF(fitRect(QRectF(0, 0, clip_.width, clip_.height), QSizeF(picture)));
}

FrameF CanvasModel::settled(const FrameF& plate) const {
  if (rule_ == PlateRule::FixedFrame) return canvas::settle(plate, {clip_.width, clip_.height});
  // Never smaller than the fitted picture, or than its actual pixels where
  // those are smaller; an axis the clip is wider than is centred, on the others
  // no gap is left at either edge.
  const FrameF fitted = baseFrame();
  const float actual = static_cast<float>(org_.image().width() / devicePixelRatio_);
  const float least = std::min(fitted.width, actual);
  FrameF f = plate;
  PointF k = plate.center();
  if (least > 0.0f && f.width < least) {
    f.height = f.height * (least / f.width);
    f.width = least;
  }
  auto axis = [](float centre, float side, float clip) {
    const float h = side * 0.5f;
    if (side <= clip) return clip * 0.5f;
    if (centre - h > 0.0f) return h;
    if (centre + h < clip) return clip - h;
    return centre;
  };
  k.x = axis(k.x, f.width, clip_.width);
  k.y = axis(k.y, f.height, clip_.height);
  f.setCenter(k);
  return f;
}

void CanvasModel::setPlate(const FrameF& frame, bool animate) {
  const bool moved = !(frame == plate_);
  plate_ = frame;
  if (moved || animate) emit plateChanged(animate);
}

void CanvasModel::setImgready(bool ready) {
  if (imgready_ == ready) return;
  imgready_ = ready;
  emit readyChanged();
}

void CanvasModel::setSketchready(bool ready) {
  if (sketchready_ == ready) return;
  sketchready_ = ready;
  emit readyChanged();
}

void CanvasModel::setSliderValue(float value) {
  sliderValue_ = std::clamp(value, 0.0f, 1.0f);
  emit brushSizeChanged();
}

void CanvasModel::setLinesize(float size) {
  linesize_ = size;
  emit brushSizeChanged();
}

SizeF CanvasModel::pictureSize() const {
  const QSize s = org_.image().size();
  return {static_cast<float>(s.width()), static_cast<float>(s.height())};
}

void CanvasModel::linesizechanged() {
  linesize_ = linesizeForSlider(sliderValue_, pictureSize().width);
  emit brushSizeChanged();
}

void CanvasModel::stepSlider(float delta) {
  setSliderValue(sliderValue_ + delta);
  linesizechanged();
}

QPointF CanvasModel::fixPoint(QPointF platePoint) const {
  const PointF p = canvas::fixPoint(plate_, pictureSize(), fit_, toPointF(platePoint));
  return QPointF(p.x, p.y);
}

QRectF CanvasModel::getimgframe() const {
  return toQRectF(canvas::getimgframe(plate_, pictureSize(), fit_));
}

QRectF CanvasModel::democircleFrame() const {
  return toQRectF(democircle_);
}

void CanvasModel::setDemocircle(const FrameF& frame, bool hidden) {
  if (frame == democircle_ && hidden == democircleHidden_) return;
  const QRectF before = toQRectF(democircle_);
  const bool wasHidden = democircleHidden_;
  democircle_ = frame;
  democircleHidden_ = hidden;
  emit democircleChanged(before, wasHidden);
}

PointF CanvasModel::toPlate(QPointF canvasPos) const {
  return {static_cast<float>(canvasPos.x()) - clip_.x - plate_.x,
          static_cast<float>(canvasPos.y()) - clip_.y - plate_.y};
}

float CanvasModel::indicatorDiameter() const {
  return canvas::indicatorDiameter(linesize_, plate_, pictureSize(), fit_.bigwidth);
}

void CanvasModel::setPointerHeld(bool held) {
  if (held_ == held) return;
  held_ = held;
  emit pointerHeldChanged(held);
}

void CanvasModel::ensureWorkImage() {
  prepareWorkImage();
  const QImage& work = work_.image();
  if (work.isNull()) return;
  if (history_.base().isNull() || history_.base().size() != work.size()) history_.setBase(work.copy());
}

void CanvasModel::prepareWorkImage() {
  QImage& work = work_.image_;
  if (work.isNull()) return;
  // Painting in place needs alpha, and a picture of its own: a shared one would
  // be copied whole at the first paint.
  if (work.format() != QImage::Format_ARGB32_Premultiplied)
    work = work.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  else if (!work.isDetached())
    work = work.copy();
}

void CanvasModel::paintAndRecord(PointF start, PointF end) {
  const StrokeSegment seg{end.x,
                          end.y,
                          start.x,
                          start.y,
                          linesize_,
                          org_.isHidden(),
                          static_cast<std::uint32_t>(history_.brushindex())};
  ensureWorkImage();
  work_.opaque_ = false;
  QRect changed;
  if (reference_) {
    // The whole picture copied and recomposed for each segment.
    history_.push(seg, nullptr);
    work_.image_ = replaySegments(work_.image_, &seg, 1);
    changed = work_.image_.rect();
  } else {
    changed = history_.push(seg, &work_.image_);
  }
  if (!changed.isEmpty()) emit workChanged(changed);
  modified_ = true;
  historyMoved();
}

void CanvasModel::historyMoved() {
  // Views only show whether undo and redo are possible: a brush move that
  // changes neither costs them nothing.
  const bool canUndo = history_.canUndo(), canRedo = history_.canRedo();
  if (canUndo == shownCanUndo_ && canRedo == shownCanRedo_) return;
  shownCanUndo_ = canUndo;
  shownCanRedo_ = canRedo;
  emit historyChanged();
}

void CanvasModel::setReferencePainting(bool reference) {
  reference_ = reference;
  history_.setReference(reference);
}

void CanvasModel::logHistory() const {
  qCDebug(lcVorlaneDiag, "Array count: %d, currentstep: %d", history_.count(), history_.currentstep());
}

void CanvasModel::undo() {
  // Nothing in effect: nothing to read or rebuild.
  if (!history_.canUndo()) return;
  ensureWorkImage();
  work_.opaque_ = false;
  const QRect changed = history_.undo(work_.image_);
  if (!changed.isEmpty()) emit workChanged(changed);
  historyMoved();
  if (logsUndo_) logHistory();
}

void CanvasModel::redo() {
  if (!history_.canRedo()) return;
  ensureWorkImage();
  work_.opaque_ = false;
  const QRect changed = history_.redo(work_.image_);
  if (!changed.isEmpty()) emit workChanged(changed);
  historyMoved();
  logHistory();
}

void CanvasModel::setBrushMode(bool modeB) {
  org_.setHidden(modeB);
}

void CanvasModel::AbtnClicked() {
  switchBrushMode(false);
}

void CanvasModel::BbtnClicked() {
  switchBrushMode(true);
}

void CanvasModel::switchBrushMode(bool toB) {
  if (modeB_ != toB) {
    resetHistory();
    modeB_ = toB;
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
    setBrushMode(toB);
    emit brushModeChanged(toB);
  }
  emit brushModeRequested();
}

void CanvasModel::setPictures(const QImage& photoB, const QImage& photoA) {
  // The canvas gives the work image pixels of its own before it paints on it.
  sketch_.setImage(photoB);
  work_.setImage(photoB, &sketch_);
  org_.setImage(photoA);
  setSketchready(true);
  setImgready(true);
  writeScratchFile();
  resetBaseviewFrame();
  resetHistory();
}

void CanvasModel::writeScratchFile() {
  prepareWorkImage();
  const QImage& work = work_.image();
  if (work.isNull()) return;
  // The base stays in memory for undo; the file is its copy on disk, written off
  // the main thread (a later write is never overtaken by this one).
  const QImage base = work.copy();
  history_.setBase(base);
  platform::AsyncImageWriter::shared().write(base, platform::scratchFilePath());
}

void CanvasModel::resetBaseviewFrame() {
  setPlate(baseFrame(), false);
}

void CanvasModel::resetHistory() {
  history_.reset();
  historyMoved();
}

// --- Input ---------------------------------------------------------------------

void CanvasModel::touchesBegan(const std::vector<Touch>& touches) {
  emit touchStarted();
  onlyclick_ = false;
  if (touches.size() == 1) {
    const PointF p = toPlate(touches[0].pos);
    const float d = indicatorDiameter();
    FrameF circle{0.0f, 0.0f, d, d};
    circle.setCenter(p);
    setDemocircle(circle, false);
    onlyclick_ = true;
  } else {
    setDemocircle(democircle_, true);
  }
}

void CanvasModel::touchesMoved(const std::vector<Touch>& touches) {
  onlyclick_ = false;
  if (touches.size() >= 2) {
    twoFingerMove(touches[0], touches[1]);
    return;
  }
  if (touches.empty()) return;
  const PointF here = toPlate(touches[0].pos);
  const PointF before = toPlate(touches[0].previous);
  const SizeF picture = pictureSize();
  const PointF p = canvas::fixPoint(plate_, picture, fit_, here);
  const PointF q = canvas::fixPoint(plate_, picture, fit_, before);
  FrameF circle = democircle_;
  circle.setCenter(here);
  setDemocircle(circle, democircleHidden_);
  const FrameF r = canvas::getimgframe(plate_, picture, fit_);
  if (!frameContainsPoint(r, p) && !frameContainsPoint(r, q)) return;
  paintAndRecord(q, p);
}

void CanvasModel::touchesEnded(const std::vector<Touch>& touches, bool cancelled) {
  if (framechanged_) settleIfMoved();
  if (onlyclick_) {
    onlyclick_ = false;
    // A cancelled tap was not meant: it leaves no dot.
    if (!cancelled && !touches.empty()) {
      const SizeF picture = pictureSize();
      const PointF p = canvas::fixPoint(plate_, picture, fit_, toPlate(touches[0].pos));
      if (frameContainsPoint(canvas::getimgframe(plate_, picture, fit_), p)) paintAndRecord(p, p);
    }
  }
  if (modified_) {
    history_.finishStroke();
    modified_ = false;
  }
  setDemocircle(democircle_, true);
}

void CanvasModel::twoFingerMove(const Touch& a, const Touch& b) {
  setDemocircle(democircle_, true);
  setPlate(
      twoFingerStep(plate_, toPointF(a.previous), toPointF(b.previous), toPointF(a.pos), toPointF(b.pos)),
      false);
  framechanged_ = true;
}

void CanvasModel::panBy(QPointF delta) {
  setDemocircle(democircle_, true);
  setPlate(canvas::panBy(plate_, static_cast<float>(delta.x()), static_cast<float>(delta.y())), false);
  framechanged_ = true;
}

void CanvasModel::zoomAbout(float factor, QPointF canvasPos) {
  if (!(factor > 0.0f)) return;
  const PointF m{static_cast<float>(canvasPos.x()) - clip_.x, static_cast<float>(canvasPos.y()) - clip_.y};
  setPlate(canvas::zoomAbout(plate_, factor, m), false);
  framechanged_ = true;
}

void CanvasModel::settleIfMoved() {
  if (!framechanged_) return;
  setPlate(settled(plate_), true);
  framechanged_ = false;
}

void CanvasModel::zoomBy(float factor) {
  if (!touchesActive() || !(factor > 0.0f)) return;
  const PointF centre{clip_.width * 0.5f, clip_.height * 0.5f};
  setPlate(settled(canvas::zoomAbout(plate_, factor, centre)), false);
  framechanged_ = false;
}

void CanvasModel::fitToClip() {
  if (!touchesActive()) return;
  setPlate(settled(baseFrame()), false);
  framechanged_ = false;
}

void CanvasModel::actualPixels(double devicePixelRatio) {
  if (!touchesActive() || !(devicePixelRatio > 0.0) || plate_.width <= 0.0f) return;
  const QRectF shown = fitRect(toQRectF(plate_), QSizeF(org_.image().size()));
  if (shown.isEmpty()) return;
  // One picture pixel per device pixel, about the clip's centre.
  const double wanted = double(org_.image().width()) / devicePixelRatio;
  const float factor = static_cast<float>(wanted / shown.width());
  const PointF centre{clip_.width * 0.5f, clip_.height * 0.5f};
  setPlate(settled(canvas::zoomAbout(plate_, factor, centre)), false);
  framechanged_ = false;
}

void CanvasModel::setDevicePixelRatio(double ratio) {
  if (ratio > 0.0) devicePixelRatio_ = ratio;
}

double CanvasModel::zoomFactor() const {
  const QRectF shown = fitRect(toQRectF(plate_), QSizeF(org_.image().size()));
  if (shown.isEmpty()) return 0.0;
  return shown.width() / org_.image().width();
}

QImage CanvasModel::renderFinalPicture() const {
  const QSize size = org_.image().size();
  if (size.isEmpty()) return {};
  QImage picture(size, QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  // The plate as it would be laid out at one pixel per point: the layers fill it
  // as they fill the plate on screen.
  const QRectF plate(0, 0, size.width(), size.height());
  for (const ImageLayer* layer : {&sketch_, &org_, &work_}) {
    if (layer->isHidden() || layer->image().isNull()) continue;
    painter.drawImage(fitRect(plate, QSizeF(layer->image().size())), layer->image());
  }
  if (!democircleHidden_) {
    const QImage circle = platform::imageNamed(QStringLiteral("circle.png"));
    if (!circle.isNull()) painter.drawImage(toQRectF(democircle_), circle);
  }
  return picture;
}

}  // namespace canvas
