// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop window driven through its shortcuts, menus, toolbar and canvas with real events:
// opening, resizing, the View commands, brushes, undo and redo, Compare, busy and save feedback.
#include <QComboBox>

#include "DesktopFixture.h"

namespace {

using namespace desktop_test;

TEST_F(DesktopTest, StartsEmptyResizableWithMenusAndEveryActionExplained) {
  start();
  EXPECT_TRUE(find<QLabel>("emptyHint")->isVisible());
  EXPECT_EQ(find<QLabel>("emptyHint")->geometry(), plate()->geometry());  // covering the empty canvas
  EXPECT_FALSE(painting()->imgready());
  EXPECT_EQ(w()->minimumSize(), QSize(800, 600));
  EXPECT_EQ(w()->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
  QStringList menus;
  for (QAction* menu : w()->menuBar()->actions()) menus << menu->text();
  EXPECT_EQ(menus, QStringList({"&File", "&Edit", "&View", "&Brush", "&Help"}));
  for (QAction* action : w()->actions()) {
    EXPECT_FALSE(action->toolTip().isEmpty()) << action->objectName().toStdString();
    EXPECT_EQ(action->statusTip(), action->toolTip()) << action->objectName().toStdString();
  }
  // The standard keys no other test presses.
  using K = QKeySequence;
  for (auto [name, keys] : std::initializer_list<std::pair<const char*, QList<K>>>{
           {"saveAs", {K(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}},
           {"redo", {K(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), K(Qt::CTRL | Qt::Key_Y)}},
           {"zoomIn", {K(Qt::CTRL | Qt::Key_Plus), K(Qt::CTRL | Qt::Key_Equal)}},
           {"help", {K(Qt::Key_F1)}}})
    EXPECT_EQ(action(name)->shortcuts(), keys) << name;
  // Nothing to save, undo or zoom before a photo.
  for (const char* name : {"save", "saveAs", "export", "exportAgain", "saveToPictures", "share", "undo", "redo",
                           "zoomIn", "fit", "brushB"})
    EXPECT_FALSE(action(name)->isEnabled()) << name;
  key(Qt::CTRL | Qt::Key_S);
  EXPECT_TRUE(platform::AlertView::visibleAlerts().isEmpty());
  EXPECT_EQ(find<QLabel>("photoLabel")->text(), QStringLiteral("No photo"));
}

// Busy from the pick until the pass has run; on the desktop the pass runs in the event loop's
// next turn, not after the phone's half second.
TEST_F(DesktopTest, OpensThroughThePickPathAndShowsBusyUntilRenderedInTheNextTurn) {
  start();
  QSignalSpy busy(doc(), &document::SketchDocument::busyChanged);
  ASSERT_TRUE(open(writePhoto(dir_, "wide.png", 640, 480)));
  ASSERT_GE(busy.count(), 2);
  EXPECT_TRUE(busy.first().at(0).toBool());
  EXPECT_FALSE(busy.last().at(0).toBool());
  EXPECT_TRUE(plate()->isVisible() && plate()->isEnabled());
  EXPECT_FALSE(find<platform::ActivityIndicator>("busyIndicator")->isVisible());
  EXPECT_FALSE(find<QLabel>("emptyHint")->isVisible());
  EXPECT_EQ(find<QLabel>("photoLabel")->text(), QStringLiteral("wide.png  640 \u00d7 480 px"));
  EXPECT_EQ(painting()->orgimgview()->image().size(), QSize(640, 480));
  EXPECT_TRUE(
      same(model()->plate()->baseviewFrame(), canvas::fitRect(QRectF(plate()->rect()), QSizeF(640, 480))));

  QSignalSpy picked(doc(), &document::SketchDocument::photoPicked);
  QSignalSpy done(doc(), &document::SketchDocument::renderPassFinished);
  key(Qt::CTRL | Qt::Key_O);
  auto* dialog = w()->findChild<QFileDialog*>();
  ASSERT_TRUE(dialog && dialog->isVisible());
  choose(dialog, writePhoto(dir_, "tall.png", 300, 400));
  for (int turn = 0; turn < 3 && picked.isEmpty(); ++turn) QCoreApplication::processEvents();
  ASSERT_EQ(picked.count(), 1);
  // While the photo is prepared the canvas waits and the indicator shows.
  EXPECT_TRUE(find<platform::ActivityIndicator>("busyIndicator")->isVisible());
  EXPECT_TRUE(find<platform::ActivityIndicator>("busyIndicator")->isAnimating());
  EXPECT_FALSE(plate()->isEnabled());
  EXPECT_FALSE(action("save")->isEnabled());
  QCoreApplication::processEvents();
  ASSERT_EQ(done.count(), 1);
  EXPECT_TRUE(done.last().at(0).toBool());
  EXPECT_TRUE(model()->touchesActive());
  EXPECT_TRUE(plate()->isEnabled());
  EXPECT_FALSE(find<platform::ActivityIndicator>("busyIndicator")->isVisible());
}

TEST_F(DesktopTest, ResizeKeepsZoomAndCentreAndFitAndActualPixelsSetExactFrames) {
  startWith(640, 480);
  for (int i = 0; i < 3; ++i) key(Qt::CTRL | Qt::Key_Equal);  // zoomed in well past the window
  const QSizeF zoomed = model()->plate()->baseviewFrame().size();
  EXPECT_GT(zoomed.width(), plate()->width());
  const QPointF centreBefore = pictureAt(QRectF(plate()->rect()).center());
  w()->resize(1400, 900);
  QCoreApplication::processEvents();
  EXPECT_EQ(model()->plate()->clipFrame(), QRectF(plate()->rect()));
  EXPECT_EQ(model()->plate()->baseviewFrame().size(), zoomed);
  const QPointF centreAfter = pictureAt(QRectF(plate()->rect()).center());
  EXPECT_NEAR(centreAfter.x(), centreBefore.x(), 0.01);
  EXPECT_NEAR(centreAfter.y(), centreBefore.y(), 0.01);

  key(Qt::CTRL | Qt::Key_0);
  EXPECT_TRUE(
      same(model()->plate()->baseviewFrame(), canvas::fitRect(QRectF(plate()->rect()), QSizeF(640, 480))));
  key(Qt::CTRL | Qt::Key_1);
  const QSizeF actual = QSizeF(640, 480) / plate()->devicePixelRatioF();
  EXPECT_NEAR(pictureOnScreen().width(), actual.width(), 1e-3);
  EXPECT_NEAR(pictureOnScreen().height(), actual.height(), 1e-3);
  EXPECT_NEAR(pictureOnScreen().center().x(), plate()->width() / 2.0, 1e-3);  // smaller: centred
  EXPECT_EQ(find<QComboBox>("zoomBox")->currentText(), QStringLiteral("100 %"));
  // Zooming out stops at the fit or the actual pixels, whichever is smaller (here the latter), centred.
  for (int i = 0; i < 8; ++i) key(Qt::CTRL | Qt::Key_Minus);
  const QPointF corner((plate()->width() - actual.width()) / 2, (plate()->height() - actual.height()) / 2);
  EXPECT_TRUE(same(model()->plate()->baseviewFrame(), QRectF(corner, actual)));
}

TEST_F(DesktopTest, BrushKeysModesUndoRedoAndCompare) {
  startWith(640, 480);
  const QRectF picture = pictureOnScreen();
  const QPoint a = picture.topLeft().toPoint() + QPoint(int(picture.width() / 4), int(picture.height() / 2));
  const QPoint b = a + QPoint(int(picture.width() / 2), 0);
  const QPoint mid = pictureAt((a + b) / 2).toPoint();
  stroke(a, b);
  EXPECT_GT(painting()->history().currentstep(), 0);
  EXPECT_TRUE(action("undo")->isEnabled());
  EXPECT_FALSE(action("redo")->isEnabled());
  EXPECT_EQ(qAlpha(workPixel(mid)), 0);  // cleared under the stroke: photo A shows there
  key(Qt::CTRL | Qt::Key_Z);
  EXPECT_EQ(painting()->history().currentstep(), 0);
  EXPECT_FALSE(action("undo")->isEnabled());
  EXPECT_TRUE(action("redo")->isEnabled());
  key(Qt::CTRL | Qt::Key_Y);
  EXPECT_GT(painting()->history().currentstep(), 0);
  EXPECT_FALSE(action("redo")->isEnabled());

  key(Qt::Key_B);
  EXPECT_EQ(painting()->brushMode(), canvas::BrushMode::B);
  EXPECT_TRUE(action("brushB")->isChecked());
  EXPECT_FALSE(action("brushA")->isChecked());
  // Photo A stays under the work image and the history stays: brush B paints the sketch back,
  // and undo runs across the switch.
  EXPECT_FALSE(painting()->orgimgview()->isHidden());
  EXPECT_EQ(action("undo")->text(), "&Undo Stroke");
  stroke(a + QPoint(20, 0), b - QPoint(20, 0));
  EXPECT_EQ(workPixel(mid), painting()->sketchimgview()->image().pixel(mid));
  key(Qt::CTRL | Qt::Key_Z);
  EXPECT_EQ(qAlpha(workPixel(mid)), 0);
  key(Qt::Key_A);
  EXPECT_EQ(painting()->brushMode(), canvas::BrushMode::A);
  EXPECT_TRUE(action("brushA")->isChecked());

  key(Qt::Key_BracketRight);
  EXPECT_EQ(find<QSlider>("brushSize")->value(), 55);
  EXPECT_FLOAT_EQ(painting()->linesize(), 70.4f);  // 0.55 x 640 / 5
  EXPECT_EQ(find<QLabel>("brushLabel")->text(), QStringLiteral("Brush 70 px"));
  key(Qt::Key_BracketLeft);
  key(Qt::Key_BracketLeft);
  EXPECT_EQ(find<QSlider>("brushSize")->value(), 45);

  // Compare: photo A alone while the key (or the toolbar button) is held.
  const QPoint untouched = picture.topLeft().toPoint() + QPoint(int(picture.width() / 2), 5);
  auto shown = [&] { return plate()->grab().toImage().pixel(untouched); };
  EXPECT_NE(shown(), kRed);
  QTest::keyPress(w(), Qt::Key_Backslash);
  EXPECT_TRUE(plate()->compare());
  EXPECT_EQ(shown(), kRed);
  QTest::keyRelease(w(), Qt::Key_Backslash);
  EXPECT_FALSE(plate()->compare());
  EXPECT_NE(shown(), kRed);
  QTest::mousePress(find<QToolButton>("compareButton"), Qt::LeftButton);
  EXPECT_TRUE(plate()->compare());
  QTest::mouseRelease(find<QToolButton>("compareButton"), Qt::LeftButton);
  EXPECT_FALSE(plate()->compare());
}

TEST_F(DesktopTest, SaveNamesTheFileInTheStatusBarAndRestoresTheGeometryNextTime) {
  start(QSize(1000, 700));
  ASSERT_TRUE(open(writePhoto(dir_, "p.png", 320, 240)));
  QSignalSpy saved(doc(), &document::SketchDocument::saveFinished);
  action("saveToPictures")->trigger();
  ASSERT_TRUE(waitCount(saved, 1));
  ASSERT_TRUE(saved.first().at(0).toBool());
  const QString path = saved.first().at(1).toString();
  EXPECT_EQ(QImage(path).size(), QSize(320, 240));
  EXPECT_TRUE(platform::AlertView::visibleAlerts().isEmpty());  // no alert for a save that worked
  QWidget* note = find<QWidget>("savedNote");
  EXPECT_TRUE(note->isVisible());
  EXPECT_TRUE(note->findChild<QLabel*>()->text().contains(QFileInfo(path).fileName()));

  w()->resize(1100, 750);
  action("showStyles")->trigger();  // View > Styles Panel: the dock goes
  EXPECT_TRUE(stylePanel()->isHidden());
  w()->close();
  start(std::nullopt);  // a new start: the last geometry and dock layout come back
  EXPECT_EQ(w()->size(), QSize(1100, 750));
  EXPECT_TRUE(stylePanel()->isHidden());
  EXPECT_FALSE(action("showStyles")->isChecked());
}

}  // namespace
