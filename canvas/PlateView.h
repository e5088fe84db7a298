// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clipping frame of a canvas: paints the painting's picture layers aspect-fit
// inside the plate's float frame, and the brush-size indicator over them. The
// display follows plate changes in a short animation where the model asks for
// one; the model itself is already at its final frame. An interactive plate view
// (the desktop's) also takes the input, follows its own size as the model's
// clip, shows a cross-hair and an outline of the brush under the pointer.
#include <QRectF>
#include <QSize>
#include <QWidget>
#include <memory>
#include <optional>

class QVariantAnimation;

namespace canvas {

class CanvasModel;
class Painting;
class Plate;
class PointerInput;

class PlateView : public QWidget {
  Q_OBJECT
 public:
  enum class Mode { Display, Interactive };
  PlateView(CanvasModel* model, Mode mode, QWidget* parent);
  ~PlateView() override;

  CanvasModel* model() const { return model_; }
  // What is on screen while the settling animation runs.
  QRectF displayedBaseviewFrame() const { return displayed_; }
  bool settlingAnimationRunning() const;
  // Where the brush-size indicator is drawn (plate coordinates): it follows the
  // model's frame in the same short animation.
  QRectF displayedDemocircleFrame() const { return displayedCircle_; }
  // The widget pixels showing the picture rectangle pictureRect (padded).
  QRect widgetRectForPicture(const QRect& pictureRect) const;
  // The brush outline under the pointer (interactive views), in widget pixels.
  std::optional<QRectF> hoverOutline() const;
  // Compare: photo A alone on the plate, whatever the brush mode; display only.
  void setCompare(bool compare);
  bool compare() const { return compare_; }

  static constexpr int kAnimationMs = 200;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  QRect circleArea(const QRectF& platePictureFrame) const;
  void plateChanged(bool animate);
  void democircleChanged(bool wasHidden);
  void showCircleAt(const QRectF& frame);
  void setHover(std::optional<QPointF> pos);

  CanvasModel* model_;
  Painting* painting_;
  Plate* plate_;
  Mode mode_;
  QRectF displayed_;
  QVariantAnimation* settleAnimation_ = nullptr;
  QVariantAnimation* circleAnimation_ = nullptr;
  QRectF displayedCircle_;
  QImage circleImage_;
  std::unique_ptr<PointerInput> input_;
  std::optional<QPointF> hover_;
  QRect shownOutline_;
  bool compare_ = false;
};

}  // namespace canvas
