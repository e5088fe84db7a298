// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: settings, the first-start rule, the view tree and the timed prompts.

#include "ScreenFixture.h"

TEST_F(ScreenTest, FirstStartStoresDefaultsShowsOnlyTheMenuThenTheHelp) {
  fresh(QStringLiteral("first.ini"));
  auto* c = startPhone();
  EXPECT_TRUE(defaults().boolForKey("inited"));
  EXPECT_EQ(defaults().integerForKey("currenttype"), 1);
  EXPECT_FALSE(defaults().hasKey("currentAtype"));
  EXPECT_EQ(c->document()->currenttype(), 1);
  EXPECT_EQ(c->document()->currentAtype(), 0);
  EXPECT_TRUE(c->workview()->isHidden());
  EXPECT_TRUE(c->processindicator()->isHidden());
  EXPECT_TRUE(c->bkbtn()->isHidden());
  EXPECT_TRUE(c->sketchtypebaseview()->isHidden());
  EXPECT_TRUE(c->photoAtypebaseview()->isHidden());
  // The help text comes up by itself and is remembered as seen.
  EXPECT_FALSE(defaults().boolForKey("helphint"));
  clock_.advance(500);
  EXPECT_ALERT("How to", platform::localizedString("HelpText"), "OK");
  EXPECT_TRUE(defaults().boolForKey("helphint"));
}

TEST_F(ScreenTest, StoredSettingsAreRestoredClampedAndPromptedOnlyWhileUnanswered) {
  defaults().setBoolForKey(true, "inited");
  // Stored styles B and A, rating answered, and the styles in use.
  for (auto [type, atype, rated, wantType, wantAtype] :
       std::initializer_list<std::tuple<int, int, bool, int, int>>{
           {0, 5, true, 0, 5},  // style 0 (the photo itself) was the user's choice and stays
           {42, -3, true, 7, 0},
           {2, 1, false, 2, 1}}) {  // a declined rating is asked again on the next start
    SCOPED_TRACE(type);
    defaults().setBoolForKey(rated, "rated");
    defaults().setIntegerForKey(type, "currenttype");
    defaults().setIntegerForKey(atype, "currentAtype");
    auto* c = startPhone();
    EXPECT_EQ(c->document()->currenttype(), wantType);
    EXPECT_EQ(c->document()->currentAtype(), wantAtype);
    EXPECT_EQ(defaults().integerForKey("currenttype"), type);
    clock_.advance(90000);  // no help, and the rating prompt only while unanswered
    EXPECT_EQ(platform::AlertView::visibleAlerts().size(), rated ? 0 : 1);
    closeAlerts();
    EXPECT_EQ(c->numberOfRowsInSection(3), 0);  // no such list
    // Each collapsed list shows its current row.
    QListWidget *b = c->sketchtypetableview(), *a = c->photoAtypetableview();
    EXPECT_EQ(b->visualItemRect(b->item(wantType)), QRect(0, 0, 50, 65));
    EXPECT_EQ(a->visualItemRect(a->item(wantAtype)), QRect(0, 0, 50, 65));
  }
}

TEST_F(ScreenTest, FramesComeFromThePhoneViewHeightOrTheTabletProfile) {
  auto* c = startPhone(568);
  EXPECT_EQ(platform::screenheight(), 568.0f);
  EXPECT_EQ(c->sketchtypebaseview()->geometry(), QRect(270, 503, 50, 65));
  c = startPhone(548);
  EXPECT_EQ(platform::screenheight(), 480.0f);
  EXPECT_EQ(c->photoAtypebaseview()->geometry(), QRect(0, 415, 50, 65));
  platform::setScreenheight(568);
  c = startTablet();
  EXPECT_EQ(platform::screenheight(), 568.0f);  // the tablet leaves it alone
  EXPECT_EQ(c->sketchtypebaseview()->geometry(), QRect(628, 844, 140, 180));
  ASSERT_TRUE(pickAndRender(writePhoto("p.png", 160, 120)));
  QTest::mouseClick(c->showphotoAtypeviewbtn(), Qt::LeftButton);  // the panels expand upwards
  EXPECT_EQ(c->photoAtypebaseviewFrame(), QRectF(0, 124, 140, 900));
  clickRow(c->photoAtypetableview(), 4);
  EXPECT_EQ(c->document()->currentAtype(), 4);
}
