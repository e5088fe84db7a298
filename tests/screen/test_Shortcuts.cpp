// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard shortcuts: the same rules as the buttons, and nothing while the canvas is covered.
#include "ScreenFixture.h"

TEST_F(ScreenTest, ShortcutsFollowTheButtonsAndWaitForAPhotoAndAnUncoveredCanvas) {
  auto* c = startPhone();
  canvas::VorlaneView* canvas = c->workview();
  platform::FloatSlider* slider = canvas->linesizeslider();
  auto keys = [c](std::initializer_list<QKeyCombination> combinations) {
    for (QKeyCombination k : combinations) QTest::keyClick(c, k.key(), k.keyboardModifiers());
    QCoreApplication::processEvents();
  };
  keys({Qt::Key_B});  // no photo yet: the canvas is hidden
  EXPECT_FALSE(canvas->Bbtn()->isSelected());
  keys({Qt::CTRL | Qt::Key_O});
  ASSERT_NE(c->albumDialog(), nullptr);
  ASSERT_TRUE(c->albumDialog()->isVisible());
  c->albumDialog()->reject();
  QApplication::setActiveWindow(c);  // the window manager's part when a dialog closes

  ASSERT_TRUE(pickAndRender(writePhoto("p.png", 640, 480)));
  keys({Qt::CTRL | Qt::Key_Z});  // nothing to undo
  EXPECT_EQ(canvas->model()->painting()->history().currentstep(), 0);
  const QPoint a = canvas->workview()->geometry().topLeft() + QPoint(100, 150), b = a + QPoint(80, 50);
  QTest::mousePress(canvas, Qt::LeftButton, {}, a);
  QTest::mouseMove(canvas, a + QPoint(10, 10));
  QTest::mouseMove(canvas, b);
  QTest::mouseRelease(canvas, Qt::LeftButton, {}, b);
  const int painted = canvas->model()->painting()->history().currentstep();
  ASSERT_GT(painted, 0);
  keys({Qt::CTRL | Qt::Key_Z});
  EXPECT_LT(canvas->model()->painting()->history().currentstep(), painted);
  keys({Qt::CTRL | Qt::SHIFT | Qt::Key_Z});
  EXPECT_EQ(canvas->model()->painting()->history().currentstep(), painted);
  keys({Qt::CTRL | Qt::Key_Z, Qt::CTRL | Qt::Key_Y});
  EXPECT_EQ(canvas->model()->painting()->history().currentstep(), painted);
  keys({Qt::Key_B});
  EXPECT_TRUE(canvas->Bbtn()->isSelected());
  EXPECT_TRUE(canvas->orgimgview()->isHidden());
  keys({Qt::Key_A});
  EXPECT_TRUE(canvas->Abtn()->isSelected());
  EXPECT_FALSE(canvas->orgimgview()->isHidden());
  keys({Qt::Key_BracketRight});
  EXPECT_FLOAT_EQ(slider->value(), 0.55f);
  EXPECT_FLOAT_EQ(canvas->model()->painting()->linesize(), 70.4f);  // 0.55 x 640 / 5
  keys({Qt::Key_BracketLeft, Qt::Key_BracketLeft});
  EXPECT_FLOAT_EQ(slider->value(), 0.45f);

  QTest::mouseClick(c->showsketchtypeviewbtn(), Qt::LeftButton);  // covered by a panel
  keys({Qt::Key_B, Qt::Key_BracketRight});
  EXPECT_FALSE(canvas->Bbtn()->isSelected());
  EXPECT_FLOAT_EQ(slider->value(), 0.45f);
  QTest::mouseClick(c->bkbtn(), Qt::LeftButton);
  QTest::mouseClick(c->helpbtn(), Qt::LeftButton);  // covered by an alert
  ASSERT_NE(onlyAlert(), nullptr);
  keys({Qt::Key_B, Qt::CTRL | Qt::Key_O});
  EXPECT_FALSE(canvas->Bbtn()->isSelected());
  EXPECT_FALSE(c->albumDialog() && c->albumDialog()->isVisible());
  closeAlerts();
  QApplication::setActiveWindow(c);
  for (int i = 0; i < 12; ++i) keys({Qt::Key_BracketRight});  // uncovered again, the keys act
  EXPECT_EQ(slider->value(), 1.0f);
  EXPECT_EQ(canvas->model()->painting()->linesize(), 128.0f);
}
