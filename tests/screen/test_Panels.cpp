// The style panels: expand, select, collapse, and the re-render on a changed
// selection.
#include "ScreenFixture.h"
#include "platform/widgets/ActivityIndicator.h"
#include "platform/widgets/PictureButton.h"
#include "platform/widgets/ShadowLabel.h"

using namespace screen_test;

class PanelTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    quietSettings();
  }
  void loadPhoto() { ASSERT_TRUE(pickAndRender(writePhoto("p.png", 160, 120))); }
  void tap(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
  bool renderScheduled() {
    auto* c = controller_.get();
    return !c->workview()->sketchready() && c->processindicator()->isAnimating() &&
           !c->processindicator()->isHidden();
  }
};

TEST_F(PanelTest, ExpandShowsTheListAndTheCloseButton) {
  defaults().setIntegerForKey(7, "currenttype");
  auto* c = startPhone();
  loadPhoto();
  tap(c->showsketchtypeviewbtn());
  EXPECT_TRUE(c->showsketchtypeview());
  EXPECT_FALSE(c->showphotoAtypeview());
  EXPECT_EQ(c->sketchtypebaseviewFrame(), QRectF(270, 90, 50, 390));
  EXPECT_EQ(c->sketchtypetableview()->geometry(), QRect(0, 0, 50, 390));
  EXPECT_TRUE(c->sketchtypetitle()->isHidden());
  EXPECT_TRUE(c->showsketchtypeviewbtn()->isHidden());
  EXPECT_FALSE(c->bkbtn()->isHidden());
  // The slide ends on the model frame.
  QTRY_COMPARE(c->sketchtypebaseview()->geometry(), QRect(270, 90, 50, 390));
  // The current row is the bottom one of the six visible.
  QListWidget* list = c->sketchtypetableview();
  EXPECT_EQ(list->visualItemRect(list->item(7)), QRect(0, 325, 50, 65));
  EXPECT_EQ(list->visualItemRect(list->item(2)), QRect(0, 0, 50, 65));
}

TEST_F(PanelTest, ChangedSelectionRendersOnCollapse) {
  auto* c = startPhone();
  loadPhoto();
  tap(c->showsketchtypeviewbtn());
  clickRow(c->sketchtypetableview(), 4);
  EXPECT_EQ(c->currenttype(), 4);
  EXPECT_TRUE(c->showsketchtypeview());  // a row tap keeps the panel open
  EXPECT_EQ(defaults().integerForKey("currenttype"), 1);

  QSignalSpy done(c, &screen::MainViewController::renderPassFinished);
  tap(c->bkbtn());
  EXPECT_FALSE(c->showsketchtypeview());
  EXPECT_TRUE(c->bkbtn()->isHidden());
  EXPECT_FALSE(c->sketchtypetitle()->isHidden());
  EXPECT_EQ(c->sketchtypebaseviewFrame(), QRectF(270, 415, 50, 65));
  EXPECT_TRUE(renderScheduled());
  ASSERT_TRUE(done.wait(20000));
  EXPECT_EQ(defaults().integerForKey("currenttype"), 4);
  EXPECT_TRUE(c->workview()->sketchready());
  QListWidget* list = c->sketchtypetableview();
  EXPECT_EQ(list->visualItemRect(list->item(4)), QRect(0, 0, 50, 65));
}

TEST_F(PanelTest, UnchangedOrRestoredSelectionDoesNotRender) {
  auto* c = startPhone();
  loadPhoto();
  tap(c->showphotoAtypeviewbtn());
  clickRow(c->photoAtypetableview(), 0);  // already the rendered style
  tap(c->bkbtn());
  EXPECT_FALSE(renderScheduled());

  tap(c->showphotoAtypeviewbtn());
  clickRow(c->photoAtypetableview(), 3);
  clickRow(c->photoAtypetableview(), 0);
  tap(c->bkbtn());
  EXPECT_FALSE(renderScheduled());
  EXPECT_TRUE(c->workview()->sketchready());
  EXPECT_EQ(c->currentAtype(), 0);
}

TEST_F(PanelTest, OneTapCollapsesBothPanels) {
  auto* c = startPhone();
  loadPhoto();
  tap(c->showsketchtypeviewbtn());
  tap(c->showphotoAtypeviewbtn());
  EXPECT_TRUE(c->showsketchtypeview());
  EXPECT_TRUE(c->showphotoAtypeview());
  clickRow(c->photoAtypetableview(), 2);
  tap(c->bkbtn());
  EXPECT_FALSE(c->showsketchtypeview());
  EXPECT_FALSE(c->showphotoAtypeview());
  EXPECT_EQ(c->photoAtypebaseviewFrame(), QRectF(0, 415, 50, 65));
  EXPECT_TRUE(renderScheduled());
  ASSERT_TRUE(waitForRender());
  EXPECT_EQ(defaults().integerForKey("currentAtype"), 2);
}

TEST_F(PanelTest, SelectionBeforeTheFirstRenderIsOnlyKept) {
  auto* c = startPhone();
  // Panels appear with the first pick; the render is still pending.
  ASSERT_TRUE(c->pickPhotoFile(writePhoto("p.png", 160, 120)));
  tap(c->showsketchtypeviewbtn());
  clickRow(c->sketchtypetableview(), 5);
  tap(c->bkbtn());
  EXPECT_EQ(c->currenttype(), 5);
  EXPECT_EQ(defaults().integerForKey("currenttype"), 1);
  QSignalSpy done(c, &screen::MainViewController::renderPassFinished);
  ASSERT_TRUE(done.wait(20000));
  EXPECT_EQ(done.count(), 1);
  EXPECT_EQ(defaults().integerForKey("currenttype"), 5);
}

TEST_F(PanelTest, TabletPanelsExpandUpwardsToTheirFixedFrames) {
  auto* c = startTablet();
  loadPhoto();
  tap(c->showphotoAtypeviewbtn());
  EXPECT_EQ(c->photoAtypebaseviewFrame(), QRectF(0, 124, 140, 900));
  EXPECT_EQ(c->photoAtypetableview()->geometry(), QRect(0, 0, 140, 900));
  clickRow(c->photoAtypetableview(), 4);
  EXPECT_EQ(c->currentAtype(), 4);
}

TEST_F(PanelTest, SelectionOutsideTheListIsIgnored) {
  auto* c = startPhone();
  c->didSelectRow(1, 8);
  c->didSelectRow(2, -1);
  c->didSelectRow(3, 2);
  EXPECT_EQ(c->currenttype(), 1);
  EXPECT_EQ(c->currentAtype(), 0);
}
