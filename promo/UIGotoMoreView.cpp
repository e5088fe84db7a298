// SPDX-License-Identifier: GPL-3.0-or-later
#include "promo/UIGotoMoreView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "platform/DeviceProfile.h"
#include "platform/Log.h"
#include "platform/NotificationCenter.h"
#include "platform/PropertyList.h"
#include "platform/Resources.h"
#include "platform/UserDefaults.h"

namespace {

// Widget geometry shows the float model; edges are rounded to whole pixels.
QRect displayRect(const QRectF& r) {
  const int left = qRound(r.left());
  const int top = qRound(r.top());
  return QRect(left, top, qRound(r.right()) - left, qRound(r.bottom()) - top);
}

void setTextColor(QWidget* w, QPalette::ColorRole role) {
  QPalette pal = w->palette();
  pal.setColor(role, promo::UIGotoMoreView::textColor());
  w->setPalette(pal);
}

QFont fontOfSize(const QFont& base, int pixelSize) {
  QFont f = base;
  f.setPixelSize(pixelSize);
  return f;
}

// A picture named by an entry; none for a missing or empty name.
QImage entryImage(const QVariantMap& entry, const QString& key) {
  const QString name = entry.value(key).toString();
  if (name.isEmpty()) return {};
  return platform::imageWithContentsOfFile(name);
}

constexpr qreal kCornerRadius = 8.0;
// Room around the demonstration picture for its shadow to spread.
constexpr qreal kShadowMargin = 4.0;

}  // namespace

namespace promo {

UIGotoMoreView::UIGotoMoreView(const QRectF& frame, QWidget* parent)
    : UIGotoMoreView(frame, QString(), parent) {}

UIGotoMoreView::UIGotoMoreView(const QRectF& frame, const QString& listPath, QWidget* parent)
    : QWidget(parent), frame_(frame) {
  // 1. The base view and the font set of the device class.
  setGeometry(displayRect(frame_));
  setAttribute(Qt::WA_NoMousePropagation);
  fonts_ = promo::moreDialogFonts(checkDevice(QStringLiteral("iPad")));
  layout_ = promo::moreDialogLayout(static_cast<float>(frame_.width()), static_cast<float>(frame_.height()));

  // 2. Title, text area, icon and demonstration picture, in this order.
  title_ = makeLabel(layout_.title, fonts_.title, Qt::AlignCenter);

  details_ = new QTextEdit(this);
  details_->setGeometry(displayRect(layout_.details));
  details_->setFont(fontOfSize(details_->font(), fonts_.details));
  details_->setReadOnly(true);
  details_->setTextInteractionFlags(Qt::NoTextInteraction);
  details_->setFocusPolicy(Qt::NoFocus);
  details_->setFrameShape(QFrame::NoFrame);
  details_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  details_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  details_->setContextMenuPolicy(Qt::NoContextMenu);
  // The text area takes no touches at all: no scrolling, no selection.
  details_->setAttribute(Qt::WA_TransparentForMouseEvents);
  {
    QPalette pal = details_->palette();
    pal.setColor(QPalette::Base, Qt::transparent);
    pal.setColor(QPalette::Text, textColor());
    details_->setPalette(pal);
    details_->viewport()->setAutoFillBackground(false);
  }

  appicon_ = new promo::MoreImageView(this);
  appicon_->setGeometry(displayRect(layout_.appicon));
  appicon_->setFrameRect(layout_.appicon.translated(-appicon_->pos()));
  appicon_->setCornerRadius(kCornerRadius);

  demoiimgview0_ = new promo::MoreImageView(this);
  const QRect demoRect =
      displayRect(layout_.demo.adjusted(-kShadowMargin, -kShadowMargin, kShadowMargin, kShadowMargin));
  demoiimgview0_->setGeometry(demoRect);
  demoiimgview0_->setFrameRect(layout_.demo.translated(-demoRect.topLeft()));
  demoiimgview0_->setContentMode(promo::MoreImageView::ContentMode::AspectFit);
  demoiimgview0_->setCornerRadius(kCornerRadius);
  demoiimgview0_->setShadow(textColor(), 1.0, 1.0, QPointF(0, 0));

  // 3. The buttons, each followed by its label lying over it.
  getbtn_ = makeButton(layout_.getbtn, QStringLiteral("Get it"), &UIGotoMoreView::getbtnclicked, &getlabel_);
  morebtn_ =
      makeButton(layout_.morebtn, QStringLiteral("More"), &UIGotoMoreView::moremorebtnclicked, &morelabel_);
  laterbtn_ = makeButton(layout_.laterbtn, QStringLiteral("Next time"), &UIGotoMoreView::laterbtnclicked,
                         &laterlabel_);

  // 4. White background: painted in paintEvent.

  // 5. Its own copy of the list and the entry the counter points at.
  const QVariant list = platform::readPropertyList(listPath.isEmpty() ? defaultListPath() : listPath);
  if (list.typeId() == QMetaType::QVariantList) more_array_ = list.toList();
  moreidx_ = platform::UserDefaults::standardUserDefaults().integerForKey(QStringLiteral("more_times")) / 3;

  // 6.
  fillEntry(moreidx_);
}

UIGotoMoreView::~UIGotoMoreView() = default;

QString UIGotoMoreView::defaultListPath() {
  return platform::resourceRoot() + QStringLiteral("/data/") +
         platform::localizedString(QStringLiteral("more.plist"));
}

QColor UIGotoMoreView::textColor() {
  return QColor::fromRgbF(0.0f, 174.0f / 255.0f, 241.0f / 255.0f, 1.0f);
}

bool UIGotoMoreView::checkDevice(const QString& name) const {
  const QString model = platform::deviceModel();
  qCInfo(lcVorlaneDiag, "deviceType = %s", qUtf8Printable(model));
  return model.contains(name);
}

platform::FittedLabel* UIGotoMoreView::makeLabel(const QRectF& frame, int pixelSize,
                                                 Qt::Alignment alignment) {
  // Titles come from the list and button labels from the strings table: a text
  // wider than its frame is drawn smaller rather than cut off.
  auto* label = new platform::FittedLabel(this);
  label->setGeometry(displayRect(frame));
  label->setFont(fontOfSize(label->font(), pixelSize));
  label->setAlignment(alignment);
  label->setAutoFillBackground(false);
  // Labels let touches through to the buttons below them.
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  setTextColor(label, QPalette::WindowText);
  return label;
}

promo::MoreButton* UIGotoMoreView::makeButton(const QRectF& frame, const QString& key,
                                              void (UIGotoMoreView::*action)(),
                                              platform::FittedLabel** label) {
  auto* button = new promo::MoreButton(this);
  button->setGeometry(displayRect(frame));
  button->setImage(platform::imageNamed(QStringLiteral("BTN_4.png")));
  connect(button, &QAbstractButton::clicked, this, action);
  *label = makeLabel(frame, fonts_.label, Qt::AlignCenter);
  (*label)->setText(platform::localizedString(key, QString()));
  return button;
}

void UIGotoMoreView::fillEntry(int index) {
  // An index outside the list (a counter past its end, an empty list) shows
  // nothing rather than reading past the end.
  const bool valid = index >= 0 && index < more_array_.size();
  const QVariantMap entry = valid ? more_array_.at(index).toMap() : QVariantMap();
  title_->setText(entry.value(QStringLiteral("title")).toString());
  details_->setPlainText(entry.value(QStringLiteral("info")).toString());
  appicon_->setImage(entryImage(entry, QStringLiteral("icon")));
  demoiimgview0_->setImage(entryImage(entry, QStringLiteral("demoimg")));
}

void UIGotoMoreView::getbtnclicked() {
  platform::NotificationCenter::defaultCenter().postNotificationName(QStringLiteral("kGotoMore"),
                                                                     QVariant(moreidx_));
}

void UIGotoMoreView::moremorebtnclicked() {
  // Unsigned comparison: a negative index wraps to the first entry as well.
  unsigned next = static_cast<unsigned>(moreidx_) + 1u;
  if (!(next < static_cast<unsigned>(more_array_.size()))) next = 0;
  moreidx_ = static_cast<int>(next);
  fillEntry(moreidx_);
}

void UIGotoMoreView::laterbtnclicked() {
  platform::NotificationCenter::defaultCenter().postNotificationName(QStringLiteral("kKillMore"));
}

void UIGotoMoreView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
}

void UIGotoMoreView::mousePressEvent(QMouseEvent* event) {
  event->accept();
}
void UIGotoMoreView::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
}
void UIGotoMoreView::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
}
void UIGotoMoreView::mouseDoubleClickEvent(QMouseEvent* event) {
  event->accept();
}
void UIGotoMoreView::wheelEvent(QWheelEvent* event) {
  event->accept();
}

}  // namespace promo
