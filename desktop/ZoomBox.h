// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop's zoom in percent of actual pixels (100 % shows one picture pixel
// per screen pixel): the round steps Zoom In and Zoom Out go to, and the
// status bar's zoom box, where a percentage is typed or a preset chosen.
#include <QComboBox>
#include <QPointer>
#include <optional>

namespace desktop {

// The next round step above (direction > 0) or below percent, held within
// [least, most]; a zoom within half a percent of a step counts as on it, as the
// box shows it.
double zoomStep(double percent, int direction, double least, double most);

// What the box shows for a zoom: "150 %".
QString zoomText(double percent);

// A typed zoom: "150", "150%", "150 %", "12.5 %"; nothing for anything else,
// zero or less included. "Fit" is not a percentage (the box knows it).
std::optional<double> parseZoom(const QString& text);

class ZoomBox : public QComboBox {
  Q_OBJECT
 public:
  explicit ZoomBox(QWidget* parent = nullptr);

  // The zoom in force (nothing: no picture, the box is empty and disabled).
  void showZoom(std::optional<double> percent);
  // Where the keyboard goes once a zoom is applied, so the canvas keeps its keys.
  void setCanvas(QWidget* canvas) { canvas_ = canvas; }

 signals:
  void zoomChosen(double percent);
  void fitChosen();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  // The wheel over the status bar does not flip through the presets.
  void wheelEvent(QWheelEvent* event) override;

 private:
  // Applies text; a bad value is refused and the zoom in force shows again.
  void apply(const QString& text);
  void showCurrent();
  void backToCanvas();

  QString current_;
  QPointer<QWidget> canvas_;
};

}  // namespace desktop
