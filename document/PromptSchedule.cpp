// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/PromptSchedule.h"

#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <climits>

#include "platform/Desktop.h"
#include "platform/NotificationCenter.h"
#include "platform/PropertyList.h"
#include "platform/Resources.h"
#include "platform/UserDefaults.h"

namespace document {

namespace {

const QString kMoreTimes = QStringLiteral("more_times");
const QString kHelpHint = QStringLiteral("helphint");

constexpr int kHelpDelayMs = 500;
constexpr int kRateDelayMs = 90000;
constexpr int kMoreFirstDelayS = 30;
constexpr int kMoreAgainDelayS = 300;

// The desktop's software centre, on this application's page. The id is all
// lower case because URL hosts are case-insensitive and get lower-cased.
const char* const kRatingLink = "appstream://" VORLANE_APP_ID;

}  // namespace

PromptSchedule::PromptSchedule(Delivery delivery, QObject* parent) : QObject(parent), delivery_(delivery) {
  timerStart_ = [this](int ms, std::function<void()> due) { QTimer::singleShot(ms, this, std::move(due)); };
}

PromptSchedule::~PromptSchedule() {
  platform::NotificationCenter::defaultCenter().removeObserver(this);
}

void PromptSchedule::setTimerStart(TimerStart timerStart) {
  timerStart_ = std::move(timerStart);
}

void PromptSchedule::start() {
  defaults_ = &platform::UserDefaults::standardUserDefaults();
  more_kick_ = 0;
  rate_kick_ = 0;
  more_array_ = platform::readPropertyList(platform::resourceRoot() + QStringLiteral("/data/") +
                                           platform::localizedString(QStringLiteral("more.plist")))
                    .toList();
  showmoredlgafter(kMoreFirstDelayS);
  if (!defaults_->boolForKey(QStringLiteral("rated"))) after(kRateDelayMs, [this] { showratedialog(); });
  if (!defaults_->boolForKey(kHelpHint)) after(kHelpDelayMs, [this] { due({Prompt::Help, {}}); });

  platform::NotificationCenter& center = platform::NotificationCenter::defaultCenter();
  center.addObserver(this, QStringLiteral("kGotoMore"), [this](const QVariant& object) { gotomore(object); });
  center.addObserver(this, QStringLiteral("kKillMore"), [this](const QVariant&) { killmore(); });
}

void PromptSchedule::after(int ms, std::function<void()> what) {
  // A clock that outlives the schedule must not call into it.
  timerStart_(ms, [guard = QPointer<PromptSchedule>(this), what = std::move(what)] {
    if (guard) what();
  });
}

// --- The user is busy --------------------------------------------------------------

void PromptSchedule::setHeld(bool held) {
  held_ = held;
  freed();
}

void PromptSchedule::dialogOpened(QObject* dialog) {
  if (!dialog || dialogs_.contains(dialog)) return;
  dialogs_.append(dialog);
  connect(dialog, &QObject::destroyed, this, [this, dialog] { dialogClosed(dialog); });
}

void PromptSchedule::dialogClosed(QObject* dialog) {
  if (!dialogs_.removeOne(dialog)) return;
  disconnect(dialog, &QObject::destroyed, this, nullptr);
  freed();
}

void PromptSchedule::setAnswering(bool answering) {
  answering_ = answering;
  freed();
}

void PromptSchedule::openWhenFree(const QString& path) {
  due({Prompt::Open, path});
}

void PromptSchedule::due(Due due) {
  if (delivery_ == Delivery::AtOnce || (waiting_.empty() && !busy())) {
    deliver(due);
    return;
  }
  waiting_.push_back(std::move(due));
}

void PromptSchedule::freed() {
  if (busy() || waiting_.empty() || deliveryPosted_) return;
  // Not inside the event that freed the user: whatever its other handlers open
  // (the next dialog of a chain, an answer's action) holds the schedule first.
  deliveryPosted_ = true;
  QMetaObject::invokeMethod(this, &PromptSchedule::deliverWaiting, Qt::QueuedConnection);
}

void PromptSchedule::deliverWaiting() {
  deliveryPosted_ = false;
  // One at a time: each may open a dialog that the next one waits for.
  while (!waiting_.empty() && !busy()) {
    const Due next = waiting_.front();
    waiting_.pop_front();
    deliver(next);
  }
}

void PromptSchedule::deliver(const Due& due) {
  switch (due.prompt) {
    case Prompt::Help:
      // Seen from the menu meanwhile, the help has done the prompt's work. (The
      // phone and tablet show their help button's text whenever it falls due.)
      if (delivery_ == Delivery::WhenFree && defaults_->boolForKey(kHelpHint)) return;
      emit helpDue();
      break;
    case Prompt::Rate:
      emit rateDue();
      break;
    case Prompt::More:
      emit moreDue();
      break;
    case Prompt::Open:
      emit openDue(due.path);
      break;
  }
}

// --- The prompts -------------------------------------------------------------------

void PromptSchedule::helpShown() {
  defaults_->setBoolForKey(true, kHelpHint);
}

void PromptSchedule::showratedialog() {
  if (rate_kick_ != 0) return;
  rate_kick_ = 1;
  due({Prompt::Rate, {}});
}

void PromptSchedule::rateAnswered(int buttonIndex) {
  if (buttonIndex != 1) return;
  gotorate();
  rate_kick_ = 0;
}

void PromptSchedule::gotorate() {
  defaults_->setBoolForKey(true, QStringLiteral("rated"));
  platform::openURL(QUrl(QString::fromLatin1(kRatingLink)));
}

void PromptSchedule::showmoredlgafter(int seconds) {
  more_times_ = defaults_->integerForKey(kMoreTimes);
  // Unsigned: a negative counter (a damaged store) retires the dialog as well.
  if (!(static_cast<unsigned>(more_times_) < 3u * static_cast<unsigned>(more_array_.size()))) return;
  if (more_kick_ != 0) return;
  more_kick_ = 1;
  const long long ms = std::clamp<long long>(static_cast<long long>(seconds) * 1000, 0, INT_MAX);
  after(static_cast<int>(ms), [this] { due({Prompt::More, {}}); });
}

void PromptSchedule::gotomore(const QVariant& object) {
  bool isNumber = false;
  const int k = object.toInt(&isNumber);
  // An index that names no entry has no link to open: treat it as "Next time".
  if (!isNumber || k < 0 || k >= more_array_.size()) {
    killmore();
    return;
  }
  emit moreDismissed();
  platform::openURL(QUrl(more_array_.at(k).toMap().value(QStringLiteral("link")).toString()));
  // "Get it" on the entry the dialog opened with moves on to the next entry;
  // after flipping with "More" it counts as one showing only.
  more_times_ = k == more_times_ / 3 ? 3 * k + 3 : std::min(more_times_, INT_MAX - 1) + 1;
  defaults_->setIntegerForKey(more_times_, kMoreTimes);
  more_kick_ = 0;
  showmoredlgafter(kMoreAgainDelayS);
}

void PromptSchedule::killmore() {
  emit moreDismissed();
  if (more_times_ < INT_MAX) more_times_ += 1;
  defaults_->setIntegerForKey(more_times_, kMoreTimes);
  more_kick_ = 0;
  showmoredlgafter(kMoreAgainDelayS);
}

}  // namespace document
