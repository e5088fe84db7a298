// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: the first-start rule, stored settings, the view tree and the timed prompts.
#include "ScreenFixture.h"

TEST_F(ScreenTest, FirstStartShowsOnlyTheMenuThenTheHelp) {
  fresh(QStringLiteral("first.ini"));
  auto* c = startPhone();
  EXPECT_EQ(std::pair(c->document()->currenttype(), c->document()->currentAtype()), std::pair(1, 0));
  EXPECT_FALSE(defaults().hasKey("currentAtype"));
  for (QWidget* hidden : std::initializer_list<QWidget*>{c->workview(), c->processindicator(), c->bkbtn(),
                                                        c->sketchtypebaseview(), c->photoAtypebaseview()})
    EXPECT_TRUE(hidden->isHidden()) << hidden->metaObject()->className();
  EXPECT_FALSE(defaults().boolForKey("helphint"));
  clock_.advance(500);
  EXPECT_ALERT("How to", platform::localizedString("HelpText"), "OK");
  EXPECT_TRUE(defaults().boolForKey("helphint"));  // remembered as seen
}

TEST_F(ScreenTest, StoredSettingsAreRestoredAndPromptedOnlyWhileUnanswered) {
  defaults().setBoolForKey(true, "inited");
  // Stored styles B and A, rating answered: the styles in use and the prompt.
  for (auto [type, atype, rated] : {std::tuple{0, 5, true},  // style 0 (the photo itself) was chosen and stays
                                    {2, 1, false}}) {        // a declined rating is asked again
    SCOPED_TRACE(type);
    defaults().setBoolForKey(rated, "rated");
    defaults().setIntegerForKey(type, "currenttype");
    defaults().setIntegerForKey(atype, "currentAtype");
    auto* c = startPhone();
    EXPECT_EQ(std::pair(c->document()->currenttype(), c->document()->currentAtype()), std::pair(type, atype));
    clock_.advance(90000);  // no help, and the rating prompt only while unanswered
    EXPECT_EQ(platform::AlertView::visibleAlerts().size(), rated ? 0 : 1);
    closeAlerts();
    EXPECT_EQ(c->numberOfRowsInSection(3), 0);  // no such list
    // Each collapsed list shows its current row.
    QListWidget *b = c->sketchtypetableview(), *a = c->photoAtypetableview();
    EXPECT_EQ(b->visualItemRect(b->item(type)), QRect(0, 0, 50, 65));
    EXPECT_EQ(a->visualItemRect(a->item(atype)), QRect(0, 0, 50, 65));
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
