// SPDX-License-Identifier: GPL-3.0-or-later
// The style panels: expand, select, collapse, and the re-render on a changed selection.
#include "ScreenFixture.h"

TEST_F(ScreenTest, PanelsExpandKeepRowTapsAndOneTapCollapsesBothAndRendersTheChange) {
  defaults().setIntegerForKey(7, "currenttype");
  auto* c = startPhone();
  ASSERT_TRUE(pickAndRender(writePhoto("p.png", 160, 120)));
  QTest::mouseClick(c->showsketchtypeviewbtn(), Qt::LeftButton);
  EXPECT_TRUE(c->showsketchtypeview());
  EXPECT_FALSE(c->showphotoAtypeview());
  EXPECT_EQ(c->sketchtypebaseviewFrame(), QRectF(270, 90, 50, 390));
  EXPECT_TRUE(c->sketchtypetitle()->isHidden());
  EXPECT_TRUE(c->showsketchtypeviewbtn()->isHidden());
  EXPECT_TRUE(c->bkbtn()->isVisible());
  QTRY_COMPARE(c->sketchtypebaseview()->geometry(), QRect(270, 90, 50, 390));  // the slide's end
  // The current row is the bottom one of the six visible.
  QListWidget* list = c->sketchtypetableview();
  EXPECT_EQ(list->visualItemRect(list->item(7)), QRect(0, 325, 50, 65));
  clickRow(list, 4);
  EXPECT_EQ(c->document()->currenttype(), 4);
  EXPECT_TRUE(c->showsketchtypeview());  // a row tap keeps the panel open
  EXPECT_EQ(defaults().integerForKey("currenttype"), 7);
  QTest::mouseClick(c->showphotoAtypeviewbtn(), Qt::LeftButton);
  clickRow(c->photoAtypetableview(), 2);

  QTest::mouseClick(c->bkbtn(), Qt::LeftButton);
  EXPECT_FALSE(c->showsketchtypeview());
  EXPECT_FALSE(c->showphotoAtypeview());
  EXPECT_FALSE(c->bkbtn()->isVisible());
  EXPECT_EQ(c->sketchtypebaseviewFrame(), QRectF(270, 415, 50, 65));
  EXPECT_EQ(c->photoAtypebaseviewFrame(), QRectF(0, 415, 50, 65));
  EXPECT_FALSE(c->workview()->model()->painting()->sketchready());  // render scheduled
  EXPECT_TRUE(c->processindicator()->isAnimating());
  ASSERT_TRUE(waitForRender());
  EXPECT_EQ(defaults().integerForKey("currenttype"), 4);
  EXPECT_EQ(defaults().integerForKey("currentAtype"), 2);
  EXPECT_EQ(list->visualItemRect(list->item(4)), QRect(0, 0, 50, 65));

  // Unchanged, or changed and changed back: no render.
  for (const std::vector<int>& rows : {std::vector<int>{2}, {3, 2}}) {
    QTest::mouseClick(c->showphotoAtypeviewbtn(), Qt::LeftButton);
    for (int row : rows) clickRow(c->photoAtypetableview(), row);
    QTest::mouseClick(c->bkbtn(), Qt::LeftButton);
    EXPECT_TRUE(c->workview()->model()->painting()->sketchready());
    EXPECT_TRUE(c->processindicator()->isHidden());
  }
  c->didSelectRow(1, 8), c->didSelectRow(2, -1), c->didSelectRow(3, 2);  // outside the lists: ignored
  EXPECT_EQ(c->document()->currenttype(), 4);
  EXPECT_EQ(c->document()->currentAtype(), 2);
}

TEST_F(ScreenTest, PanelSelectionBeforeTheFirstRenderIsOnlyKept) {
  auto* c = startPhone();
  // Panels appear with the first pick; the render is still pending.
  ASSERT_TRUE(c->document()->pickPhotoFile(writePhoto("p.png", 160, 120)));
  QTest::mouseClick(c->showsketchtypeviewbtn(), Qt::LeftButton);
  clickRow(c->sketchtypetableview(), 5);
  QTest::mouseClick(c->bkbtn(), Qt::LeftButton);
  EXPECT_EQ(c->document()->currenttype(), 5);
  EXPECT_EQ(defaults().integerForKey("currenttype"), 1);
  ASSERT_TRUE(waitForRender());
  EXPECT_EQ(defaults().integerForKey("currenttype"), 5);
  EXPECT_EQ(renders_->count(), 1);
}
