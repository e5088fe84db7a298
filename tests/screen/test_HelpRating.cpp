// The help text and the rating prompt, with their stored flags.
#include <QUrl>

#include "ScreenFixture.h"
#include "platform/Desktop.h"
#include "platform/widgets/PictureButton.h"

using namespace screen_test;

class HelpRatingTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    quietSettings();
    defaults().setBoolForKey(false, "helphint");
    defaults().setBoolForKey(false, "rated");
    platform::setUrlOpener([this](const QUrl& url) {
      opened_ << url;
      return true;
    });
  }
  void TearDown() override {
    platform::setUrlOpener({});
    ScreenTest::TearDown();
  }
  platform::AlertView* onlyAlert() {
    const auto alerts = platform::AlertView::visibleAlerts();
    return alerts.size() == 1 ? alerts.first() : nullptr;
  }
  QList<QUrl> opened_;
};

TEST_F(HelpRatingTest, HelpButtonShowsTheHelpTextAndStoresTheFlag) {
  defaults().setBoolForKey(true, "helphint");
  auto* c = startPhone();
  defaults().setBoolForKey(false, "helphint");
  QTest::mouseClick(c->helpbtn(), Qt::LeftButton);
  platform::AlertView* alert = onlyAlert();
  ASSERT_NE(alert, nullptr);
  EXPECT_EQ(alert->title(), QStringLiteral("How to"));
  EXPECT_TRUE(alert->message().startsWith(
      "You can give your photos a dramatic effect by converting them to sketch(from PhotoB), while keeping "
      "the "
      "region and details that you choose in color(from PhotoA).\n1. Use your finger"));
  EXPECT_TRUE(
      alert->message().endsWith("\n2. Move photo by two-finger move.\n3. Zooming in and out by "
                                "two-finger pinching."));
  EXPECT_EQ(alert->buttonTitles(), QStringList{"OK"});
  EXPECT_EQ(alert->tag(), 0);
  EXPECT_TRUE(defaults().boolForKey("helphint"));
  clickAlertButton(alert, "OK");
  EXPECT_TRUE(opened_.isEmpty());
  EXPECT_FALSE(defaults().boolForKey("rated"));
}

TEST_F(HelpRatingTest, AcceptedRatingStoresTheFlagAndOpensTheStorePage) {
  defaults().setBoolForKey(true, "helphint");
  auto* c = startPhone();
  c->showratedialog();
  EXPECT_EQ(c->rate_kick(), 1);
  platform::AlertView* alert = onlyAlert();
  ASSERT_NE(alert, nullptr);
  EXPECT_EQ(alert->title(), QStringLiteral("Rate?"));
  EXPECT_EQ(alert->message(),
            QStringLiteral("Could you give us a rate and some suggestions to improve this App?"));
  EXPECT_EQ(alert->buttonTitles(), (QStringList{"No", "Yes"}));
  EXPECT_EQ(alert->tag(), 2);
  clickAlertButton(alert, "Yes");
  EXPECT_TRUE(defaults().boolForKey("rated"));
  EXPECT_EQ(c->rate_kick(), 0);
  ASSERT_EQ(opened_.size(), 1);
  // The link must name the installed desktop entry's id to the letter.
  EXPECT_EQ(opened_.first().toString(), QStringLiteral("appstream://" VORLANE_APP_ID));

  // Later starts ask no more.
  controller_.reset();
  c = startPhone();
  EXPECT_FALSE(c->rateTimer()->isActive());
}

TEST_F(HelpRatingTest, DeclinedRatingIsNotAskedAgainInThisRun) {
  defaults().setBoolForKey(true, "helphint");
  auto* c = startPhone();
  c->showratedialog();
  clickAlertButton(onlyAlert(), "No");
  EXPECT_FALSE(defaults().boolForKey("rated"));
  EXPECT_EQ(c->rate_kick(), 1);
  EXPECT_TRUE(opened_.isEmpty());
  c->showratedialog();
  EXPECT_TRUE(platform::AlertView::visibleAlerts().isEmpty());
}

TEST_F(HelpRatingTest, EscapeOnTheRatingPromptCountsAsNo) {
  defaults().setBoolForKey(true, "helphint");
  auto* c = startPhone();
  c->showratedialog();
  platform::AlertView* alert = onlyAlert();
  ASSERT_NE(alert, nullptr);
  QTest::keyClick(alert->messageBox(), Qt::Key_Escape);
  QCoreApplication::processEvents();
  EXPECT_TRUE(platform::AlertView::visibleAlerts().isEmpty());
  EXPECT_FALSE(defaults().boolForKey("rated"));
  EXPECT_TRUE(opened_.isEmpty());
  EXPECT_EQ(c->rate_kick(), 1);
}

TEST_F(HelpRatingTest, OnlyTheRatingYesOpensTheLink) {
  defaults().setBoolForKey(true, "helphint");
  auto* c = startPhone();
  // Button 1 of an alert with another tag does nothing.
  platform::AlertView other(QStringLiteral("t"), QStringLiteral("m"), c, QStringLiteral("a"), {"b"});
  other.setTag(7);
  c->alertViewDidDismissWithButtonIndex(&other, 1);
  EXPECT_TRUE(opened_.isEmpty());
  EXPECT_FALSE(defaults().boolForKey("rated"));
}
