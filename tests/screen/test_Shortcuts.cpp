// Keyboard shortcuts: the same rules as the buttons, and nothing while the
// canvas is covered.
#include <QFileDialog>

#include "ScreenFixture.h"
#include "platform/widgets/FloatSlider.h"
#include "platform/widgets/PictureButton.h"

using namespace screen_test;

class ShortcutTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    quietSettings();
  }
  void key(int k, Qt::KeyboardModifiers m = {}) {
    QTest::keyClick(controller_.get(), Qt::Key(k), m);
    QCoreApplication::processEvents();
  }
  // One stroke with the mouse across the middle of the plate.
  void paintStroke() {
    VorlaneView* canvas = controller_->workview();
    const QPoint origin = canvas->workview()->geometry().topLeft();
    const QPoint a = origin + QPoint(100, 150), b = origin + QPoint(180, 200);
    QTest::mousePress(canvas, Qt::LeftButton, {}, a);
    QTest::mouseMove(canvas, a + QPoint(10, 10));
    QTest::mouseMove(canvas, b);
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, b);
    QCoreApplication::processEvents();
  }
};

TEST_F(ShortcutTest, UndoAndRedoFollowTheButtons) {
  auto* c = startPhone();
  ASSERT_TRUE(pickAndRender(writePhoto("p.png", 320, 240)));
  VorlaneView* canvas = c->workview();
  key(Qt::Key_Z, Qt::ControlModifier);  // nothing to undo
  EXPECT_EQ(canvas->currentstep(), 0);
  const QImage sketchBefore = canvas->sketchimgview()->image().copy();
  const QImage workBefore = canvas->workimgview()->image().copy();
  paintStroke();
  const int painted = canvas->currentstep();
  ASSERT_GT(painted, 0);
  // The stroke erased the work image only; photo B under it is untouched.
  EXPECT_NE(canvas->workimgview()->image(), workBefore);
  EXPECT_EQ(canvas->sketchimgview()->image(), sketchBefore);
  ASSERT_TRUE(canvas->undobtn()->isEnabled());
  key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_LT(canvas->currentstep(), painted);
  EXPECT_TRUE(canvas->redobtn()->isEnabled());
  key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(canvas->currentstep(), painted);
  key(Qt::Key_Z, Qt::ControlModifier);
  key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(canvas->currentstep(), painted);
}

TEST_F(ShortcutTest, BrushModesAndBrushSize) {
  auto* c = startPhone();
  ASSERT_TRUE(pickAndRender(writePhoto("p.png", 640, 480)));
  VorlaneView* canvas = c->workview();
  key(Qt::Key_B);
  EXPECT_TRUE(canvas->Bbtn()->isSelected());
  EXPECT_TRUE(canvas->orgimgview()->isHidden());
  key(Qt::Key_A);
  EXPECT_TRUE(canvas->Abtn()->isSelected());
  EXPECT_FALSE(canvas->orgimgview()->isHidden());

  platform::FloatSlider* slider = canvas->linesizeslider();
  ASSERT_FLOAT_EQ(slider->value(), 0.5f);
  key(Qt::Key_BracketRight);
  EXPECT_FLOAT_EQ(slider->value(), 0.55f);
  EXPECT_EQ(canvas->linesize(), float(double(slider->value() * 640.0f) * 0.2));
  key(Qt::Key_BracketLeft);
  key(Qt::Key_BracketLeft);
  EXPECT_FLOAT_EQ(slider->value(), 0.45f);
  for (int i = 0; i < 12; ++i) key(Qt::Key_BracketRight);
  EXPECT_EQ(slider->value(), 1.0f);
  EXPECT_EQ(canvas->linesize(), 128.0f);
}

TEST_F(ShortcutTest, NothingActsWhileTheCanvasIsCovered) {
  auto* c = startPhone();
  ASSERT_TRUE(pickAndRender(writePhoto("p.png", 320, 240)));
  VorlaneView* canvas = c->workview();

  // An expanded panel.
  QTest::mouseClick(c->showsketchtypeviewbtn(), Qt::LeftButton);
  key(Qt::Key_B);
  EXPECT_FALSE(canvas->Bbtn()->isSelected());
  key(Qt::Key_BracketRight);
  EXPECT_FLOAT_EQ(canvas->linesizeslider()->value(), 0.5f);
  QTest::mouseClick(c->bkbtn(), Qt::LeftButton);

  // An alert.
  QTest::mouseClick(c->helpbtn(), Qt::LeftButton);
  ASSERT_EQ(platform::AlertView::visibleAlerts().size(), 1);
  key(Qt::Key_B);
  key(Qt::Key_O, Qt::ControlModifier);
  EXPECT_FALSE(canvas->Bbtn()->isSelected());
  EXPECT_EQ(c->albumDialog(), nullptr);
  closeAlerts();
  EXPECT_TRUE(platform::AlertView::visibleAlerts().isEmpty());
  QApplication::setActiveWindow(c);  // the window manager's part when a dialog closes

  // Uncovered again, the keys act.
  key(Qt::Key_B);
  EXPECT_TRUE(canvas->Bbtn()->isSelected());
}

TEST_F(ShortcutTest, CtrlOOpensTheLoadDialogAndCanvasKeysWaitForAPhoto) {
  auto* c = startPhone();
  key(Qt::Key_B);  // no photo yet: the canvas is hidden
  EXPECT_FALSE(c->workview()->Bbtn()->isSelected());
  key(Qt::Key_O, Qt::ControlModifier);
  ASSERT_NE(c->albumDialog(), nullptr);
  EXPECT_TRUE(c->albumDialog()->isVisible());
  c->albumDialog()->reject();
}
