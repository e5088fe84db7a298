#pragma once
// The painting canvas: three stacked picture layers on a movable plate inside a
// clipping frame, a control strip (brush size, undo, redo, brush modes A and B),
// the eraser brush with its history, and two-finger pan and zoom. One logic for
// both profiles; VorlaneView_iPhone and VorlaneView_iPad pass their constants.
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <map>
#include <vector>

#include "canvas/CanvasGeometry.h"
#include "canvas/CanvasProfile.h"
#include "canvas/StrokeHistory.h"
#include "canvas/StrokeSegment.h"

class QLabel;
class QTouchEvent;
class QVariantAnimation;

namespace platform {
class PictureButton;
class FloatSlider;
}  // namespace platform

namespace canvas {
class PlateView;
}

// One picture layer of the plate. The canvas paints the layers itself through
// the plate's transform; a layer is its picture and its hidden flag.
class ImageLayer {
 public:
  const QImage& image() const { return image_; }
  void setImage(const QImage& image);
  bool isHidden() const { return hidden_; }
  void setHidden(bool hidden);

  // The picture for painting in place. Callers must report what they changed.
  QImage& mutableImage() { return image_; }

 private:
  friend class VorlaneView;
  QImage image_;
  bool hidden_ = false;
  std::function<void()> changed_;
};

class VorlaneView : public QWidget {
  Q_OBJECT
 public:
  VorlaneView(const QRectF& frame, const canvas::CanvasProfile& profile, QWidget* parent = nullptr);
  ~VorlaneView() override;

  ImageLayer* sketchimgview() { return &sketch_; }
  ImageLayer* orgimgview() { return &org_; }
  ImageLayer* workimgview() { return &work_; }

  // The plate, a float model in workview coordinates.
  QRectF baseviewFrame() const;
  void setBaseviewFrame(const QRectF& frame);
  QRectF workviewFrame() const;

  bool imgready() const { return imgready_; }
  void setImgready(bool ready) { imgready_ = ready; }
  bool sketchready() const { return sketchready_; }
  void setSketchready(bool ready) { sketchready_ = ready; }

  float linesize() const { return linesize_; }
  void setLinesize(float size) { linesize_ = size; }
  float offsetratio_x() const { return fit_.offsetratio_x; }
  void setOffsetratio_x(float ratio) { fit_.offsetratio_x = ratio; }
  float offsetratio_y() const { return fit_.offsetratio_y; }
  void setOffsetratio_y(float ratio) { fit_.offsetratio_y = ratio; }
  bool bigwidth() const { return fit_.bigwidth; }
  void setBigwidth(bool big) { fit_.bigwidth = big; }

  const std::vector<StrokeSegment>& steparray() const { return history_.steps(); }
  int currentstep() const { return history_.currentstep(); }
  int brushindex() const { return history_.brushindex(); }

  platform::PictureButton* undobtn() { return undobtn_; }
  platform::PictureButton* redobtn() { return redobtn_; }
  platform::PictureButton* Abtn() { return Abtn_; }
  platform::PictureButton* Bbtn() { return Bbtn_; }
  platform::FloatSlider* linesizeslider() { return linesizeslider_; }

  void setBrushMode(bool modeB);
  void linesizechanged();
  void AbtnClicked();
  void BbtnClicked();
  void undo();
  void redo();

  QPointF fixPoint(QPointF platePoint) const;
  QRectF getimgframe() const;

  // Hand-off from the render pass, in this order after the pictures are set.
  void writeScratchFile();
  void resetBaseviewFrame();
  void resetHistory();

  // Touches, the mouse, the wheel and pinches act only while this holds.
  bool touchesActive() const { return imgready_ && sketchready_; }

  // Further views and state, for the main screen and for tests.
  QWidget* workview() const;
  QWidget* controlview() const { return controlview_; }
  QLabel* brushsizelabel() const { return brushsizelabel_; }
  const canvas::CanvasProfile& profile() const { return profile_; }
  QRectF democircleFrame() const;  // in plate coordinates
  bool democircleHidden() const { return democircleHidden_; }
  bool framechanged() const { return framechanged_; }
  bool modified() const { return modified_; }
  bool onlyclick() const { return onlyclick_; }
  // What is on screen while the settling animation runs.
  QRectF displayedBaseviewFrame() const;
  bool settlingAnimationRunning() const;
  // The picture undo starts from (kept in memory; also in the scratch file).
  const QImage& baseImage() const { return history_.base(); }
  canvas::StrokeHistory& history() { return history_; }

  // The full-image copy per segment and whole-canvas repaint, for comparison.
  void setLiteralPainting(bool literal);
  bool literalPainting() const { return literal_; }

  static constexpr int kSettleDelayMs = 200;
  static constexpr int kAnimationMs = 200;

 protected:
  bool event(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  friend class canvas::PlateView;

  // A touch as the handlers see it: canvas coordinates now and before.
  struct Touch {
    QPointF pos;
    QPointF previous;
  };

  void buildViews();
  void switchBrushMode(bool toB);
  void logHistory() const;

  // The three handlers, driven by touches and by the mouse acting as one finger.
  void touchesBegan(const std::vector<Touch>& touches);
  void touchesMoved(const std::vector<Touch>& touches);
  void touchesEnded(const std::vector<Touch>& touches, bool cancelled);
  void twoFingerMove(const Touch& a, const Touch& b);
  void settle();
  bool handleTouchEvent(QTouchEvent* event);
  bool startsOnControl(QPointF canvasPos) const;

  canvas::PointF toPlate(QPointF canvasPos) const;
  canvas::SizeF pictureSize() const;
  void paintAndRecord(canvas::PointF start, canvas::PointF end);
  void setPlate(const canvas::FrameF& frame, bool animate);
  void setDemocircle(const canvas::FrameF& frame, bool hidden);
  void workChanged(const QRect& pictureRect);
  void updateButtons();
  void ensureWorkImage();
  void prepareWorkImage();

  canvas::CanvasProfile profile_;
  ImageLayer sketch_, org_, work_;
  canvas::PlateView* workview_ = nullptr;
  QWidget* controlview_ = nullptr;
  QLabel* brushsizelabel_ = nullptr;
  platform::FloatSlider* linesizeslider_ = nullptr;
  platform::PictureButton* undobtn_ = nullptr;
  platform::PictureButton* Abtn_ = nullptr;
  platform::PictureButton* Bbtn_ = nullptr;
  platform::PictureButton* redobtn_ = nullptr;
  QImage circleImage_;

  canvas::FrameF plate_;
  canvas::FrameF displayedPlate_;
  QVariantAnimation* settleAnimation_ = nullptr;
  canvas::FrameF democircle_;
  bool democircleHidden_ = true;

  canvas::PictureFit fit_;
  canvas::StrokeHistory history_;
  float linesize_ = 30.0f;
  bool imgready_ = false;
  bool sketchready_ = false;
  bool framechanged_ = false;
  bool modified_ = false;
  bool onlyclick_ = false;
  bool literal_ = false;

  std::map<int, QPointF> touchPositions_;  // previous position per touch id
  bool mousePainting_ = false;
  bool mousePanning_ = false;
  QPointF mousePrevious_;
  QTimer wheelSettleTimer_;
};
