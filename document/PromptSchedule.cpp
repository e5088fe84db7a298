// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/PromptSchedule.h"

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

// The desktop's software centre, on this application's page. The id is all
// lower case because URL hosts are case-insensitive and get lower-cased.
const char* const kRatingLink = "appstream://" VORLANE_APP_ID;

QTimer* singleShotTimer(QObject* parent) {
  auto* timer = new QTimer(parent);
  timer->setSingleShot(true);
  return timer;
}

}  // namespace

PromptSchedule::PromptSchedule(QObject* parent)
    : QObject(parent),
      helpTimer_(singleShotTimer(this)),
      rateTimer_(singleShotTimer(this)),
      moreTimer_(singleShotTimer(this)) {
  connect(helpTimer_, &QTimer::timeout, this, [this] { due(Help); });
  connect(rateTimer_, &QTimer::timeout, this, &PromptSchedule::showratedialog);
  connect(moreTimer_, &QTimer::timeout, this, [this] { due(More); });
}

PromptSchedule::~PromptSchedule() {
  platform::NotificationCenter::defaultCenter().removeObserver(this);
}

void PromptSchedule::start() {
  defaults_ = &platform::UserDefaults::standardUserDefaults();
  more_kick_ = 0;
  rate_kick_ = 0;
  more_array_ = platform::readPropertyList(platform::resourceRoot() + QStringLiteral("/data/") +
                                           platform::localizedString(QStringLiteral("more.plist")))
                    .toList();
  showmoredlgafter(kMoreFirstDelayS);
  if (!defaults_->boolForKey(QStringLiteral("rated"))) rateTimer_->start(kRateDelayMs);
  if (!defaults_->boolForKey(QStringLiteral("helphint"))) helpTimer_->start(kHelpDelayMs);

  platform::NotificationCenter& center = platform::NotificationCenter::defaultCenter();
  center.addObserver(this, QStringLiteral("kGotoMore"), [this](const QVariant& object) { gotomore(object); });
  center.addObserver(this, QStringLiteral("kKillMore"), [this](const QVariant&) { killmore(); });
}

void PromptSchedule::setHeld(bool held) {
  held_ = held;
  if (held_ || waiting_ == 0) return;
  const int waiting = waiting_;
  waiting_ = 0;
  for (Prompt prompt : {Help, Rate, More})
    if (waiting & prompt) due(prompt);
}

void PromptSchedule::due(Prompt prompt) {
  if (held_) {
    waiting_ |= prompt;
    return;
  }
  switch (prompt) {
    case Help:
      emit helpDue();
      break;
    case Rate:
      emit rateDue();
      break;
    case More:
      emit moreDue();
      break;
  }
}

void PromptSchedule::helpShown() {
  defaults_->setBoolForKey(true, QStringLiteral("helphint"));
}

void PromptSchedule::showratedialog() {
  if (rate_kick_ != 0) return;
  rate_kick_ = 1;
  due(Rate);
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
  moreTimer_->start(static_cast<int>(ms));
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
