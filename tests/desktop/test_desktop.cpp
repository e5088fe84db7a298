// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop window driven through its shortcuts, menus, toolbar and canvas with
// real events: opening, resizing, the View commands, brushes, undo and redo,
// Compare, busy and save feedback, and prompts that wait for a stroke, each other
// and the user's dialogs.
#include "DesktopFixture.h"
#include "desktop/StylePanel.h"

namespace {

using namespace desktop_test;

TEST_F(DesktopTest, StartsEmptyResizableWithMenusAndEveryActionExplained) {
  start();
  EXPECT_TRUE(find<QLabel>("emptyHint")->isVisible());
  EXPECT_EQ(find<QLabel>("emptyHint")->geometry(), plate()->geometry());  // covering the empty canvas
  EXPECT_FALSE(model()->painting()->imgready());
  EXPECT_EQ(w()->minimumSize(), QSize(800, 600));
  EXPECT_EQ(w()->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
  QStringList menus;
  for (QAction* menu : w()->menuBar()->actions()) menus << menu->text();
  EXPECT_EQ(menus, QStringList({"&File", "&Edit", "&View", "&Brush", "&Help"}));
  for (QAction* action : w()->actions()) {
    EXPECT_FALSE(action->toolTip().isEmpty()) << action->objectName().toStdString();
    EXPECT_EQ(action->statusTip(), action->toolTip()) << action->objectName().toStdString();
  }
  // The standard keys where the desktop has them.
  using K = QKeySequence;
  for (auto [name, keys] : std::initializer_list<std::pair<const char*, QList<K>>>{
           {"open", {K(Qt::CTRL | Qt::Key_O)}},
           {"save", {K(Qt::CTRL | Qt::Key_S)}},
           {"saveAs", {K(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}},
           {"export", {K(Qt::CTRL | Qt::Key_E)}},
           {"exportAgain", {K(Qt::CTRL | Qt::SHIFT | Qt::Key_E)}},
           {"quit", {K(Qt::CTRL | Qt::Key_Q)}},
           {"undo", {K(Qt::CTRL | Qt::Key_Z)}},
           {"redo", {K(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), K(Qt::CTRL | Qt::Key_Y)}},
           {"zoomIn", {K(Qt::CTRL | Qt::Key_Plus), K(Qt::CTRL | Qt::Key_Equal)}},
           {"zoomOut", {K(Qt::CTRL | Qt::Key_Minus)}},
           {"fit", {K(Qt::CTRL | Qt::Key_0)}},
           {"actualPixels", {K(Qt::CTRL | Qt::Key_1)}},
           {"brushA", {K(Qt::Key_A)}},
           {"brushB", {K(Qt::Key_B)}},
           {"biggerBrush", {K(Qt::Key_BracketRight)}},
           {"smallerBrush", {K(Qt::Key_BracketLeft)}},
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

TEST_F(DesktopTest, OpensThroughThePickPathAndShowsBusyUntilRendered) {
  start();
  QSignalSpy busy(w()->document(), &document::SketchDocument::busyChanged);
  ASSERT_TRUE(open(writePhoto(dir_, "wide.png", 640, 480)));
  ASSERT_GE(busy.count(), 2);
  EXPECT_TRUE(busy.first().at(0).toBool());  // busy from the pick ...
  EXPECT_FALSE(busy.last().at(0).toBool());  // ... until the pass has run
  EXPECT_TRUE(plate()->isVisible());
  EXPECT_TRUE(plate()->isEnabled());
  EXPECT_FALSE(find<platform::ActivityIndicator>("busyIndicator")->isVisible());
  EXPECT_FALSE(find<QLabel>("emptyHint")->isVisible());
  EXPECT_EQ(find<QLabel>("photoLabel")->text(), QStringLiteral("wide.png  640 \u00d7 480 px"));
  EXPECT_EQ(model()->painting()->orgimgview()->image().size(), QSize(640, 480));
  // The plate is the picture fitted into the canvas, centred.
  EXPECT_TRUE(
      same(model()->plate()->baseviewFrame(), canvas::fitRect(QRectF(plate()->rect()), QSizeF(640, 480))));
  // The brush follows the slider as in every layout: a fifth of value x width.
  EXPECT_FLOAT_EQ(model()->painting()->linesize(), 64.0f);

  // While the next photo is prepared the canvas waits and the indicator shows.
  ASSERT_TRUE(w()->document()->pickPhotoFile(writePhoto(dir_, "tall.png", 300, 400)));
  EXPECT_TRUE(find<platform::ActivityIndicator>("busyIndicator")->isVisible());
  EXPECT_TRUE(find<platform::ActivityIndicator>("busyIndicator")->isAnimating());
  EXPECT_FALSE(plate()->isEnabled());
  EXPECT_FALSE(action("save")->isEnabled());
  QSignalSpy done(w()->document(), &document::SketchDocument::renderPassFinished);
  ASSERT_TRUE(done.wait(20000));
  EXPECT_TRUE(plate()->isEnabled());
  EXPECT_FALSE(find<platform::ActivityIndicator>("busyIndicator")->isVisible());
}

// Nothing to wait for on the desktop: the photo chosen in the Open dialog is
// rendered in the event loop's next turn, not after the phone's half second.
TEST_F(DesktopTest, AChosenPhotoRendersInTheEventLoopsNextTurn) {
  start();
  QSignalSpy picked(w()->document(), &document::SketchDocument::photoPicked);
  QSignalSpy done(w()->document(), &document::SketchDocument::renderPassFinished);
  key(Qt::CTRL | Qt::Key_O);
  auto* dialog = w()->findChild<QFileDialog*>();
  ASSERT_TRUE(dialog && dialog->isVisible());
  auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
  ASSERT_NE(name, nullptr);
  name->setText(writePhoto(dir_, "p.png", 640, 480));
  QTest::keyClick(name, Qt::Key_Return);
  for (int turn = 0; turn < 3 && picked.isEmpty(); ++turn) QCoreApplication::processEvents();
  ASSERT_EQ(picked.count(), 1);
  QCoreApplication::processEvents();
  ASSERT_EQ(done.count(), 1);
  EXPECT_TRUE(done.last().at(0).toBool());
  EXPECT_TRUE(model()->touchesActive());
}

TEST_F(DesktopTest, ResizeKeepsZoomAndCentreAndFitAndActualPixelsSetExactFrames) {
  start(QSize(1280, 800));
  ASSERT_TRUE(open(writePhoto(dir_, "p.png", 640, 480)));
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
  const double dpr = plate()->devicePixelRatioF();
  EXPECT_NEAR(pictureOnScreen().width(), 640.0 / dpr, 1e-3);
  EXPECT_NEAR(pictureOnScreen().height(), 480.0 / dpr, 1e-3);
  // A picture smaller than the canvas is centred in it.
  EXPECT_NEAR(pictureOnScreen().center().x(), plate()->width() / 2.0, 1e-3);
  EXPECT_EQ(find<QLabel>("zoomLabel")->text(), QStringLiteral("Zoom 100%"));
  // Zooming out stops at the fit or at the actual pixels, whichever is smaller
  // (here the photo is smaller than the window), centred.
  for (int i = 0; i < 8; ++i) key(Qt::CTRL | Qt::Key_Minus);
  const QSizeF actual(640.0 / dpr, 480.0 / dpr);
  EXPECT_TRUE(
      same(model()->plate()->baseviewFrame(),
           QRectF(QPointF((plate()->width() - actual.width()) / 2, (plate()->height() - actual.height()) / 2),
                  actual)));
}

TEST_F(DesktopTest, BrushKeysModesUndoRedoAndCompare) {
  start();
  ASSERT_TRUE(open(writePhoto(dir_, "p.png", 640, 480)));
  const QRectF picture = pictureOnScreen();
  const QPoint a = picture.topLeft().toPoint() + QPoint(int(picture.width() / 4), int(picture.height() / 2));
  const QPoint b = a + QPoint(int(picture.width() / 2), 0);
  EXPECT_FALSE(action("undo")->isEnabled());
  stroke(a, b);
  EXPECT_GT(model()->painting()->history().currentstep(), 0);
  EXPECT_TRUE(action("undo")->isEnabled());
  EXPECT_FALSE(action("redo")->isEnabled());
  // The work image is cleared under the stroke: photo A shows there.
  const QPointF mid = pictureAt((a + b) / 2);
  EXPECT_EQ(qAlpha(model()->painting()->workimgview()->image().pixel(mid.toPoint())), 0);
  key(Qt::CTRL | Qt::Key_Z);
  EXPECT_EQ(model()->painting()->history().currentstep(), 0);
  EXPECT_FALSE(action("undo")->isEnabled());
  EXPECT_TRUE(action("redo")->isEnabled());
  key(Qt::CTRL | Qt::Key_Y);
  EXPECT_GT(model()->painting()->history().currentstep(), 0);
  EXPECT_FALSE(action("redo")->isEnabled());

  key(Qt::Key_B);
  EXPECT_EQ(model()->painting()->brushMode(), canvas::BrushMode::B);
  EXPECT_TRUE(action("brushB")->isChecked());
  EXPECT_FALSE(action("brushA")->isChecked());
  // Photo A stays under the work image, and the history stays: brush B paints
  // the sketch back, and undo runs across the switch.
  EXPECT_FALSE(model()->painting()->orgimgview()->isHidden());
  EXPECT_TRUE(action("undo")->isEnabled());
  EXPECT_EQ(action("undo")->text(), "&Undo Stroke");
  stroke(a + QPoint(20, 0), b - QPoint(20, 0));
  EXPECT_EQ(model()->painting()->workimgview()->image().pixel(mid.toPoint()),
            model()->painting()->sketchimgview()->image().pixel(mid.toPoint()));
  key(Qt::CTRL | Qt::Key_Z);
  EXPECT_EQ(qAlpha(model()->painting()->workimgview()->image().pixel(mid.toPoint())), 0);
  key(Qt::Key_A);
  EXPECT_EQ(model()->painting()->brushMode(), canvas::BrushMode::A);
  EXPECT_TRUE(action("brushA")->isChecked());

  key(Qt::Key_BracketRight);
  EXPECT_EQ(find<QSlider>("brushSize")->value(), 55);
  EXPECT_FLOAT_EQ(model()->painting()->linesize(), 70.4f);  // 0.55 x 640 / 5
  EXPECT_EQ(find<QLabel>("brushLabel")->text(), QStringLiteral("Brush 70 px"));
  key(Qt::Key_BracketLeft);
  key(Qt::Key_BracketLeft);
  EXPECT_EQ(find<QSlider>("brushSize")->value(), 45);

  // Compare: photo A alone while the key (or the toolbar button) is held.
  const QPoint untouched = picture.topLeft().toPoint() + QPoint(int(picture.width() / 2), 5);
  auto shown = [&] { return plate()->grab().toImage().pixel(untouched * 1); };
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

TEST_F(DesktopTest, PromptsWaitForTheStrokeAndForEachOtherAndForDialogs) {
  auto& defaults = platform::UserDefaults::standardUserDefaults();
  defaults.setBoolForKey(false, "helphint");  // a first start: help, then more apps, then the rating
  defaults.setBoolForKey(false, "rated");
  defaults.setIntegerForKey(0, "more_times");
  start();
  ASSERT_TRUE(open(writePhoto(dir_, "p.png", 640, 480)));
  auto moreDialog = [this]() -> QDialog* {
    for (QDialog* dialog : w()->findChildren<QDialog*>())
      if (dialog->windowTitle() == "More Apps" && dialog->isVisible()) return dialog;
    return nullptr;
  };
  const QPoint at = pictureOnScreen().center().toPoint();
  QTest::mousePress(plate(), Qt::LeftButton, {}, at);
  QTest::mouseMove(plate(), at + QPoint(20, 0));
  clock_.advance(90000);  // all three fall due during the stroke
  QTest::qWait(50);
  EXPECT_TRUE(platform::AlertView::visibleAlerts().isEmpty());
  EXPECT_EQ(moreDialog(), nullptr);
  QTest::mouseRelease(plate(), Qt::LeftButton, {}, at + QPoint(20, 0));
  QCoreApplication::processEvents();
  // At the release the first prompt; each next one once the one before is answered.
  auto alerts = platform::AlertView::visibleAlerts();
  ASSERT_EQ(alerts.size(), 1);
  EXPECT_EQ(alerts[0]->title(), QStringLiteral("How to"));
  EXPECT_EQ(alerts[0]->message(), platform::localizedString("HelpTextDesktop"));
  EXPECT_EQ(moreDialog(), nullptr);
  QTest::mouseClick(alerts[0]->messageBox()->buttons().first(), Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([&] { return moreDialog() != nullptr; }, 5000));
  EXPECT_TRUE(platform::AlertView::visibleAlerts().isEmpty());
  QTest::keyClick(moreDialog(), Qt::Key_Escape);  // closing it counts as "Next time"
  EXPECT_EQ(defaults.integerForKey("more_times"), 1);
  ASSERT_TRUE(QTest::qWaitFor(
      [] {
        return platform::AlertView::visibleAlerts().size() == 1 &&
               platform::AlertView::visibleAlerts()[0]->title() == "Rate?";
      },
      5000));
  EXPECT_EQ(moreDialog(), nullptr);
  alerts = platform::AlertView::visibleAlerts();
  // Window-modal over the main window and no larger than it.
  EXPECT_EQ(alerts[0]->messageBox()->windowModality(), Qt::WindowModal);
  EXPECT_EQ(alerts[0]->messageBox()->parentWidget(), w());
  EXPECT_TRUE(defaults.boolForKey("helphint"));
  alerts[0]->messageBox()->reject();
  QCoreApplication::processEvents();
  QApplication::setActiveWindow(w());

  // Due while a dialog is up (here the question before opening, the stroke
  // changed the painting): it waits for the dialog.
  key(Qt::CTRL | Qt::Key_O);
  QMessageBox* dialog = openQuestion();
  ASSERT_NE(dialog, nullptr);
  clock_.advance(300000);  // the more-apps dialog's next showing
  QTest::qWait(50);
  EXPECT_EQ(moreDialog(), nullptr);
  EXPECT_TRUE(platform::AlertView::visibleAlerts().isEmpty());
  dialog->reject();
  ASSERT_TRUE(QTest::qWaitFor([&] { return moreDialog() != nullptr; }, 5000));
  EXPECT_EQ(w()->findChild<QFileDialog*>(), nullptr);  // Cancel opened nothing else
}

TEST_F(DesktopTest, SaveNamesTheFileInTheStatusBarAndRestoresTheGeometryNextTime) {
  start(QSize(1000, 700));
  ASSERT_TRUE(open(writePhoto(dir_, "p.png", 320, 240)));
  QSignalSpy saved(w()->document(), &document::SketchDocument::saveFinished);
  action("saveToPictures")->trigger();
  ASSERT_TRUE(waitCount(saved, 1));
  ASSERT_TRUE(saved.first().at(0).toBool());
  const QString path = saved.first().at(1).toString();
  EXPECT_EQ(QImage(path).size(), QSize(320, 240));
  EXPECT_TRUE(platform::AlertView::visibleAlerts().isEmpty());  // no alert for a save that worked
  EXPECT_TRUE(find<QWidget>("savedNote")->isVisible());
  EXPECT_TRUE(find<QWidget>("savedNote")->findChild<QLabel*>()->text().contains(QFileInfo(path).fileName()));
  QList<QUrl> opened;
  platform::setUrlOpener([&opened](const QUrl& url) { return opened << url, true; });
  QTest::mouseClick(find<QWidget>("savedNote")->findChild<QPushButton*>("showInFolder"), Qt::LeftButton);
  platform::setUrlOpener({});
  ASSERT_EQ(opened.size(), 1);
  EXPECT_EQ(opened.first(), QUrl::fromLocalFile(QFileInfo(path).absolutePath()));

  w()->resize(1100, 750);
  QAction* panel = w()->findChild<QAction*>("showStyles");
  ASSERT_NE(panel, nullptr);
  panel->trigger();  // View > Styles Panel: the dock goes
  EXPECT_TRUE(stylePanel()->isHidden());
  w()->close();
  start(std::nullopt);  // a new start: the last geometry and dock layout come back
  EXPECT_EQ(w()->size(), QSize(1100, 750));
  EXPECT_TRUE(stylePanel()->isHidden());
  EXPECT_FALSE(w()->findChild<QAction*>("showStyles")->isChecked());
}

}  // namespace
