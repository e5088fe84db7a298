// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The viewport without widgets: the clipping frame, the plate the picture sits
// on (a float frame in clip coordinates), the picture's fit in the plate, zoom,
// pan and the settling that ends them, and the brush-size indicator. It knows of
// the painting only what it is told: photo A's size, the brush width and whether
// a picture is ready.
#include <QObject>
#include <QPointF>
#include <QRectF>
#include <QSize>

#include "canvas/CanvasGeometry.h"
#include "canvas/FinalPicture.h"

namespace canvas {

// How the plate relates to its clipping frame.
enum class PlateRule {
  // The plate starts as a fixed frame; settling keeps it at least as wide as the
  // clip with no gap at the left and top edges (the phone and tablet).
  FixedFrame,
  // The plate has the picture's shape and starts fitted into the clip; settling
  // keeps it at least that large, centres an axis the clip is wider than and
  // closes gaps on the others (the desktop, whose clip follows the window).
  FitPicture,
};

class Plate : public QObject {
  Q_OBJECT
 public:
  // clip: the clipping frame in canvas coordinates; plate: the plate's starting
  // frame in clip coordinates (FixedFrame only); brushWidth: the brush the
  // indicator starts with.
  Plate(PlateRule rule, const QRectF& clip, const QRectF& plate, float brushWidth, QObject* parent = nullptr);

  // What the plate knows of the painting: photo A's size, the brush width in
  // picture pixels, whether there is a picture and whether the canvas takes
  // input (the commands below act only then).
  void setPictureSize(QSize size) { picture_ = size; }
  void setBrushWidth(float width) { brushWidth_ = width; }
  void setReady(bool imgready, bool active);

  // The plate, a float model in clip coordinates.
  QRectF baseviewFrame() const;
  void setBaseviewFrame(const QRectF& frame);
  // Back to the starting frame (or the picture fitted into the clip).
  void resetBaseviewFrame();
  QRectF clipFrame() const;
  // A new clipping frame (the window was resized): the plate keeps its size and
  // the picture point under the clip's centre, then settles.
  void setClipFrame(const QRectF& clip);

  const PictureFit& fit() const { return fit_; }
  void setFit(const PictureFit& fit) { fit_ = fit; }
  QPointF fixPoint(QPointF platePoint) const;
  QRectF getimgframe() const;

  // The brush-size indicator, in plate coordinates.
  QRectF democircleFrame() const;
  bool democircleHidden() const { return democircleHidden_; }
  // The indicator's diameter in plate points for the current brush and zoom.
  float indicatorDiameter() const;
  // Shows the indicator at that size centred on platePoint.
  void showIndicatorAt(QPointF platePoint);
  // Moves its centre there, keeping its size and whether it shows.
  void moveIndicatorTo(QPointF platePoint);
  void hideIndicator();

  // Gestures move the plate at once and leave it to settle afterwards.
  bool framechanged() const { return framechanged_; }
  void panBy(QPointF delta);
  // factor about canvasPos (canvas coordinates): the wheel and trackpad pinch.
  void zoomAbout(float factor, QPointF canvasPos);
  // One two-finger move: previous and current positions of both fingers.
  void twoFingerMove(QPointF previous0, QPointF previous1, QPointF now0, QPointF now1);
  // Ends a gesture that moved the plate: the plate settles in a short animation.
  void settleIfMoved();

  // Commands of the desktop's View menu: exact frames, then settled at once.
  void zoomBy(float factor);
  void fitToClip();
  void actualPixels(double devicePixelRatio);
  // To factor (zoomFactor()'s unit), held within the limits below, about the
  // clip's centre.
  void zoomTo(double factor);
  // The desktop's zoom limits in zoomFactor()'s unit: no smaller than the fitted
  // picture or its actual pixels, whichever is smaller; no larger than
  // kMaximumScale device pixels per picture pixel (0 without a picture).
  static constexpr double kMaximumScale = 32.0;
  double minimumZoomFactor() const;
  double maximumZoomFactor() const;
  // The desktop's picture is fitted to its clip until the user zooms: a new clip
  // (the window resized) fits it again. Zooming back to the fit counts as fitted.
  bool fitted() const { return fitted_; }
  // Device pixels per clip point of the view (the desktop lets a picture that is
  // smaller than its window show at one picture pixel per device pixel).
  void setDevicePixelRatio(double ratio);
  // Clip points per picture pixel at the current zoom (0 without a picture).
  double zoomFactor() const;

 signals:
  // The plate moved; animate: the display may follow in a short animation.
  void plateChanged(bool animate);
  // The indicator moved, appeared or went away; before: its frame until now.
  void democircleChanged(const QRectF& before, bool wasHidden);

 private:
  SizeF pictureSize() const;
  FrameF baseFrame() const;
  FrameF settled(const FrameF& plate) const;
  // The plate's width at the largest zoom, in clip points.
  float maximumWidth() const;
  // Whether frame shows the picture at its fit (the desktop's rule).
  void noteFitted(const FrameF& frame);
  // A gesture or command ends at frame.
  void rest(const FrameF& frame, bool animate);
  void setPlate(const FrameF& frame, bool animate);
  void setDemocircle(const FrameF& frame, bool hidden);

  PlateRule rule_;
  FrameF clip_;
  FrameF fixedBase_;
  FrameF plate_;
  FrameF democircle_;
  PictureFit fit_;
  QSize picture_;
  float brushWidth_;
  bool democircleHidden_ = true;
  bool framechanged_ = false;
  bool imgready_ = false;
  bool active_ = false;
  bool fitted_ = true;
  double devicePixelRatio_ = 1.0;
};

}  // namespace canvas
