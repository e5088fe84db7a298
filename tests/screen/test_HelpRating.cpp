// SPDX-License-Identifier: GPL-3.0-or-later
// The help text and the rating prompt as alerts on the screen, answered with real clicks and keys.
#include "ScreenFixture.h"
#include "promo/UIGotoMoreView.h"

TEST_F(ScreenTest, HelpTextAndRatingPromptStoreTheirFlagsAndOnlyYesOpensTheStorePage) {
  defaults().setBoolForKey(false, "rated");
  defaults().setIntegerForKey(1000000, "more_times");  // no more-apps dialog in between
  auto* c = startPhone();
  defaults().setBoolForKey(false, "helphint");
  QTest::mouseClick(c->helpbtn(), Qt::LeftButton);
  const QString help = platform::localizedString("HelpText");  // the strings table's text, not its key
  EXPECT_NE(help, "HelpText");
  EXPECT_ALERT("How to", help, "OK");
  EXPECT_TRUE(defaults().boolForKey("helphint"));
  clickAlertButton("OK");
  {
    platform::AlertView other(QStringLiteral("t"), QStringLiteral("m"), c, QStringLiteral("a"), {"b"});
    other.setTag(7);
    c->alertViewDidDismissWithButtonIndex(&other, 1);  // button 1 of another alert does nothing
  }
  EXPECT_TRUE(opened_.isEmpty());

  // "No" is both the escape and the default button.
  for (const auto key : {Qt::Key_unknown, Qt::Key_Escape, Qt::Key_Return}) {
    SCOPED_TRACE(key);
    c->schedule()->showratedialog();
    EXPECT_ALERT("Rate?", "Could you give us a rate and some suggestions to improve this App?", "No", "Yes");
    if (key == Qt::Key_unknown)
      clickAlertButton("No");
    else
      QTest::keyClick(onlyAlert()->messageBox(), key);
    QCoreApplication::processEvents();
    EXPECT_TRUE(platform::AlertView::visibleAlerts().isEmpty());
    EXPECT_FALSE(defaults().boolForKey("rated"));
    c = startPhone();
  }
  clock_.advance(90000);
  clickAlertButton("Yes");
  EXPECT_TRUE(defaults().boolForKey("rated"));
  // The link must name the installed desktop entry's id to the letter.
  EXPECT_EQ(opened_, QList<QUrl>{QUrl(QStringLiteral("appstream://" VORLANE_APP_ID))});
}

// The phone and tablet never hold a prompt back: one that falls due while a finger is painting
// comes up at once.
TEST_F(ScreenTest, APromptDueDuringAStrokeShowsAtOnceOnPhoneAndTablet) {
  for (bool tablet : {false, true}) {
    SCOPED_TRACE(tablet ? "tablet" : "phone");
    defaults().setBoolForKey(false, "rated");
    defaults().setIntegerForKey(0, "more_times");
    auto* c = tablet ? startTablet() : startPhone();
    ASSERT_TRUE(pickAndRender(writePhoto("p.png", 640, 480)));
    canvas::VorlaneView* canvas = c->workview();
    const QPoint a = canvas->workview()->geometry().topLeft() + QPoint(100, 150);
    QTest::mousePress(canvas, Qt::LeftButton, {}, a);
    QTest::mouseMove(canvas, a + QPoint(10, 10));
    ASSERT_TRUE(canvas->model()->pointerHeld());
    clock_.advance(30000);
    ASSERT_NE(c->gotomoreview(), nullptr);
    EXPECT_TRUE(c->gotomoreview()->isVisible());
    EXPECT_EQ(c->gotomoreview()->geometry(), c->rect());
    clock_.advance(60000);
    EXPECT_ALERT("Rate?", "Could you give us a rate and some suggestions to improve this App?", "No", "Yes");
    EXPECT_TRUE(canvas->model()->pointerHeld());
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, a + QPoint(10, 10));
    closeAlerts();
  }
}
