// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop's central area: the canvas, with scroll bars along its right and
// bottom edges while the picture is larger than it; the hint shown before any
// photo; and the busy indicator, over the canvas's centre or, while the hint
// shows, below the hint's text.
#include <QWidget>

class QScrollBar;

namespace canvas {
class Plate;
}

namespace desktop {

class CanvasArea : public QWidget {
  Q_OBJECT
 public:
  CanvasArea(canvas::Plate* plate, QWidget* parent);

  // Once: the canvas (the plate's view, which follows its own size as the
  // plate's clip), the hint and the indicator, all children of this area.
  void setParts(QWidget* canvas, QWidget* hint, QWidget* busy);
  // The View setting: with it off the canvas always fills the area.
  void setScrollBarsShown(bool shown);
  bool scrollBarsShown() const { return barsShown_; }

  // A picture this many points larger than the canvas gets a scroll bar.
  static constexpr double kOverflow = 0.5;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Bars, canvas and indicator for the plate as it is now.
  void layOut();
  void layOutOnce();
  void placeBusy();
  // A bar was moved: the plate follows it.
  void scrolled(Qt::Orientation orientation, int value);

  canvas::Plate* plate_;
  QWidget* canvas_ = nullptr;
  QWidget* hint_ = nullptr;
  QWidget* busy_ = nullptr;
  QScrollBar* horizontal_ = nullptr;
  QScrollBar* vertical_ = nullptr;
  QWidget* corner_ = nullptr;
  bool barsShown_ = true;
  bool layingOut_ = false;
  bool again_ = false;
};

}  // namespace desktop
