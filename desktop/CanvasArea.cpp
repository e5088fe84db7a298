// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/CanvasArea.h"

#include <QApplication>
#include <QEvent>
#include <QScrollBar>
#include <QStyle>

#include "canvas/Plate.h"

namespace desktop {

namespace {

// Between the hint's text and the indicator below it.
constexpr int kBusyGap = 16;

// A bar for one axis of the plate: pos its offset in the clip, side its length.
void showAxis(QScrollBar* bar, double pos, double side, double clip) {
  const double over = side - clip;
  const int most = over > 0.0 ? qMax(1, qRound(over)) : 0;
  const QSignalBlocker quiet(bar);
  bar->setRange(0, most);
  bar->setPageStep(qMax(1, qRound(clip)));
  bar->setSingleStep(qMax(1, qRound(clip / 20.0)));
  bar->setValue(most > 0 ? qBound(0, qRound(-pos * most / over), most) : 0);
}

}  // namespace

CanvasArea::CanvasArea(canvas::Plate* plate, QWidget* parent) : QWidget(parent), plate_(plate) {
  horizontal_ = new QScrollBar(Qt::Horizontal, this);
  horizontal_->setObjectName(QStringLiteral("horizontalScrollBar"));
  vertical_ = new QScrollBar(Qt::Vertical, this);
  vertical_->setObjectName(QStringLiteral("verticalScrollBar"));
  // The square between two bars, in the bars' colour.
  corner_ = new QWidget(this);
  QPalette window = corner_->palette();
  window.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
  corner_->setPalette(window);
  corner_->setAutoFillBackground(true);
  corner_->setHidden(true);
  for (QScrollBar* bar : {horizontal_, vertical_}) {
    bar->setHidden(true);
    // The window's own colours, not the canvas's dark grey they sit on.
    bar->setPalette(QApplication::palette(bar));
    // The keyboard stays with the canvas.
    bar->setFocusPolicy(Qt::NoFocus);
    connect(bar, &QScrollBar::valueChanged, this,
            [this, bar](int value) { scrolled(bar->orientation(), value); });
  }
}

void CanvasArea::setParts(QWidget* canvas, QWidget* hint, QWidget* busy) {
  canvas_ = canvas;
  hint_ = hint;
  busy_ = busy;
  for (QWidget* part : {canvas_, hint_, busy_}) part->installEventFilter(this);
  // The canvas takes the keyboard when clicked, and back from the zoom box.
  canvas_->setFocusPolicy(Qt::StrongFocus);
  // After the canvas's own view has heard of the change.
  connect(plate_, &canvas::Plate::plateChanged, this, &CanvasArea::layOut);
  layOut();
}

void CanvasArea::setScrollBarsShown(bool shown) {
  barsShown_ = shown;
  layOut();
}

void CanvasArea::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  layOut();
}

bool CanvasArea::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if ((watched == hint_ || watched == busy_) && (type == QEvent::Show || type == QEvent::Hide)) placeBusy();
  if (watched == canvas_ && type == QEvent::EnabledChange) {
    // The bars wait with the canvas while a picture is prepared.
    horizontal_->setEnabled(canvas_->isEnabled());
    vertical_->setEnabled(canvas_->isEnabled());
  }
  return QWidget::eventFilter(watched, event);
}

void CanvasArea::layOut() {
  if (!canvas_) return;
  // A new canvas size moves the plate, which asks for this again: once more
  // after this pass rather than inside it.
  if (layingOut_) {
    again_ = true;
    return;
  }
  layingOut_ = true;
  for (int pass = 0; pass < 3; ++pass) {
    again_ = false;
    layOutOnce();
    if (!again_) break;
  }
  layingOut_ = false;
}

void CanvasArea::layOutOnce() {
  const QSizeF picture = plate_->baseviewFrame().size();
  const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, horizontal_);
  bool across = false, down = false;
  // A bar on one axis narrows the other: twice settles both.
  for (int pass = 0; barsShown_ && pass < 2; ++pass) {
    across = picture.width() - (width() - (down ? extent : 0)) >= kOverflow;
    down = picture.height() - (height() - (across ? extent : 0)) >= kOverflow;
  }
  const QRect canvas(0, 0, width() - (down ? extent : 0), height() - (across ? extent : 0));
  horizontal_->setGeometry(0, canvas.bottom() + 1, canvas.width(), extent);
  vertical_->setGeometry(canvas.right() + 1, 0, extent, canvas.height());
  horizontal_->setVisible(across);
  vertical_->setVisible(down);
  corner_->setGeometry(canvas.right() + 1, canvas.bottom() + 1, extent, extent);
  corner_->setVisible(across && down);
  if (canvas_->geometry() != canvas) canvas_->setGeometry(canvas);
  hint_->setGeometry(rect());

  const QRectF plate = plate_->baseviewFrame(), clip = plate_->clipFrame();
  showAxis(horizontal_, plate.x(), plate.width(), clip.width());
  showAxis(vertical_, plate.y(), plate.height(), clip.height());
  placeBusy();
}

void CanvasArea::scrolled(Qt::Orientation orientation, int value) {
  QRectF plate = plate_->baseviewFrame();
  const QRectF clip = plate_->clipFrame();
  const bool across = orientation == Qt::Horizontal;
  const double over = across ? plate.width() - clip.width() : plate.height() - clip.height();
  const int most = (across ? horizontal_ : vertical_)->maximum();
  if (over <= 0.0 || most <= 0) return;
  // Both ends exact: the picture's edge on the canvas's.
  const double pos = -over * value / most;
  if (across)
    plate.moveLeft(pos);
  else
    plate.moveTop(pos);
  plate_->setBaseviewFrame(plate);
}

void CanvasArea::placeBusy() {
  if (!busy_) return;
  QRect box(QPoint(0, 0), busy_->size());
  box.moveCenter(canvas_->geometry().center());
  if (hint_->isVisibleTo(this)) {
    // Never over the hint's text: below it, or above it where the area is too low.
    const int wrapped = hint_->heightForWidth(hint_->width());
    const int text = qMin(wrapped >= 0 ? wrapped : hint_->sizeHint().height(), hint_->height());
    const int top = (hint_->height() - text) / 2, bottom = top + text;
    if (bottom + kBusyGap + box.height() <= height())
      box.moveTop(bottom + kBusyGap);
    else
      box.moveBottom(top - kBusyGap);
  }
  busy_->move(box.topLeft());
}

}  // namespace desktop
