// SPDX-License-Identifier: GPL-3.0-or-later
// The help text and the rating prompt, with their stored flags.
#include "ScreenFixture.h"

TEST_F(ScreenTest, HelpTextAndRatingPromptStoreTheirFlagsAndOnlyYesOpensTheStorePage) {
  defaults().setBoolForKey(false, "rated");
  auto* c = startPhone();
  defaults().setBoolForKey(false, "helphint");
  QTest::mouseClick(c->helpbtn(), Qt::LeftButton);
  ASSERT_NE(onlyAlert(), nullptr);
  // The text is the strings table's, not its key.
  const QString help = platform::localizedString("HelpText");
  EXPECT_NE(help, "HelpText");
  EXPECT_ALERT("How to", help, "OK");
  EXPECT_TRUE(defaults().boolForKey("helphint"));
  clickAlertButton("OK");
  {
    platform::AlertView other(QStringLiteral("t"), QStringLiteral("m"), c, QStringLiteral("a"), {"b"});
    other.setTag(7);
    c->alertViewDidDismissWithButtonIndex(&other, 1);  // button 1 of another alert does nothing
  }

  for (const char* answer : {"No", "Escape", "Enter"}) {  // each declines, and the run asks no more
    SCOPED_TRACE(answer);
    c = startPhone();
    c->schedule()->showratedialog();
    ASSERT_NE(onlyAlert(), nullptr);
    if (answer[0] == 'N')
      clickAlertButton(answer);
    else  // real keys: "No" is both the escape and the default button
      QTest::keyClick(onlyAlert()->messageBox(),
                      answer[0] == 'E' && answer[1] == 's' ? Qt::Key_Escape : Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_TRUE(platform::AlertView::visibleAlerts().isEmpty());
    EXPECT_FALSE(defaults().boolForKey("rated"));
    EXPECT_EQ(c->schedule()->rate_kick(), 1);
    c->schedule()->showratedialog();
    EXPECT_TRUE(platform::AlertView::visibleAlerts().isEmpty());
  }

  c = startPhone();
  EXPECT_TRUE(c->schedule()->rateTimer()->isActive());
  c->schedule()->showratedialog();
  EXPECT_EQ(c->schedule()->rate_kick(), 1);
  EXPECT_ALERT("Rate?", "Could you give us a rate and some suggestions to improve this App?", "No", "Yes");
  clickAlertButton("Yes");
  EXPECT_TRUE(defaults().boolForKey("rated"));
  EXPECT_EQ(c->schedule()->rate_kick(), 0);
  // The link must name the installed desktop entry's id to the letter.
  ASSERT_EQ(opened_.size(), 1);
  EXPECT_EQ(opened_.first().toString(), QStringLiteral("appstream://" VORLANE_APP_ID));
  EXPECT_FALSE(startPhone()->schedule()->rateTimer()->isActive());  // later starts ask no more
}
