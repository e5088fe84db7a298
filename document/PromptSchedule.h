// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// When the prompts come up, without widgets: the help text on the first start,
// the rating prompt until the user accepts it, and the more-apps dialog with its
// counter "more_times" (each entry offered up to three times; the dialog retires
// for good once every entry has had its turn). The schedule says when a prompt
// is due; its view shows it and reports the answer back.
#include <QObject>
#include <QVariant>
#include <QVariantList>

class QTimer;

namespace platform {
class UserDefaults;
}

namespace document {

class PromptSchedule : public QObject {
  Q_OBJECT
 public:
  static constexpr int kHelpDelayMs = 500;
  static constexpr int kRateDelayMs = 90000;
  static constexpr int kMoreFirstDelayS = 30;
  static constexpr int kMoreAgainDelayS = 300;

  explicit PromptSchedule(QObject* parent = nullptr);
  ~PromptSchedule() override;

  // Reads the more-apps list, starts the three timers as the stored settings
  // allow and listens for "kGotoMore" and "kKillMore". Once.
  void start();

  const QVariantList& more_array() const { return more_array_; }
  int more_times() const { return more_times_; }
  int more_kick() const { return more_kick_; }
  int rate_kick() const { return rate_kick_; }
  QTimer* helpTimer() const { return helpTimer_; }
  QTimer* rateTimer() const { return rateTimer_; }
  QTimer* moreTimer() const { return moreTimer_; }

  // The help text was shown (it will not come up by itself again).
  void helpShown();
  // The rating prompt's time has come: due unless one is already up.
  void showratedialog();
  // The rating prompt was answered with button index (1: "Yes").
  void rateAnswered(int buttonIndex);
  void gotorate();

  // Schedules a more-apps showing after `seconds` when the counter allows and
  // none is pending.
  void showmoredlgafter(int seconds);
  // "Get it" ("kGotoMore"): object is the index of the entry shown.
  void gotomore(const QVariant& object);
  // "Next time" ("kKillMore").
  void killmore();

  // While held (a stroke or a drag is under way) prompts that fall due wait,
  // and come up at the release.
  void setHeld(bool held);

 signals:
  void helpDue();
  void rateDue();
  void moreDue();
  // The more-apps dialog must go (its buttons' handlers lead here).
  void moreDismissed();

 private:
  enum Prompt { Help = 1, Rate = 2, More = 4 };
  void due(Prompt prompt);

  platform::UserDefaults* defaults_ = nullptr;
  QVariantList more_array_;
  int more_times_ = 0;
  int more_kick_ = 0;
  int rate_kick_ = 0;
  bool held_ = false;
  int waiting_ = 0;
  QTimer* helpTimer_ = nullptr;
  QTimer* rateTimer_ = nullptr;
  QTimer* moreTimer_ = nullptr;
};

}  // namespace document
