// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/VorlaneView.h"

#include <QEvent>
#include <QLabel>
#include <QSignalBlocker>

#include "canvas/PlateView.h"
#include "canvas/PointerInput.h"
#include "platform/Resources.h"
#include "platform/widgets/FittedLabel.h"
#include "platform/widgets/FloatSlider.h"
#include "platform/widgets/PictureButton.h"

namespace canvas {

namespace {

QRect wholePixels(const FrameF& f) {
  return QRect(static_cast<int>(f.x), static_cast<int>(f.y), static_cast<int>(f.width),
               static_cast<int>(f.height));
}

QRectF toQRectF(const FrameF& f) {
  return QRectF(f.x, f.y, f.width, f.height);
}

}  // namespace

VorlaneView::VorlaneView(const QRectF& frame, const CanvasProfile& profile, QWidget* parent)
    : QWidget(parent),
      profile_(profile),
      model_(new CanvasModel(PlateRule::FixedFrame, toQRectF(profile.workview), toQRectF(profile.baseview),
                             this)) {
  model_->painting()->setLogsUndo(profile.tablet);
  setGeometry(wholePixels({static_cast<float>(frame.x()), static_cast<float>(frame.y()),
                           static_cast<float>(frame.width()), static_cast<float>(frame.height())}));
  buildViews();
  bindModel();
}

VorlaneView::~VorlaneView() = default;

void VorlaneView::buildViews() {
  workview_ = new PlateView(model_, PlateView::Mode::Display, this);
  workview_->setGeometry(wholePixels(profile_.workview));

  controlview_ = new QWidget(this);
  controlview_->setGeometry(wholePixels(profile_.controlview));

  brushsizelabel_ = new platform::FittedLabel(controlview_);
  //: Ends in a full-width colon (U+FF1A), as the label was first drawn.
  brushsizelabel_->setText(tr("Brush Size："));
  brushsizelabel_->setGeometry(wholePixels(profile_.brushsizelabel));
  brushsizelabel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  brushsizelabel_->setAttribute(Qt::WA_TranslucentBackground);
  QPalette palette = brushsizelabel_->palette();
  palette.setColor(QPalette::WindowText, QColor::fromRgbF(0.3490196f, 0.0509804f, 0.0f, 1.0f));
  brushsizelabel_->setPalette(palette);
  QFont font = brushsizelabel_->font();
  font.setPixelSize(profile_.fontSize);
  brushsizelabel_->setFont(font);

  linesizeslider_ = new platform::FloatSlider(controlview_);
  linesizeslider_->setGeometry(wholePixels(profile_.linesizeslider));
  linesizeslider_->setValue(model_->painting()->sliderValue());
  connect(linesizeslider_, &platform::FloatSlider::valueChanged, this, [this](float) { linesizechanged(); });
  showSizeControls(false);

  auto makeButton = [this](const FrameF& frame, const char* normal, const char* selected) {
    auto* button = new platform::PictureButton(controlview_);
    button->setGeometry(wholePixels(frame));
    button->setImage(platform::imageNamed(QString::fromLatin1(normal)));
    if (selected) button->setSelectedImage(platform::imageNamed(QString::fromLatin1(selected)));
    return button;
  };
  undobtn_ = makeButton(profile_.undobtn, "undo.png", nullptr);
  connect(undobtn_, &QAbstractButton::clicked, model_->painting(), &Painting::undo);
  Abtn_ = makeButton(profile_.Abtn, "A_UnSel.png", "A_Sel.png");
  connect(Abtn_, &QAbstractButton::clicked, this, &VorlaneView::AbtnClicked);
  Bbtn_ = makeButton(profile_.Bbtn, "B_UnSel.png", "B_Sel.png");
  connect(Bbtn_, &QAbstractButton::clicked, this, &VorlaneView::BbtnClicked);
  redobtn_ = makeButton(profile_.redobtn, "redo.png", nullptr);
  connect(redobtn_, &QAbstractButton::clicked, model_->painting(), &Painting::redo);

  setAttribute(Qt::WA_AcceptTouchEvents);
  input_ = std::make_unique<PointerInput>(model_, [this](QPointF p) { return startsOnControl(p); });
}

void VorlaneView::bindModel() {
  Painting* painting = model_->painting();
  auto history = [this, painting] {
    undobtn_->setEnabled(painting->canUndo());
    redobtn_->setEnabled(painting->canRedo());
  };
  auto mode = [this, painting] {
    Abtn_->setSelected(painting->brushMode() == BrushMode::A);
    Bbtn_->setSelected(painting->brushMode() == BrushMode::B);
  };
  history();
  mode();
  connect(painting, &Painting::historyChanged, this, history);
  connect(painting, &Painting::brushModeChanged, this, mode);
  connect(painting, &Painting::brushModeRequested, this, [this] { showSizeControls(true); });
  connect(model_, &CanvasModel::touchStarted, this, [this] { showSizeControls(false); });
  connect(painting, &Painting::brushSizeChanged, this, [this, painting] {
    if (linesizeslider_->value() == painting->sliderValue()) return;
    const QSignalBlocker quiet(linesizeslider_);
    linesizeslider_->setValue(painting->sliderValue());
  });
}

void VorlaneView::showSizeControls(bool shown) {
  brushsizelabel_->setVisible(shown);
  linesizeslider_->setVisible(shown);
}

QRectF VorlaneView::workviewFrame() const {
  return toQRectF(profile_.workview);
}

void VorlaneView::linesizechanged() {
  model_->painting()->setSliderValue(linesizeslider_->value());
}

void VorlaneView::AbtnClicked() {
  model_->painting()->setBrushMode(BrushMode::A);
}

void VorlaneView::BbtnClicked() {
  model_->painting()->setBrushMode(BrushMode::B);
}

bool VorlaneView::startsOnControl(QPointF canvasPos) const {
  for (QWidget* w = childAt(canvasPos.toPoint()); w && w != this; w = w->parentWidget()) {
    if (qobject_cast<platform::PictureButton*>(w) || w == linesizeslider_) return true;
  }
  return false;
}

bool VorlaneView::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
      // An unaccepted touch (one that starts on a control) goes on as a mouse press.
      return input_->event(event);
    default:
      return input_->event(event) || QWidget::event(event);
  }
}

void VorlaneView::mousePressEvent(QMouseEvent* event) {
  input_->mousePressEvent(event);
}

void VorlaneView::mouseMoveEvent(QMouseEvent* event) {
  input_->mouseMoveEvent(event);
}

void VorlaneView::mouseReleaseEvent(QMouseEvent* event) {
  input_->mouseReleaseEvent(event);
}

void VorlaneView::wheelEvent(QWheelEvent* event) {
  input_->wheelEvent(event);
}

}  // namespace canvas
