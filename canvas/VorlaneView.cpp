#include "canvas/VorlaneView.h"

#include <QLabel>
#include <QPainter>
#include <QVariantAnimation>

#include "canvas/BrushPainter.h"
#include "canvas/PlateView.h"
#include "platform/AsyncImageWriter.h"
#include "platform/Log.h"
#include "platform/Paths.h"
#include "platform/Resources.h"
#include "platform/widgets/FloatSlider.h"
#include "platform/widgets/PictureButton.h"

using namespace canvas;

namespace {

QRect wholePixels(const FrameF& f) {
  return QRect(static_cast<int>(f.x), static_cast<int>(f.y), static_cast<int>(f.width),
               static_cast<int>(f.height));
}

QRectF toQRectF(const FrameF& f) {
  return QRectF(f.x, f.y, f.width, f.height);
}

FrameF toFrameF(const QRectF& r) {
  return {static_cast<float>(r.x()), static_cast<float>(r.y()), static_cast<float>(r.width()),
          static_cast<float>(r.height())};
}

}  // namespace

void ImageLayer::setImage(const QImage& image) {
  image_ = image;
  if (changed_) changed_();
}

void ImageLayer::setHidden(bool hidden) {
  if (hidden_ == hidden) return;
  hidden_ = hidden;
  if (changed_) changed_();
}

VorlaneView::VorlaneView(const QRectF& frame, const CanvasProfile& profile, QWidget* parent)
    : QWidget(parent), profile_(profile) {
  setGeometry(wholePixels(toFrameF(frame)));
  buildViews();
}

VorlaneView::~VorlaneView() = default;

void VorlaneView::buildViews() {
  workview_ = new PlateView(this, this);
  workview_->setGeometry(wholePixels(profile_.workview));
  plate_ = profile_.baseview;
  displayedPlate_ = plate_;
  for (ImageLayer* layer : {&sketch_, &org_, &work_}) layer->changed_ = [this] { workview_->update(); };

  controlview_ = new QWidget(this);
  controlview_->setGeometry(wholePixels(profile_.controlview));

  brushsizelabel_ = new QLabel(QString::fromUtf8("Brush Size\xEF\xBC\x9A"), controlview_);
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
  linesizeslider_->setValue(0.5f);
  connect(linesizeslider_, &platform::FloatSlider::valueChanged, this, [this](float) { linesizechanged(); });
  brushsizelabel_->hide();
  linesizeslider_->hide();

  auto makeButton = [this](const FrameF& frame, const char* normal, const char* selected) {
    auto* button = new platform::PictureButton(controlview_);
    button->setGeometry(wholePixels(frame));
    button->setImage(platform::imageNamed(QString::fromLatin1(normal)));
    if (selected) button->setSelectedImage(platform::imageNamed(QString::fromLatin1(selected)));
    return button;
  };
  undobtn_ = makeButton(profile_.undobtn, "undo.png", nullptr);
  connect(undobtn_, &QAbstractButton::clicked, this, &VorlaneView::undo);
  Abtn_ = makeButton(profile_.Abtn, "A_UnSel.png", "A_Sel.png");
  connect(Abtn_, &QAbstractButton::clicked, this, &VorlaneView::AbtnClicked);
  Abtn_->setSelected(true);
  Bbtn_ = makeButton(profile_.Bbtn, "B_UnSel.png", "B_Sel.png");
  connect(Bbtn_, &QAbstractButton::clicked, this, &VorlaneView::BbtnClicked);
  redobtn_ = makeButton(profile_.redobtn, "redo.png", nullptr);
  connect(redobtn_, &QAbstractButton::clicked, this, &VorlaneView::redo);

  setAttribute(Qt::WA_AcceptTouchEvents);
  redobtn_->setEnabled(false);
  undobtn_->setEnabled(false);

  democircle_ = {0.0f, 0.0f, linesize_, linesize_};
  democircleHidden_ = true;
  circleImage_ = platform::imageNamed(QStringLiteral("circle.png"));

  settleAnimation_ = new QVariantAnimation(this);
  settleAnimation_->setDuration(kAnimationMs);
  settleAnimation_->setEasingCurve(QEasingCurve::InOutQuad);
  connect(settleAnimation_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
    displayedPlate_ = toFrameF(value.toRectF());
    workview_->update();
  });
  wheelSettleTimer_.setSingleShot(true);
  wheelSettleTimer_.setInterval(kSettleDelayMs);
  connect(&wheelSettleTimer_, &QTimer::timeout, this, [this] {
    if (framechanged_) settle();
  });
}

QWidget* VorlaneView::workview() const {
  return workview_;
}

QRectF VorlaneView::baseviewFrame() const {
  return toQRectF(plate_);
}

void VorlaneView::setBaseviewFrame(const QRectF& frame) {
  setPlate(toFrameF(frame), false);
}

QRectF VorlaneView::workviewFrame() const {
  return toQRectF(profile_.workview);
}

QRectF VorlaneView::displayedBaseviewFrame() const {
  return toQRectF(displayedPlate_);
}

bool VorlaneView::settlingAnimationRunning() const {
  return settleAnimation_->state() == QAbstractAnimation::Running;
}

QRectF VorlaneView::democircleFrame() const {
  return toQRectF(democircle_);
}

void VorlaneView::setPlate(const FrameF& frame, bool animate) {
  const FrameF shown = displayedPlate_;
  plate_ = frame;
  settleAnimation_->stop();
  if (animate && !(shown == frame)) {
    settleAnimation_->setStartValue(toQRectF(shown));
    settleAnimation_->setEndValue(toQRectF(frame));
    settleAnimation_->start();
  } else {
    displayedPlate_ = frame;
    workview_->update();
  }
}

void VorlaneView::setDemocircle(const FrameF& frame, bool hidden) {
  const QRectF plate = displayedBaseviewFrame();
  auto area = [&](const FrameF& f) {
    return QRectF(toQRectF(f).translated(plate.topLeft())).toAlignedRect().adjusted(-2, -2, 2, 2);
  };
  if (!democircleHidden_) workview_->update(area(democircle_));
  democircle_ = frame;
  democircleHidden_ = hidden;
  if (!democircleHidden_) workview_->update(area(democircle_));
}

SizeF VorlaneView::pictureSize() const {
  const QSize s = org_.image().size();
  return {static_cast<float>(s.width()), static_cast<float>(s.height())};
}

void VorlaneView::setBrushMode(bool modeB) {
  org_.setHidden(modeB);
}

void VorlaneView::linesizechanged() {
  linesize_ = linesizeForSlider(linesizeslider_->value(), pictureSize().width);
}

QPointF VorlaneView::fixPoint(QPointF platePoint) const {
  const PointF p = canvas::fixPoint(plate_, pictureSize(), fit_,
                                    {static_cast<float>(platePoint.x()), static_cast<float>(platePoint.y())});
  return QPointF(p.x, p.y);
}

QRectF VorlaneView::getimgframe() const {
  return toQRectF(canvas::getimgframe(plate_, pictureSize(), fit_));
}

void VorlaneView::ensureWorkImage() {
  prepareWorkImage();
  const QImage& work = work_.image();
  if (work.isNull()) return;
  if (history_.base().isNull() || history_.base().size() != work.size()) history_.setBase(work.copy());
}

void VorlaneView::prepareWorkImage() {
  QImage& work = work_.mutableImage();
  if (work.isNull()) return;
  // Painting in place needs alpha, and a picture of its own: a shared one would
  // be copied whole at the first paint.
  if (work.format() != QImage::Format_ARGB32_Premultiplied)
    work = work.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  else if (!work.isDetached())
    work = work.copy();
}

void VorlaneView::workChanged(const QRect& pictureRect) {
  if (pictureRect.isEmpty()) return;
  if (literal_) {
    workview_->update();
    return;
  }
  workview_->update(workview_->widgetRectForPicture(pictureRect));
}

void VorlaneView::updateButtons() {
  undobtn_->setEnabled(history_.canUndo());
  redobtn_->setEnabled(history_.canRedo());
}

void VorlaneView::paintAndRecord(PointF start, PointF end) {
  const StrokeSegment seg{end.x,
                          end.y,
                          start.x,
                          start.y,
                          linesize_,
                          org_.isHidden(),
                          static_cast<std::uint32_t>(history_.brushindex())};
  ensureWorkImage();
  QRect changed;
  if (literal_) {
    // The whole picture copied and recomposed for each segment.
    history_.push(seg, nullptr);
    QImage next = replaySegments(work_.image(), &seg, 1);
    work_.image_ = next;
    changed = work_.image().rect();
  } else {
    changed = history_.push(seg, &work_.mutableImage());
  }
  redobtn_->setEnabled(false);
  undobtn_->setEnabled(true);
  workChanged(changed);
  modified_ = true;
}

void VorlaneView::setLiteralPainting(bool literal) {
  literal_ = literal;
  history_.setLiteral(literal);
}

void VorlaneView::logHistory() const {
  qCDebug(lcVorlane, "Array count: %d, currentstep: %d", history_.count(), history_.currentstep());
}

void VorlaneView::undo() {
  // Nothing in effect: nothing to read or rebuild.
  if (!history_.canUndo()) return;
  redobtn_->setEnabled(true);
  ensureWorkImage();
  const QRect changed = history_.undo(work_.mutableImage());
  workChanged(changed);
  undobtn_->setEnabled(history_.canUndo());
  if (profile_.tablet) logHistory();
}

void VorlaneView::redo() {
  if (!history_.canRedo()) return;
  ensureWorkImage();
  const QRect changed = history_.redo(work_.mutableImage());
  workChanged(changed);
  undobtn_->setEnabled(true);
  redobtn_->setEnabled(history_.canRedo());
  logHistory();
}

void VorlaneView::AbtnClicked() {
  switchBrushMode(false);
}

void VorlaneView::BbtnClicked() {
  switchBrushMode(true);
}

void VorlaneView::switchBrushMode(bool toB) {
  platform::PictureButton* target = toB ? Bbtn_ : Abtn_;
  platform::PictureButton* other = toB ? Abtn_ : Bbtn_;
  if (!target->isSelected()) {
    resetHistory();
    target->setSelected(true);
    other->setSelected(false);
    const QSize size = org_.image().size();
    if (!size.isEmpty()) {
      // What is on screen becomes the new opaque work image and base picture.
      {
        const QImage& sketch = sketch_.image();
        const QRectF all(0, 0, size.width(), size.height());
        // Photo B over a transparent picture is photo B itself: start from a copy.
        const bool copySketch =
            sketch.size() == size && sketch.format() == QImage::Format_ARGB32_Premultiplied;
        QImage flat = copySketch ? sketch.copy() : QImage(size, QImage::Format_ARGB32_Premultiplied);
        if (!copySketch) flat.fill(Qt::transparent);
        QPainter painter(&flat);
        if (!copySketch && !sketch.isNull()) painter.drawImage(all, sketch);
        if (!org_.isHidden()) painter.drawImage(all, org_.image());
        if (!work_.image().isNull()) painter.drawImage(all, work_.image());
        painter.end();
        work_.setImage(flat);
      }
      writeScratchFile();
    }
    setBrushMode(toB);
  }
  brushsizelabel_->show();
  linesizeslider_->show();
}

void VorlaneView::writeScratchFile() {
  prepareWorkImage();
  const QImage& work = work_.image();
  if (work.isNull()) return;
  // The base stays in memory for undo; the file is its copy on disk, written off
  // the main thread (a later write is never overtaken by this one).
  const QImage base = work.copy();
  history_.setBase(base);
  platform::AsyncImageWriter::shared().write(base, platform::scratchFilePath());
}

void VorlaneView::resetBaseviewFrame() {
  setPlate(profile_.baseview, false);
}

void VorlaneView::resetHistory() {
  history_.reset();
  redobtn_->setEnabled(false);
  undobtn_->setEnabled(false);
}
