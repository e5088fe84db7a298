// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The painting canvas without widgets: the three picture layers, the plate on
// which they sit inside the clipping frame, the eraser brush with its history,
// the two brush modes, the brush size, and the gestures that pan and zoom. Every
// layout binds a view to one model: the phone and tablet canvas with its control
// strip, and the desktop's full-window canvas. Views paint what the signals say
// changed and send input here in canvas coordinates (the widget that takes the
// input, whose clipping frame sits at clipFrame()).
#include <QImage>
#include <QObject>
#include <QPointF>
#include <QRectF>
#include <functional>
#include <vector>

#include "canvas/CanvasGeometry.h"
#include "canvas/StrokeHistory.h"
#include "canvas/StrokeSegment.h"

namespace canvas {

// One picture layer of the plate: its picture and its hidden flag.
class ImageLayer {
 public:
  explicit ImageLayer(std::function<void()> changed) : changed_(std::move(changed)) {}
  const QImage& image() const { return image_; }
  void setImage(const QImage& image);
  bool isHidden() const { return hidden_; }
  void setHidden(bool hidden);
  // Every pixel of the picture is opaque (known when the picture is set): what
  // lies under it need not be painted.
  bool isOpaque() const { return opaque_; }

 private:
  friend class CanvasModel;  // paints in place on the work image
  void setImage(const QImage& image, const ImageLayer* sameAs);
  QImage image_;
  bool hidden_ = false;
  bool opaque_ = false;
  std::function<void()> changed_;
};

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
  ~CanvasModel() override;

  ImageLayer* sketchimgview() { return &sketch_; }
  ImageLayer* orgimgview() { return &org_; }
  ImageLayer* workimgview() { return &work_; }
  const ImageLayer* sketchimgview() const { return &sketch_; }
  const ImageLayer* orgimgview() const { return &org_; }
  const ImageLayer* workimgview() const { return &work_; }

  PlateRule plateRule() const { return rule_; }
  // The plate, a float model in clip coordinates.
  QRectF baseviewFrame() const;
  void setBaseviewFrame(const QRectF& frame);
  QRectF clipFrame() const;
  // A new clipping frame (the window was resized): the plate keeps its size and
  // the picture point under the clip's centre, then settles.
  void setClipFrame(const QRectF& clip);

  bool imgready() const { return imgready_; }
  void setImgready(bool ready);
  bool sketchready() const { return sketchready_; }
  void setSketchready(bool ready);
  // Touches, the mouse, the wheel and pinches act only while this holds.
  bool touchesActive() const { return imgready_ && sketchready_; }

  // Brush size: the slider's value (0..1) and the width in picture pixels.
  float sliderValue() const { return sliderValue_; }
  void setSliderValue(float value);
  float linesize() const { return linesize_; }
  void setLinesize(float size);
  // The width follows the slider (and the picture's width).
  void linesizechanged();
  // Moves the slider by delta (clamped to 0..1) and applies it.
  void stepSlider(float delta);

  float offsetratio_x() const { return fit_.offsetratio_x; }
  void setOffsetratio_x(float ratio) { fit_.offsetratio_x = ratio; }
  float offsetratio_y() const { return fit_.offsetratio_y; }
  void setOffsetratio_y(float ratio) { fit_.offsetratio_y = ratio; }
  bool bigwidth() const { return fit_.bigwidth; }
  void setBigwidth(bool big) { fit_.bigwidth = big; }

  // History.
  const std::vector<StrokeSegment>& steparray() const { return history_.steps(); }
  int currentstep() const { return history_.currentstep(); }
  int brushindex() const { return history_.brushindex(); }
  bool canUndo() const { return history_.canUndo(); }
  bool canRedo() const { return history_.canRedo(); }
  StrokeHistory& history() { return history_; }
  // The picture undo starts from (kept in memory; also in the scratch file).
  const QImage& baseImage() const { return history_.base(); }
  void undo();
  void redo();

  // Brush modes: A paints photo A back, B brings the sketch back.
  bool brushModeB() const { return modeB_; }
  void setBrushMode(bool modeB);
  void AbtnClicked();
  void BbtnClicked();

  QPointF fixPoint(QPointF platePoint) const;
  QRectF getimgframe() const;

  // Hand-off from the render pass: photo B, the work image (a copy of photo B)
  // and photo A, then the canvas starts afresh (ready, scratch file, plate,
  // history).
  void setPictures(const QImage& photoB, const QImage& photoA);
  void writeScratchFile();
  void resetBaseviewFrame();
  void resetHistory();

  // The brush-size indicator, in plate coordinates.
  QRectF democircleFrame() const;
  bool democircleHidden() const { return democircleHidden_; }
  // The indicator's diameter in plate points for the current brush and zoom.
  float indicatorDiameter() const;

  bool framechanged() const { return framechanged_; }
  bool modified() const { return modified_; }
  bool onlyclick() const { return onlyclick_; }
  // True from a press that paints or pans until its release.
  bool pointerHeld() const { return held_; }

  // Input, in canvas coordinates.
  void touchesBegan(const std::vector<Touch>& touches);
  void touchesMoved(const std::vector<Touch>& touches);
  void touchesEnded(const std::vector<Touch>& touches, bool cancelled);
  void panBy(QPointF delta);
  void zoomAbout(float factor, QPointF canvasPos);
  // Ends a gesture that moved the plate: the plate settles in a short animation.
  void settleIfMoved();
  void setPointerHeld(bool held);

  // Commands of the desktop's View menu: exact frames, then settled at once.
  void zoomBy(float factor);
  void fitToClip();
  void actualPixels(double devicePixelRatio);
  // Device pixels per clip point of the view (the desktop lets a picture that is
  // smaller than its window show at one picture pixel per device pixel).
  void setDevicePixelRatio(double ratio);
  // Clip points per picture pixel at the current zoom (0 without a picture).
  double zoomFactor() const;

  // What the canvas shows (photo B, photo A unless hidden, the work image, and
  // the brush-size indicator while it is up), composed at the size of photo A's
  // picture, one picture pixel per plate point, whatever the pan and zoom. A null
  // image when photo A has no picture.
  QImage renderFinalPicture() const;

  // The full-image copy per segment and whole repaint, for comparison.
  void setReferencePainting(bool reference);
  bool referencePainting() const { return reference_; }
  // The tablet also logs the history after an undo.
  void setLogsUndo(bool logs) { logsUndo_ = logs; }

  // Where a picture of size picture sits, aspect-fit and centred, in plate.
  static QRectF fitRect(const QRectF& plate, QSizeF picture);

 signals:
  // The layers changed as a whole (pictures, hidden flags).
  void layersChanged();
  // Picture pixels of the work image changed.
  void workChanged(const QRect& pictureRect);
  // The plate moved; animate: the display may follow in a short animation.
  void plateChanged(bool animate);
  // The indicator moved, appeared or went away; before: its frame until now.
  void democircleChanged(const QRectF& before, bool wasHidden);
  // Undo or redo became possible or impossible.
  void historyChanged();
  void brushModeChanged(bool modeB);
  // A brush-mode command arrived, whether or not it changed the mode (the phone's
  // strip shows its size controls then).
  void brushModeRequested();
  // A touch began on the canvas (the strip hides its size controls).
  void touchStarted();
  void brushSizeChanged();
  void readyChanged();
  void pointerHeldChanged(bool held);

 private:
  PointF toPlate(QPointF canvasPos) const;
  SizeF pictureSize() const;
  FrameF baseFrame() const;
  FrameF settled(const FrameF& plate) const;
  void twoFingerMove(const Touch& a, const Touch& b);
  void paintAndRecord(PointF start, PointF end);
  void setPlate(const FrameF& frame, bool animate);
  void setDemocircle(const FrameF& frame, bool hidden);
  void switchBrushMode(bool toB);
  void ensureWorkImage();
  void prepareWorkImage();
  void logHistory() const;
  void historyMoved();

  PlateRule rule_;
  FrameF clip_;
  FrameF fixedBase_;
  ImageLayer sketch_, org_, work_;
  FrameF plate_;
  FrameF democircle_;
  bool democircleHidden_ = true;
  PictureFit fit_;
  StrokeHistory history_;
  float linesize_ = 30.0f;
  float sliderValue_ = 0.5f;
  bool modeB_ = false;
  bool imgready_ = false;
  bool sketchready_ = false;
  bool framechanged_ = false;
  bool modified_ = false;
  bool onlyclick_ = false;
  bool held_ = false;
  bool reference_ = false;
  bool logsUndo_ = false;
  bool shownCanUndo_ = false;
  bool shownCanRedo_ = false;
  double devicePixelRatio_ = 1.0;
};

}  // namespace canvas
