// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The phone and tablet canvas: the clipping frame with the plate's pictures and a
// control strip (brush size, undo, redo, brush modes A and B), a view over one
// CanvasModel. One logic for both profiles; VorlaneView_iPhone and VorlaneView_iPad
// pass their constants.
#include <QRectF>
#include <QWidget>
#include <memory>

#include "canvas/CanvasModel.h"
#include "canvas/CanvasProfile.h"

class QLabel;

namespace platform {
class PictureButton;
class FloatSlider;
}  // namespace platform

namespace canvas {

class PlateView;
class PointerInput;

class VorlaneView : public QWidget {
  Q_OBJECT
 public:
  // The view makes its model, shaped by the profile's frames, and owns it.
  VorlaneView(const QRectF& frame, const CanvasProfile& profile, QWidget* parent = nullptr);
  ~VorlaneView() override;

  CanvasModel* model() const { return model_; }
  ImageLayer* sketchimgview() { return model_->painting()->sketchimgview(); }
  ImageLayer* orgimgview() { return model_->painting()->orgimgview(); }
  ImageLayer* workimgview() { return model_->painting()->workimgview(); }

  platform::PictureButton* undobtn() const { return undobtn_; }
  platform::PictureButton* redobtn() const { return redobtn_; }
  platform::PictureButton* Abtn() const { return Abtn_; }
  platform::PictureButton* Bbtn() const { return Bbtn_; }
  platform::FloatSlider* linesizeslider() const { return linesizeslider_; }
  QLabel* brushsizelabel() const { return brushsizelabel_; }
  QWidget* controlview() const { return controlview_; }
  PlateView* workview() const { return workview_; }
  QRectF workviewFrame() const;
  const CanvasProfile& profile() const { return profile_; }

  // The strip's actions: the slider sets the brush size, A and B the brush mode.
  void linesizechanged();
  void AbtnClicked();
  void BbtnClicked();

 protected:
  bool event(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void buildViews();
  void bindModel();
  void showSizeControls(bool shown);
  bool startsOnControl(QPointF canvasPos) const;

  CanvasProfile profile_;
  CanvasModel* model_;
  PlateView* workview_ = nullptr;
  QWidget* controlview_ = nullptr;
  QLabel* brushsizelabel_ = nullptr;
  platform::FloatSlider* linesizeslider_ = nullptr;
  platform::PictureButton* undobtn_ = nullptr;
  platform::PictureButton* Abtn_ = nullptr;
  platform::PictureButton* Bbtn_ = nullptr;
  platform::PictureButton* redobtn_ = nullptr;
  std::unique_ptr<PointerInput> input_;
};

}  // namespace canvas
