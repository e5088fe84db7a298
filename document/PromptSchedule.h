// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// When the prompts come up, without widgets: the help text on the first start,
// the rating prompt until the user accepts it, and the more-apps dialog with its
// counter "more_times" (each entry offered up to three times; the dialog retires
// for good once every entry has had its turn). The schedule says when a prompt
// is due; its view shows it and reports the answer back.
//
// The schedule also knows when the user is busy: a stroke under way, a dialog
// or alert open, an answer being carried out. Its views tell it. How a prompt
// meets a busy user is the layout's choice: the phone and tablet show each one
// the moment it falls due; the desktop keeps prompts and photos handed over
// ("Open with") in one queue, in order, and brings them one at a time once the
// user is free.
#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <deque>
#include <functional>

namespace platform {
class UserDefaults;
}

namespace document {

class PromptSchedule : public QObject {
  Q_OBJECT
 public:
  enum class Delivery { AtOnce, WhenFree };
  // Runs due once, ms from now. The default is a timer on the event loop; tests
  // run the schedule on a clock of their own.
  using TimerStart = std::function<void(int ms, std::function<void()> due)>;

  explicit PromptSchedule(Delivery delivery, QObject* parent = nullptr);
  ~PromptSchedule() override;

  // Before start().
  void setTimerStart(TimerStart timerStart);
  // Reads the more-apps list, starts the three timers as the stored settings
  // allow and listens for "kGotoMore" and "kKillMore". Once.
  void start();

  const QVariantList& more_array() const { return more_array_; }
  int more_times() const { return more_times_; }
  int more_kick() const { return more_kick_; }
  int rate_kick() const { return rate_kick_; }

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

  // --- The user is busy ------------------------------------------------------
  // A stroke (or drag) is under way.
  void setHeld(bool held);
  // A dialog or alert is open until dialogClosed(dialog) or its destruction.
  void dialogOpened(QObject* dialog);
  void dialogClosed(QObject* dialog);
  // A dialog (anything with QDialog's finished signal) holds the schedule from
  // now until it finishes or goes.
  template <class Dialog>
  void holdWhileOpen(Dialog* dialog) {
    dialogOpened(dialog);
    connect(dialog, &Dialog::finished, this, [this, dialog] { dialogClosed(dialog); });
  }
  // An answer's action is being carried out (a save before going on).
  void setAnswering(bool answering);
  bool answering() const { return answering_; }
  bool dialogOpen() const { return !dialogs_.isEmpty(); }
  bool busy() const { return held_ || answering_ || dialogOpen(); }

  // A photo handed to the application: comes back as openDue in its turn.
  void openWhenFree(const QString& path);

 signals:
  void helpDue();
  void rateDue();
  void moreDue();
  void openDue(const QString& path);
  // The more-apps dialog must go (its buttons' handlers lead here).
  void moreDismissed();

 private:
  enum class Prompt { Help, Rate, More, Open };
  struct Due {
    Prompt prompt;
    QString path;
  };
  void after(int ms, std::function<void()> what);
  void due(Due due);
  void deliver(const Due& due);
  void deliverWaiting();
  void freed();

  const Delivery delivery_;
  TimerStart timerStart_;
  platform::UserDefaults* defaults_ = nullptr;
  QVariantList more_array_;
  int more_times_ = 0;
  int more_kick_ = 0;
  int rate_kick_ = 0;
  bool held_ = false;
  bool answering_ = false;
  QList<QObject*> dialogs_;
  std::deque<Due> waiting_;
  bool deliveryPosted_ = false;
};

}  // namespace document
