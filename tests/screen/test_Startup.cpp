// Start-up: settings, the first-start rule, the view tree and the timed prompts.
#include <QTimer>

#include "ScreenFixture.h"
#include "platform/widgets/ActivityIndicator.h"
#include "platform/widgets/PictureButton.h"
#include "platform/widgets/ShadowLabel.h"

using namespace screen_test;

TEST_F(ScreenTest, FirstStartStoresDefaultsAndSchedulesHelpAndRating) {
  auto* c = startPhone();
  EXPECT_TRUE(defaults().boolForKey("inited"));
  EXPECT_EQ(defaults().integerForKey("currenttype"), 1);
  EXPECT_FALSE(defaults().hasKey("currentAtype"));
  EXPECT_EQ(c->currenttype(), 1);
  EXPECT_EQ(c->currentAtype(), 0);
  EXPECT_TRUE(c->imgchanged());
  EXPECT_EQ(c->rate_kick(), 0);
  EXPECT_EQ(c->lastwidth(), 0);
  EXPECT_TRUE(c->grayimgdata().data.empty());

  ASSERT_TRUE(c->helpTimer()->isActive());
  EXPECT_EQ(c->helpTimer()->interval(), 500);
  ASSERT_TRUE(c->rateTimer()->isActive());
  EXPECT_EQ(c->rateTimer()->interval(), 90000);

  // The help text comes up by itself and is remembered as seen.
  EXPECT_FALSE(defaults().boolForKey("helphint"));
  QTRY_COMPARE_WITH_TIMEOUT(platform::AlertView::visibleAlerts().size(), 1, 5000);
  EXPECT_EQ(platform::AlertView::visibleAlerts().first()->title(), QStringLiteral("How to"));
  EXPECT_TRUE(defaults().boolForKey("helphint"));
}

TEST_F(ScreenTest, FirstStartViewTreeShowsOnlyBackgroundAndMenu) {
  auto* c = startPhone();
  EXPECT_TRUE(c->workview()->isHidden());
  EXPECT_TRUE(c->processindicator()->isHidden());
  EXPECT_TRUE(c->bkbtn()->isHidden());
  EXPECT_TRUE(c->sketchtypebaseview()->isHidden());
  EXPECT_TRUE(c->photoAtypebaseview()->isHidden());
  EXPECT_TRUE(c->toptoolview()->isVisible());
  EXPECT_EQ(c->toptoolview()->geometry(), QRect(0, 0, 320, 55));
  const char* titles[5] = {"Load", "Camera", "Save", "Share", "Help"};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(c->menuTitle(i)->text(), QString::fromLatin1(titles[i]));
    EXPECT_EQ(c->menuTitle(i)->fontPixelSize(), 12);
    EXPECT_EQ(c->menuTitle(i)->textColor(), QColor(89, 13, 0));
    EXPECT_EQ(c->menuTitle(i)->geometry(), QRect(12 + 62 * i, 2, 50, 50));
  }
  EXPECT_EQ(c->albumbtn()->geometry(), QRect(12, 2, 50, 50));
  EXPECT_EQ(c->helpbtn()->geometry(), QRect(260, 2, 50, 50));
  EXPECT_EQ(c->sketchtypetitle()->text(), QStringLiteral("B"));
  EXPECT_EQ(c->photoAtypetitle()->text(), QStringLiteral("A"));
  EXPECT_DOUBLE_EQ(c->sketchtypetitle()->viewAlpha(), 0.3);
  EXPECT_EQ(c->sketchtypebaseview()->geometry(), QRect(270, 415, 50, 65));
  EXPECT_EQ(c->photoAtypebaseview()->geometry(), QRect(0, 415, 50, 65));
  // The busy indicator sits on the canvas's centre.
  EXPECT_EQ(c->processindicator()->geometry().center(), QRect(0, 0, 320, 480).center());
  // Stacking, bottom to top: canvas, indicator, bkbtn, menu bar, panels.
  const QObjectList kids = c->children();
  auto at = [&](QObject* o) { return kids.indexOf(o); };
  EXPECT_LT(at(c->workview()), at(c->processindicator()));
  EXPECT_LT(at(c->processindicator()), at(c->bkbtn()));
  EXPECT_LT(at(c->bkbtn()), at(c->toptoolview()));
  EXPECT_LT(at(c->toptoolview()), at(c->sketchtypebaseview()));
  EXPECT_LT(at(c->sketchtypebaseview()), at(c->photoAtypebaseview()));
}

TEST_F(ScreenTest, ResourceListsAreLoaded) {
  quietSettings();
  auto* c = startPhone();
  EXPECT_EQ(c->sketchbrusharray().value(0), QStringLiteral("sketchbrush.png"));
  ASSERT_EQ(c->sketchtypearray().size(), 8);
  EXPECT_EQ(c->numberOfRowsInSection(1), 8);
  EXPECT_EQ(c->numberOfRowsInSection(2), 8);
  EXPECT_EQ(c->numberOfRowsInSection(3), 0);
  EXPECT_EQ(c->sketchtypetableview()->count(), 8);
  EXPECT_EQ(c->sketchtypetableview()->visualItemRect(c->sketchtypetableview()->item(2)).height(), 65);
}

TEST_F(ScreenTest, UsedSettingsAreRestoredAndStyleZeroStays) {
  quietSettings();
  defaults().setBoolForKey(true, "inited");  // the user chose the photo itself
  defaults().setIntegerForKey(0, "currenttype");
  defaults().setIntegerForKey(5, "currentAtype");
  auto* c = startPhone();
  EXPECT_EQ(c->currenttype(), 0);
  EXPECT_EQ(c->currentAtype(), 5);
  EXPECT_EQ(defaults().integerForKey("currenttype"), 0);
  EXPECT_FALSE(c->helpTimer()->isActive());
  EXPECT_FALSE(c->rateTimer()->isActive());
  // Each collapsed list shows its current row.
  QListWidget* b = c->sketchtypetableview();
  QListWidget* a = c->photoAtypetableview();
  EXPECT_EQ(b->visualItemRect(b->item(0)), QRect(0, 0, 50, 65));
  EXPECT_EQ(a->visualItemRect(a->item(5)), QRect(0, 0, 50, 65));
}

TEST_F(ScreenTest, DeclinedRatingIsAskedAgainOnTheNextStart) {
  defaults().setBoolForKey(true, "inited");
  defaults().setBoolForKey(true, "helphint");
  auto* c = startPhone();
  EXPECT_TRUE(c->rateTimer()->isActive());
  EXPECT_FALSE(c->helpTimer()->isActive());
}

TEST_F(ScreenTest, StoredStylesBeyondTheListAreClamped) {
  quietSettings();
  defaults().setIntegerForKey(42, "currenttype");
  defaults().setIntegerForKey(-3, "currentAtype");
  auto* c = startPhone();
  EXPECT_EQ(c->currenttype(), 7);
  EXPECT_EQ(c->currentAtype(), 0);
  QListWidget* b = c->sketchtypetableview();
  EXPECT_EQ(b->visualItemRect(b->item(7)), QRect(0, 0, 50, 65));
}

TEST_F(ScreenTest, PhoneScreenHeightComesFromTheViewHeight) {
  quietSettings();
  auto* c = startPhone(568);
  EXPECT_EQ(platform::screenheight(), 568.0f);
  EXPECT_EQ(c->sketchtypebaseview()->geometry(), QRect(270, 503, 50, 65));
  controller_.reset();
  c = startPhone(548);
  EXPECT_EQ(platform::screenheight(), 480.0f);
  EXPECT_EQ(c->photoAtypebaseview()->geometry(), QRect(0, 415, 50, 65));
}

TEST_F(ScreenTest, TabletUsesItsFixedFrames) {
  quietSettings();
  platform::setScreenheight(568);
  auto* c = startTablet();
  EXPECT_EQ(platform::screenheight(), 568.0f);  // the tablet leaves it alone
  EXPECT_EQ(c->toptoolview()->geometry(), QRect(0, 0, 768, 110));
  EXPECT_EQ(c->savebtn()->geometry(), QRect(335, 5, 100, 100));
  EXPECT_EQ(c->menuTitle(2)->fontPixelSize(), 24);
  EXPECT_EQ(c->sketchtypebaseview()->geometry(), QRect(628, 844, 140, 180));
  EXPECT_EQ(c->workview()->geometry(), QRect(0, 0, 768, 1024));
  QListWidget* b = c->sketchtypetableview();
  EXPECT_EQ(b->visualItemRect(b->item(1)).size(), QSize(140, 180));
}
