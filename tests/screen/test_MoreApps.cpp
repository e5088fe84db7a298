// The more-apps dialog over the main screen: when it comes, which entry it
// shows, and how its buttons move the counter "more_times".
#include <QTimer>

#include "ScreenFixture.h"
#include "platform/Desktop.h"
#include "platform/NotificationCenter.h"
#include "promo/UIGotoMoreView.h"

using namespace screen_test;

class MoreAppsTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    quietSettings();
    // A list of two entries, in a resource folder of its own.
    ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("res/data")));
    QFile list(dir_.filePath(QStringLiteral("res/data/more.plist")));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><plist version=\"1.0\"><array>"
        "<dict><key>title</key><string>First</string><key>link</key><string>https://one.example/</string></"
        "dict>"
        "<dict><key>title</key><string>Second</string><key>link</key><string>https://two.example/</string></"
        "dict>"
        "</array></plist>");
    list.close();
    platform::setResourceRoot(dir_.filePath(QStringLiteral("res")));
    platform::setUrlOpener([this](const QUrl& url) {
      opened_ << url.toString();
      return true;
    });
  }
  void TearDown() override {
    platform::setUrlOpener({});
    ScreenTest::TearDown();
  }

  int counter() { return defaults().integerForKey(QStringLiteral("more_times")); }

  // Lets the pending showing happen now instead of after its delay.
  UIGotoMoreView* fire() {
    auto* c = controller_.get();
    EXPECT_TRUE(c->moreTimer()->isActive());
    if (!c->moreTimer()->isActive()) return nullptr;
    c->moreTimer()->start(0);
    for (int i = 0; i < 500 && !c->gotomoreview(); ++i) QTest::qWait(10);
    UIGotoMoreView* dialog = c->gotomoreview();
    EXPECT_NE(dialog, nullptr);
    if (!dialog) return nullptr;
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->geometry(), c->rect());
    // Topmost: a tap anywhere lands on the dialog, not on the screen below it.
    EXPECT_TRUE(dialog == c->childAt(160, 30) || dialog->isAncestorOf(c->childAt(160, 30)));
    return dialog;
  }

  // Clicks the dialog's buttons: G "Get it", M "More", L "Next time".
  void click(UIGotoMoreView* dialog, char button) {
    QAbstractButton* b = button == 'G'   ? static_cast<QAbstractButton*>(dialog->getbtn())
                         : button == 'M' ? static_cast<QAbstractButton*>(dialog->morebtn())
                                         : static_cast<QAbstractButton*>(dialog->laterbtn());
    QTest::mouseClick(b, Qt::LeftButton);
    QCoreApplication::processEvents();
  }

  // After a closing: the dialog is gone and the next showing is (or is not) due
  // in 300 s.
  void expectClosed(bool scheduledAgain) {
    auto* c = controller_.get();
    EXPECT_EQ(c->gotomoreview(), nullptr);
    EXPECT_EQ(c->moreTimer()->isActive(), scheduledAgain);
    if (scheduledAgain) {
      EXPECT_EQ(c->moreTimer()->interval(), 300000);
    }
    EXPECT_EQ(c->more_kick(), scheduledAgain ? 1 : 0);
  }

  QStringList opened_;
};

TEST_F(MoreAppsTest, EachEntryThreeTimesThenRetiredForGood) {
  auto* c = startPhone();
  EXPECT_EQ(c->gotomoreview(), nullptr);
  EXPECT_TRUE(c->moreTimer()->isActive());
  EXPECT_EQ(c->moreTimer()->interval(), 30000);
  EXPECT_EQ(c->more_kick(), 1);
  // Scheduling twice never makes a second showing.
  c->showmoredlgafter(1);
  EXPECT_EQ(c->moreTimer()->interval(), 30000);

  for (int times = 1; times <= 3; ++times) {
    UIGotoMoreView* dialog = fire();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->moreidx(), 0);
    EXPECT_EQ(dialog->title()->text(), QStringLiteral("First"));
    click(dialog, 'L');
    EXPECT_EQ(counter(), times);
    expectClosed(true);
  }
  UIGotoMoreView* dialog = fire();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->title()->text(), QStringLiteral("Second"));
  click(dialog, 'G');
  EXPECT_EQ(opened_, QStringList{QStringLiteral("https://two.example/")});
  EXPECT_EQ(counter(), 6);
  expectClosed(false);

  // A later run schedules nothing.
  c = startPhone();
  EXPECT_FALSE(c->moreTimer()->isActive());
  EXPECT_EQ(c->more_kick(), 0);
}

TEST_F(MoreAppsTest, ButtonsMoveTheCounterAsTheyShould) {
  struct Case {
    int start;
    const char* clicks;
    int counter;       // after the clicks
    const char* link;  // opened, or null
    int nextEntry;     // shown next time; -1: no more showings
  } cases[] = {
      {0, "G", 3, "https://one.example/", 1},   // "Get it" at once: on to entry 1
      {0, "MG", 1, "https://two.example/", 0},  // flipped first: one step only
      {3, "ML", 4, "", 1},                      // "More" on the last entry wraps to entry 0
      {2, "L", 3, "", 1},
      {5, "L", 6, "", -1},
      {6, "", 6, "", -1},    // past the end: never shown
      {-1, "", -1, "", -1},  // a negative counter counts as huge
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(std::to_string(k.start) + " " + k.clicks);
    defaults().setIntegerForKey(k.start, QStringLiteral("more_times"));
    opened_.clear();
    auto* c = startPhone(568);
    if (*k.clicks == '\0') {
      EXPECT_FALSE(c->moreTimer()->isActive());
      EXPECT_EQ(c->more_kick(), 0);
      EXPECT_EQ(counter(), k.counter);
      continue;
    }
    UIGotoMoreView* dialog = fire();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->geometry(), QRect(0, 0, 320, 568));
    EXPECT_EQ(dialog->moreidx(), k.start / 3);
    for (const char* b = k.clicks; *b; ++b) {
      if (*b == 'M') {
        const int before = dialog->moreidx();
        click(dialog, 'M');
        EXPECT_EQ(dialog->moreidx(), (before + 1) % 2);
        EXPECT_EQ(counter(), k.start);
      } else {
        click(dialog, *b);
      }
    }
    EXPECT_EQ(counter(), k.counter);
    EXPECT_EQ(opened_, *k.link ? QStringList{QString::fromLatin1(k.link)} : QStringList());
    expectClosed(k.nextEntry >= 0);
    if (k.nextEntry >= 0) {
      dialog = fire();
      ASSERT_NE(dialog, nullptr);
      EXPECT_EQ(dialog->moreidx(), k.nextEntry);
    }
  }
}

TEST_F(MoreAppsTest, AnIndexThatNamesNoEntryOpensNothing) {
  const QVariant objects[] = {QVariant(2), QVariant(-1), QVariant(QStringLiteral("one")), QVariant()};
  int expected = 1;
  defaults().setIntegerForKey(expected, QStringLiteral("more_times"));
  auto* c = startPhone();
  for (const QVariant& object : objects) {
    SCOPED_TRACE(object.toString().toStdString());
    ASSERT_NE(fire(), nullptr);
    platform::NotificationCenter::defaultCenter().postNotificationName(QStringLiteral("kGotoMore"), object);
    QCoreApplication::processEvents();
    EXPECT_TRUE(opened_.isEmpty());
    EXPECT_EQ(counter(), ++expected);
    EXPECT_EQ(c->more_times(), expected);
    expectClosed(expected < 6);
  }
}
