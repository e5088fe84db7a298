// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns a widget's input into canvas commands: touches (one finger paints, two
// pan and zoom), the mouse as one finger, the wheel and trackpad pinch for zoom,
// a right or middle drag to pan, and pens of drawing tablets (pressure sets the
// width, the eraser end paints as brush B). The phone and tablet canvas and the desktop's
// canvas forward their events here, so every layout takes input the same way.
#include <QPointF>
#include <QTimer>
#include <functional>
#include <map>

class QEvent;
class QMouseEvent;
class QTabletEvent;
class QTouchEvent;
class QWheelEvent;

namespace canvas {

class CanvasModel;

class PointerInput {
 public:
  // startsOnControl: true for a canvas point on one of the view's own controls;
  // a touch that starts there is left to the control.
  PointerInput(CanvasModel* model, std::function<bool(QPointF)> startsOnControl = {});

  // Touch, pen and native-gesture events; true when the event was taken. A pen
  // that only hovers is not taken (the view may follow it).
  bool event(QEvent* event);
  void mousePressEvent(QMouseEvent* event);
  void mouseMoveEvent(QMouseEvent* event);
  void mouseReleaseEvent(QMouseEvent* event);
  void wheelEvent(QWheelEvent* event);

  static constexpr int kSettleDelayMs = 200;

 private:
  bool touchEvent(QTouchEvent* event);
  bool tabletEvent(QTabletEvent* event);
  void endPenStroke(QPointF pos);

  CanvasModel* model_;
  std::function<bool(QPointF)> startsOnControl_;
  std::map<int, QPointF> touchPositions_;  // previous position per touch id
  bool mousePainting_ = false;
  bool mousePanning_ = false;
  bool penPainting_ = false;
  QPointF penPrevious_;
  QPointF mousePrevious_;
  QTimer wheelSettleTimer_;
};

}  // namespace canvas
