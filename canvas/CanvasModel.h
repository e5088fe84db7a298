// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The canvas without widgets: a Painting (layers, brush, history) shown on a
// Plate (clip, zoom, pan, indicator), and the touches that decide between them:
// one finger paints on the picture under it, two move the plate. Every layout
// binds a view to one model: the phone and tablet canvas with its control strip,
// and the desktop's full-window canvas. Views paint what the signals say changed
// and send input here in canvas coordinates (the widget that takes the input,
// whose clipping frame sits at plate()->clipFrame()).
#include <QImage>
#include <QObject>
#include <QPointF>
#include <QRectF>
#include <vector>

#include "canvas/Painting.h"
#include "canvas/Plate.h"

namespace canvas {

class CanvasModel : public QObject {
  Q_OBJECT
 public:
  // A touch as the handlers see it: canvas coordinates now and before.
  struct Touch {
    QPointF pos;
    QPointF previous;
  };

  // clip: the clipping frame in canvas coordinates; plate: the plate's starting
  // frame in clip coordinates (FixedFrame only).
  CanvasModel(PlateRule rule, const QRectF& clip, const QRectF& plate, QObject* parent = nullptr);

  Painting* painting() const { return painting_; }
  Plate* plate() const { return plate_; }

  // Touches, the mouse, the wheel and pinches act only while this holds.
  bool touchesActive() const { return painting_->imgready() && painting_->sketchready(); }

  // Hand-off from the render pass: the painting takes the pictures and starts
  // afresh, the plate goes back to its starting frame.
  void setPictures(const QImage& photoB, const QImage& photoA, KnownOpaque known = {});
  // The painting's final picture with the indicator where it shows now.
  QImage renderFinalPicture() const;

  bool modified() const { return modified_; }
  bool onlyclick() const { return onlyclick_; }
  // True from a press that paints or pans until its release.
  bool pointerHeld() const { return held_; }
  void setPointerHeld(bool held);

  // Pen tablets: with pen pressure on (the default) a pressed pen paints
  // from 25 % of the set brush width at the lightest touch to all of it at the
  // firmest; off, every press paints the full width.
  bool penPressure() const { return penPressure_; }
  void setPenPressure(bool on) { penPressure_ = on; }
  // The share of the set width for a pen pressure (0..1, clamped).
  float pressureScale(double pressure) const;

  // Input, in canvas coordinates.
  void touchesBegan(const std::vector<Touch>& touches);
  void touchesMoved(const std::vector<Touch>& touches);
  void touchesEnded(const std::vector<Touch>& touches, bool cancelled);

 signals:
  // A touch began on the canvas (the strip hides its size controls).
  void touchStarted();
  void pointerHeldChanged(bool held);

 private:
  QPointF toPlate(QPointF canvasPos) const;
  bool onPicture(QPointF picturePoint) const;

  Painting* painting_;
  Plate* plate_;
  bool modified_ = false;
  bool onlyclick_ = false;
  bool held_ = false;
  bool penPressure_ = true;
};

}  // namespace canvas
