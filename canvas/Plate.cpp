// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/Plate.h"

#include <algorithm>
#include <cmath>

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

Plate::Plate(PlateRule rule, const QRectF& clip, const QRectF& plate, float brushWidth, QObject* parent)
    : QObject(parent),
      rule_(rule),
      clip_(toFrameF(clip)),
      fixedBase_(toFrameF(plate)),
      democircle_{0.0f, 0.0f, brushWidth, brushWidth},
      brushWidth_(brushWidth) {
  plate_ = baseFrame();
}

void Plate::setReady(bool imgready, bool active) {
  imgready_ = imgready;
  active_ = active;
}

QRectF Plate::baseviewFrame() const {
  return toQRectF(plate_);
}

void Plate::setBaseviewFrame(const QRectF& frame) {
  noteFitted(toFrameF(frame));
  setPlate(toFrameF(frame), false);
}

void Plate::resetBaseviewFrame() {
  fitted_ = true;
  // A desktop gesture still to settle is over: the new frame is at rest.
  if (rule_ == PlateRule::FitPicture) framechanged_ = false;
  setPlate(baseFrame(), false);
}

QRectF Plate::clipFrame() const {
  return toQRectF(clip_);
}

void Plate::setClipFrame(const QRectF& clip) {
  const FrameF next = toFrameF(clip);
  if (next == clip_) return;
  // The picture point under the clip's centre stays under it, at the same zoom.
  const PointF before = plate_.center();
  const float dx = next.width * 0.5f - clip_.width * 0.5f;
  const float dy = next.height * 0.5f - clip_.height * 0.5f;
  clip_ = next;
  FrameF moved = plate_;
  moved.setCenter({before.x + dx, before.y + dy});
  // A picture the user has not zoomed follows the window, smaller or larger;
  // not in the middle of a gesture, which settles as it ends.
  const bool refit = rule_ == PlateRule::FitPicture && (!imgready_ || (fitted_ && !framechanged_));
  setPlate(refit ? baseFrame() : imgready_ ? settled(moved) : moved, false);
}

SizeF Plate::pictureSize() const {
  return {static_cast<float>(picture_.width()), static_cast<float>(picture_.height())};
}

FrameF Plate::baseFrame() const {
  if (rule_ == PlateRule::FixedFrame) return fixedBase_;
  if (picture_.isEmpty()) return {0.0f, 0.0f, clip_.width, clip_.height};
  return toFrameF(fitRect(QRectF(0, 0, clip_.width, clip_.height), QSizeF(picture_)));
}

FrameF Plate::settled(const FrameF& plate) const {
  if (rule_ == PlateRule::FixedFrame) return canvas::settle(plate, {clip_.width, clip_.height});
  // Never smaller than the fitted picture, or than its actual pixels where
  // those are smaller, nor larger than the largest zoom; an axis the clip is
  // wider than is centred, on the others no gap is left at either edge.
  const FrameF fitted = baseFrame();
  const float actual = static_cast<float>(picture_.width() / devicePixelRatio_);
  const float least = std::min(fitted.width, actual);
  const float most = maximumWidth();
  FrameF f = plate;
  PointF k = plate.center();
  if (least > 0.0f && f.width < least) {
    f.height = f.height * (least / f.width);
    f.width = least;
  }
  if (most > 0.0f && f.width > most) {
    f.height = f.height * (most / f.width);
    f.width = most;
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

void Plate::setPlate(const FrameF& frame, bool animate) {
  const bool moved = !(frame == plate_);
  plate_ = frame;
  if (moved || animate) emit plateChanged(animate);
}

QPointF Plate::fixPoint(QPointF platePoint) const {
  const PointF p = canvas::fixPoint(plate_, pictureSize(), fit_, toPointF(platePoint));
  return QPointF(p.x, p.y);
}

QRectF Plate::getimgframe() const {
  return toQRectF(canvas::getimgframe(plate_, pictureSize(), fit_));
}

QRectF Plate::democircleFrame() const {
  return toQRectF(democircle_);
}

float Plate::indicatorDiameter() const {
  return canvas::indicatorDiameter(brushWidth_, plate_, pictureSize(), fit_.bigwidth);
}

void Plate::setDemocircle(const FrameF& frame, bool hidden) {
  if (frame == democircle_ && hidden == democircleHidden_) return;
  const QRectF before = toQRectF(democircle_);
  const bool wasHidden = democircleHidden_;
  democircle_ = frame;
  democircleHidden_ = hidden;
  emit democircleChanged(before, wasHidden);
}

void Plate::showIndicatorAt(QPointF platePoint) {
  const float d = indicatorDiameter();
  FrameF circle{0.0f, 0.0f, d, d};
  circle.setCenter(toPointF(platePoint));
  setDemocircle(circle, false);
}

void Plate::moveIndicatorTo(QPointF platePoint) {
  FrameF circle = democircle_;
  circle.setCenter(toPointF(platePoint));
  setDemocircle(circle, democircleHidden_);
}

void Plate::hideIndicator() {
  setDemocircle(democircle_, true);
}

void Plate::panBy(QPointF delta) {
  hideIndicator();
  setPlate(canvas::panBy(plate_, static_cast<float>(delta.x()), static_cast<float>(delta.y())), false);
  framechanged_ = true;
}

void Plate::zoomAbout(float factor, QPointF canvasPos) {
  if (!(factor > 0.0f)) return;
  // Held at the largest zoom here, so the point under the pointer stays put.
  const float most = rule_ == PlateRule::FitPicture ? maximumWidth() : 0.0f;
  if (most > 0.0f && plate_.width > 0.0f && plate_.width * factor > most) factor = most / plate_.width;
  const PointF m{static_cast<float>(canvasPos.x()) - clip_.x, static_cast<float>(canvasPos.y()) - clip_.y};
  setPlate(canvas::zoomAbout(plate_, factor, m), false);
  framechanged_ = true;
}

void Plate::twoFingerMove(QPointF previous0, QPointF previous1, QPointF now0, QPointF now1) {
  hideIndicator();
  setPlate(twoFingerStep(plate_, toPointF(previous0), toPointF(previous1), toPointF(now0), toPointF(now1)),
           false);
  framechanged_ = true;
}

void Plate::settleIfMoved() {
  if (!framechanged_) return;
  rest(settled(plate_), true);
}

void Plate::zoomBy(float factor) {
  if (!active_ || !(factor > 0.0f)) return;
  const PointF centre{clip_.width * 0.5f, clip_.height * 0.5f};
  rest(settled(canvas::zoomAbout(plate_, factor, centre)), false);
}

void Plate::fitToClip() {
  if (!active_) return;
  rest(settled(baseFrame()), false);
}

void Plate::actualPixels(double devicePixelRatio) {
  if (!active_ || !(devicePixelRatio > 0.0) || plate_.width <= 0.0f) return;
  const QRectF shown = fitRect(toQRectF(plate_), QSizeF(picture_));
  if (shown.isEmpty()) return;
  // One picture pixel per device pixel, about the clip's centre.
  const double wanted = double(picture_.width()) / devicePixelRatio;
  const float factor = static_cast<float>(wanted / shown.width());
  const PointF centre{clip_.width * 0.5f, clip_.height * 0.5f};
  rest(settled(canvas::zoomAbout(plate_, factor, centre)), false);
}

void Plate::zoomTo(double factor) {
  if (!active_ || !(factor > 0.0)) return;
  const QRectF shown = fitRect(toQRectF(plate_), QSizeF(picture_));
  if (shown.isEmpty()) return;
  const double wanted = std::clamp(factor, minimumZoomFactor(), maximumZoomFactor()) * picture_.width();
  const PointF centre{clip_.width * 0.5f, clip_.height * 0.5f};
  rest(settled(canvas::zoomAbout(plate_, static_cast<float>(wanted / shown.width()), centre)), false);
}

double Plate::minimumZoomFactor() const {
  if (picture_.isEmpty()) return 0.0;
  const double fitted = baseFrame().width;
  return std::min(fitted, picture_.width() / devicePixelRatio_) / picture_.width();
}

double Plate::maximumZoomFactor() const {
  return picture_.isEmpty() ? 0.0 : kMaximumScale / devicePixelRatio_;
}

float Plate::maximumWidth() const {
  return static_cast<float>(picture_.width() * maximumZoomFactor());
}

void Plate::noteFitted(const FrameF& frame) {
  if (rule_ != PlateRule::FitPicture) return;
  // Zoomed back to exactly the fit (the smallest zoom often is): fitted again.
  const float fit = baseFrame().width;
  fitted_ = std::fabs(frame.width - fit) <= 1e-5f * fit;
}

void Plate::rest(const FrameF& frame, bool animate) {
  // Known before the views hear of the move: a view that changes the clip in
  // answer (scroll bars coming or going) must not see a gesture under way or a
  // fit that is over.
  framechanged_ = false;
  noteFitted(frame);
  setPlate(frame, animate);
}

void Plate::setDevicePixelRatio(double ratio) {
  if (ratio > 0.0) devicePixelRatio_ = ratio;
}

double Plate::zoomFactor() const {
  const QRectF shown = fitRect(toQRectF(plate_), QSizeF(picture_));
  if (shown.isEmpty()) return 0.0;
  return shown.width() / picture_.width();
}

}  // namespace canvas
