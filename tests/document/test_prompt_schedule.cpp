// SPDX-License-Identifier: GPL-3.0-or-later
// The prompt schedule on its own, on a clock the test moves: when each prompt
// falls due, the counters and stored keys behind it, and how it meets a busy
// user (held and brought one at a time on the desktop, at once on the phone
// and tablet).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <memory>

#include "FakeClock.h"
#include "TestSupport.h"
#include "document/PromptSchedule.h"
#include "platform/Desktop.h"
#include "platform/Resources.h"
#include "platform/UserDefaults.h"

namespace {

using document::PromptSchedule;
using Delivery = PromptSchedule::Delivery;

constexpr qint64 kDay = 24LL * 3600 * 1000;

// Stands in for a dialog: what the schedule hears of one is its finished signal.
class FakeDialog : public QObject {
  Q_OBJECT
 signals:
  void finished(int result);
};

class PromptScheduleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(QDir().mkpath(dir_.filePath("res/data")));
    QFile list(dir_.filePath("res/data/more.plist"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write(
        "<plist version=\"1.0\"><array>"
        "<dict><key>title</key><string>First</string><key>link</key><string>https://a/</string></dict>"
        "<dict><key>title</key><string>Second</string><key>link</key><string>https://b/</string></dict>"
        "</array></plist>");
    list.close();
    platform::setResourceRoot(dir_.filePath("res"));
    platform::UserDefaults::setStorageFile(dir_.filePath("settings.ini"));
    // A user who has seen the help, rated and seen every entry: no prompt unless a test asks.
    defaults().setBoolForKey(true, "helphint");
    defaults().setBoolForKey(true, "rated");
    defaults().setIntegerForKey(6, "more_times");
    platform::setUrlOpener([this](const QUrl& url) { return opened_ << url, true; });
  }
  void TearDown() override {
    schedule_.reset();
    platform::setUrlOpener({});
    platform::UserDefaults::setStorageFile(QString());
  }
  static platform::UserDefaults& defaults() { return platform::UserDefaults::standardUserDefaults(); }

  // A started schedule on the test's clock; every prompt it brings is logged.
  PromptSchedule* start(Delivery delivery) {
    schedule_ = std::make_unique<PromptSchedule>(delivery);
    PromptSchedule* s = schedule_.get();
    s->setTimerStart(clock_.timerStart());
    QObject::connect(s, &PromptSchedule::helpDue, [this] { log_ << "help"; });
    QObject::connect(s, &PromptSchedule::rateDue, [this] { log_ << "rate"; });
    QObject::connect(s, &PromptSchedule::moreDue, [this] { log_ << "more"; });
    QObject::connect(s, &PromptSchedule::openDue, [this](const QString& path) { log_ << "open " + path; });
    QObject::connect(s, &PromptSchedule::moreDismissed, [this] { log_ << "dismissed"; });
    s->start();
    return s;
  }
  // What came since the last look, after the clock moves on by ms.
  QStringList taken(qint64 ms = 0) {
    clock_.advance(ms);
    const QStringList log = log_;
    log_.clear();
    return log;
  }

  QTemporaryDir dir_;
  vorlane_test::FakeClock clock_;
  std::unique_ptr<PromptSchedule> schedule_;
  QStringList log_;
  QList<QUrl> opened_;
};

TEST_F(PromptScheduleTest, HelpComesHalfASecondAfterAStartUntilItHasBeenShown) {
  defaults().setBoolForKey(false, "helphint");
  PromptSchedule* s = start(Delivery::AtOnce);
  EXPECT_EQ(taken(499), QStringList());
  EXPECT_EQ(taken(1), QStringList{"help"});
  EXPECT_FALSE(defaults().boolForKey("helphint"));  // due is not shown yet
  s->helpShown();
  EXPECT_TRUE(defaults().boolForKey("helphint"));
  start(Delivery::AtOnce);
  EXPECT_EQ(taken(kDay), QStringList());
}

TEST_F(PromptScheduleTest, RatingComesAfterNinetySecondsOnceARunUntilAccepted) {
  defaults().setBoolForKey(false, "rated");
  PromptSchedule* s = start(Delivery::AtOnce);
  EXPECT_EQ(taken(89999), QStringList());
  EXPECT_EQ(taken(1), QStringList{"rate"});
  EXPECT_EQ(s->rate_kick(), 1);
  s->rateAnswered(0);  // "No"
  EXPECT_FALSE(defaults().boolForKey("rated"));
  EXPECT_EQ(s->rate_kick(), 1);  // and no more this run
  s->showratedialog();
  EXPECT_EQ(taken(), QStringList());
  EXPECT_TRUE(opened_.isEmpty());

  s = start(Delivery::AtOnce);  // declined: asked again on the next start
  EXPECT_EQ(taken(90000), QStringList{"rate"});
  s->rateAnswered(1);  // "Yes"
  EXPECT_TRUE(defaults().boolForKey("rated"));
  EXPECT_EQ(s->rate_kick(), 0);
  EXPECT_EQ(opened_, QList<QUrl>{QUrl("appstream://" VORLANE_APP_ID)});
  start(Delivery::AtOnce);
  EXPECT_EQ(taken(kDay), QStringList());
}

TEST_F(PromptScheduleTest, MoreAppsAfterThirtySecondsThenFiveMinutesAfterEachAnswerUntilRetired) {
  defaults().setIntegerForKey(4, "more_times");  // two entries, three showings each: two left
  PromptSchedule* s = start(Delivery::AtOnce);
  s->showmoredlgafter(1);  // one showing pending is enough
  EXPECT_EQ(taken(29999), QStringList());
  EXPECT_EQ(taken(1), QStringList{"more"});
  EXPECT_EQ(taken(kDay), QStringList());

  s->killmore();  // "Next time"
  EXPECT_EQ(taken(), QStringList{"dismissed"});
  EXPECT_EQ(defaults().integerForKey("more_times"), 5);
  EXPECT_EQ(taken(299999), QStringList());
  EXPECT_EQ(taken(1), QStringList{"more"});
  s->gotomore(1);  // "Get it" on the last entry: every entry has had its turn
  EXPECT_EQ(taken(), QStringList{"dismissed"});
  EXPECT_EQ(opened_, QList<QUrl>{QUrl("https://b/")});
  EXPECT_EQ(defaults().integerForKey("more_times"), 6);
  EXPECT_EQ(s->more_kick(), 0);
  EXPECT_EQ(taken(kDay), QStringList());
}

TEST_F(PromptScheduleTest, OnTheDesktopWhatFallsDueWhileTheUserIsBusyWaitsAndComesInOrderOneAtATime) {
  defaults().setBoolForKey(false, "helphint");
  defaults().setBoolForKey(false, "rated");
  defaults().setIntegerForKey(0, "more_times");
  PromptSchedule* s = start(Delivery::WhenFree);
  // The view opens a dialog for each prompt it is brought.
  std::vector<std::unique_ptr<FakeDialog>> dialogs;
  for (auto due : {&PromptSchedule::helpDue, &PromptSchedule::moreDue, &PromptSchedule::rateDue})
    QObject::connect(s, due, [&] { s->holdWhileOpen(dialogs.emplace_back(new FakeDialog).get()); });

  s->openWhenFree("first.png");  // free: at once
  EXPECT_EQ(taken(), QStringList{"open first.png"});
  s->setHeld(true);  // a stroke
  EXPECT_TRUE(s->busy());
  clock_.advance(90000);  // help, more-apps and rating fall due
  s->openWhenFree("second.png");
  QCoreApplication::processEvents();
  EXPECT_EQ(taken(), QStringList());
  s->setHeld(false);
  EXPECT_EQ(taken(), QStringList());  // not inside the release itself
  QCoreApplication::processEvents();
  EXPECT_EQ(taken(), QStringList{"help"});  // its dialog holds the rest
  EXPECT_TRUE(s->dialogOpen());

  emit dialogs.back()->finished(0);
  QCoreApplication::processEvents();
  EXPECT_EQ(taken(), QStringList{"more"});
  s->setAnswering(true);  // the dialog goes while an answer is carried out
  dialogs.back().reset();
  QCoreApplication::processEvents();
  EXPECT_FALSE(s->dialogOpen());
  EXPECT_TRUE(s->busy());
  EXPECT_EQ(taken(), QStringList());
  s->setAnswering(false);
  QCoreApplication::processEvents();
  EXPECT_EQ(taken(), QStringList{"rate"});
  s->dialogClosed(dialogs.back().get());
  QCoreApplication::processEvents();
  EXPECT_EQ(taken(), QStringList{"open second.png"});
  EXPECT_FALSE(s->busy());
  EXPECT_EQ(dialogs.size(), 3u);
}

TEST_F(PromptScheduleTest, OnTheDesktopAHelpPromptSeenFromTheMenuMeanwhileIsDropped) {
  defaults().setBoolForKey(false, "helphint");
  PromptSchedule* s = start(Delivery::WhenFree);
  FakeDialog question;
  s->holdWhileOpen(&question);
  clock_.advance(500);
  s->openWhenFree("photo.png");
  s->helpShown();  // from the menu, over the question
  emit question.finished(0);
  QCoreApplication::processEvents();
  EXPECT_EQ(taken(), QStringList{"open photo.png"});

  defaults().setBoolForKey(false, "helphint");
  s = start(Delivery::WhenFree);
  clock_.advance(100);
  s->helpShown();  // before it fell due, the user free
  EXPECT_EQ(taken(kDay), QStringList());
}

TEST_F(PromptScheduleTest, OnThePhoneAndTabletEveryPromptComesTheMomentItFallsDue) {
  defaults().setBoolForKey(false, "helphint");
  defaults().setBoolForKey(false, "rated");
  defaults().setIntegerForKey(0, "more_times");
  PromptSchedule* s = start(Delivery::AtOnce);
  FakeDialog alert;
  s->setHeld(true);
  s->holdWhileOpen(&alert);
  s->setAnswering(true);
  EXPECT_TRUE(s->busy());
  EXPECT_EQ(taken(500), QStringList{"help"});
  EXPECT_EQ(taken(29500), QStringList{"more"});
  EXPECT_EQ(taken(60000), QStringList{"rate"});
  s->openWhenFree("photo.png");
  EXPECT_EQ(taken(), QStringList{"open photo.png"});
  s->setHeld(false);
  s->setAnswering(false);
  emit alert.finished(0);
  QCoreApplication::processEvents();
  EXPECT_EQ(taken(), QStringList());  // nothing was kept back

  // The help button's text comes when due even if the button was pressed before.
  defaults().setBoolForKey(false, "helphint");
  s = start(Delivery::AtOnce);
  s->helpShown();
  EXPECT_EQ(taken(500), QStringList{"help"});
}

}  // namespace

#include "test_prompt_schedule.moc"
