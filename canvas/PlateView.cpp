// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/PlateView.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTabletEvent>
#include <QVariantAnimation>

#include "canvas/CanvasModel.h"
#include "canvas/PointerInput.h"
#include "platform/Resources.h"

namespace canvas {

PlateView::PlateView(CanvasModel* model, Mode mode, QWidget* parent)
    : QWidget(parent), model_(model), painting_(model->painting()), plate_(model->plate()), mode_(mode) {
  setAttribute(Qt::WA_OpaquePaintEvent, false);
  displayed_ = plate_->baseviewFrame();
  circleImage_ = platform::imageNamed(QStringLiteral("circle.png"));
  if (mode_ == Mode::Display) {
    // Input goes to the canvas around it, which decides between brush and gestures.
    setAttribute(Qt::WA_TransparentForMouseEvents);
  } else {
    input_ = std::make_unique<PointerInput>(model_);
    setAttribute(Qt::WA_AcceptTouchEvents);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    // A pen leaving the tablet is told to the application alone: its outline goes then.
    qApp->installEventFilter(this);
  }

  settleAnimation_ = new QVariantAnimation(this);
  settleAnimation_->setDuration(kAnimationMs);
  settleAnimation_->setEasingCurve(QEasingCurve::InOutQuad);
  connect(settleAnimation_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
    displayed_ = value.toRectF();
    update();
  });

  connect(painting_, &Painting::layersChanged, this, qOverload<>(&QWidget::update));
  connect(painting_, &Painting::readyChanged, this, qOverload<>(&QWidget::update));
  connect(plate_, &Plate::plateChanged, this, &PlateView::plateChanged);
  connect(painting_, &Painting::workChanged, this,
          [this](const QRect& pictureRect) { update(widgetRectForPicture(pictureRect)); });
  circleAnimation_ = new QVariantAnimation(this);
  circleAnimation_->setDuration(kAnimationMs);
  connect(circleAnimation_, &QVariantAnimation::valueChanged, this,
          [this](const QVariant& value) { showCircleAt(value.toRectF()); });
  connect(plate_, &Plate::democircleChanged, this,
          [this](const QRectF&, bool wasHidden) { democircleChanged(wasHidden); });
  for (auto signal : {&Painting::brushSizeChanged, &Painting::readyChanged})
    connect(painting_, signal, this, [this] { setHover(hover_); });
  connect(model_, &CanvasModel::pointerHeldChanged, this, [this] { setHover(hover_); });
}

PlateView::~PlateView() = default;

bool PlateView::settlingAnimationRunning() const {
  return settleAnimation_->state() == QAbstractAnimation::Running;
}

void PlateView::setCompare(bool compare) {
  if (compare_ == compare) return;
  compare_ = compare;
  update();
}

void PlateView::plateChanged(bool animate) {
  const QRectF target = plate_->baseviewFrame();
  settleAnimation_->stop();
  if (animate && displayed_ != target) {
    settleAnimation_->setStartValue(displayed_);
    settleAnimation_->setEndValue(target);
    settleAnimation_->start();
  } else {
    displayed_ = target;
    update();
  }
  setHover(hover_);
}

void PlateView::democircleChanged(bool wasHidden) {
  const QRectF target = plate_->democircleFrame();
  if (plate_->democircleHidden() || wasHidden) {
    // Appearing at the finger, or going away: no glide.
    circleAnimation_->stop();
    update(circleArea(displayedCircle_));
    displayedCircle_ = target;
    if (!plate_->democircleHidden()) update(circleArea(displayedCircle_));
    return;
  }
  // Following the finger: the display glides to where the model already is.
  circleAnimation_->stop();
  circleAnimation_->setStartValue(displayedCircle_);
  circleAnimation_->setEndValue(target);
  circleAnimation_->start();
}

void PlateView::showCircleAt(const QRectF& frame) {
  update(circleArea(displayedCircle_));
  displayedCircle_ = frame;
  update(circleArea(displayedCircle_));
}

QRect PlateView::circleArea(const QRectF& frame) const {
  return frame.translated(displayed_.topLeft()).toAlignedRect().adjusted(-2, -2, 2, 2);
}

QRect PlateView::widgetRectForPicture(const QRect& pictureRect) const {
  const QSize size = painting_->orgimgview()->image().size();
  const QRectF target = fitRect(displayed_, QSizeF(size));
  if (target.isEmpty() || pictureRect.isEmpty()) return {};
  const double sx = target.width() / size.width();
  const double sy = target.height() / size.height();
  const QRectF r(target.x() + pictureRect.x() * sx, target.y() + pictureRect.y() * sy,
                 pictureRect.width() * sx, pictureRect.height() * sy);
  // Smooth scaling reads a pixel beyond each edge.
  return r.toAlignedRect().adjusted(-2, -2, 2, 2).intersected(rect());
}

std::optional<QRectF> PlateView::hoverOutline() const {
  if (!hover_ || !model_->touchesActive() || model_->pointerHeld()) return std::nullopt;
  const double d = plate_->indicatorDiameter();
  if (!(d > 0.0)) return std::nullopt;
  return QRectF(hover_->x() - d / 2.0, hover_->y() - d / 2.0, d, d);
}

void PlateView::setHover(std::optional<QPointF> pos) {
  hover_ = pos;
  // The outline drawn last goes, the new one comes.
  if (!shownOutline_.isEmpty()) update(shownOutline_);
  const auto outline = hoverOutline();
  shownOutline_ = outline ? outline->toAlignedRect().adjusted(-3, -3, 3, 3) : QRect();
  if (!shownOutline_.isEmpty()) update(shownOutline_);
}

void PlateView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.setClipRegion(event->region());
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const QRectF plate = displayed_;
  const ImageLayer* layers[] = {painting_->sketchimgview(), painting_->orgimgview(),
                                painting_->workimgview()};
  auto shown = [this](const ImageLayer* layer) {
    return (compare_ ? layer == painting_->orgimgview() : !layer->isHidden()) && !layer->image().isNull();
  };
  // Layers of the picture's size under an opaque one cannot show: start there.
  int first = 0;
  for (int i = 2; i > 0 && first == 0; --i) {
    bool covers = shown(layers[i]) && layers[i]->isOpaque();
    for (int below = 0; covers && below < i; ++below)
      covers = layers[below]->image().isNull() || layers[below]->image().size() == layers[i]->image().size();
    if (covers) first = i;
  }
  for (int i = first; i < 3; ++i) {
    if (!shown(layers[i])) continue;
    painter.drawImage(fitRect(plate, QSizeF(layers[i]->image().size())), layers[i]->image());
  }
  if (!plate_->democircleHidden() && !circleImage_.isNull())
    painter.drawImage(displayedCircle_.translated(plate.topLeft()), circleImage_);
  if (const auto outline = hoverOutline()) {
    // Visible on light and dark pictures alike: a dark ring inside a light one.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 220), 1.0));
    painter.drawEllipse(outline->adjusted(-1, -1, 1, 1));
    painter.setPen(QPen(QColor(0, 0, 0, 220), 1.0));
    painter.drawEllipse(*outline);
  }
}

bool PlateView::event(QEvent* event) {
  const QEvent::Type type = event->type();
  const bool pen = type == QEvent::TabletPress || type == QEvent::TabletMove || type == QEvent::TabletRelease;
  if (input_ && pen) {
    // The outline follows a hovering pen as it follows the mouse; the pen's
    // hover is taken here, so Qt makes no mouse move of it.
    input_->event(event);
    setHover(static_cast<QTabletEvent*>(event)->position());
    event->accept();
    return true;
  }
  if (input_ && input_->event(event)) return true;
  return QWidget::event(event);
}

bool PlateView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::TabletLeaveProximity) setHover(std::nullopt);
  return QWidget::eventFilter(watched, event);
}

void PlateView::mousePressEvent(QMouseEvent* event) {
  if (!input_) return QWidget::mousePressEvent(event);
  input_->mousePressEvent(event);
}

void PlateView::mouseMoveEvent(QMouseEvent* event) {
  if (!input_) return QWidget::mouseMoveEvent(event);
  input_->mouseMoveEvent(event);
  setHover(event->position());
}

void PlateView::mouseReleaseEvent(QMouseEvent* event) {
  if (!input_) return QWidget::mouseReleaseEvent(event);
  input_->mouseReleaseEvent(event);
  setHover(event->position());
}

void PlateView::wheelEvent(QWheelEvent* event) {
  if (!input_) return QWidget::wheelEvent(event);
  input_->wheelEvent(event);
  setHover(hover_);
}

void PlateView::leaveEvent(QEvent* event) {
  setHover(std::nullopt);
  QWidget::leaveEvent(event);
}

void PlateView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // An interactive view is its own clip: the plate follows the new size.
  if (mode_ == Mode::Interactive) {
    plate_->setDevicePixelRatio(devicePixelRatioF());
    plate_->setClipFrame(QRectF(rect()));
  }
}

}  // namespace canvas
