// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's prompts, help, alerts and dialogs, driven with real events: the help, rating and
// more-apps moments as strips above the canvas that take no focus and no key, their answers in the
// stored settings, the Help menu's windows, the alerts' width, the file dialogs' titles and
// columns, and Show in Folder when no file manager answers.
#include <QHeaderView>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTreeView>

#include "DesktopFixture.h"
#include "desktop/ShowInFolder.h"
#include "promo/UIGotoMoreView.h"

namespace {

using namespace desktop_test;

const QUrl kRatingLink("appstream://" VORLANE_APP_ID);

class DesktopPromptsTest : public DesktopTest {
 protected:
  void TearDown() override {
    platform::setUrlOpener({});
    desktop::setShowItemCall({});
    DesktopTest::TearDown();
  }
  platform::UserDefaults& defaults() { return platform::UserDefaults::standardUserDefaults(); }
  // A first run: every moment falls due.
  void firstRun() {
    defaults().setBoolForKey(false, "helphint");
    defaults().setBoolForKey(false, "rated");
    defaults().setIntegerForKey(0, "more_times");
  }
  QFrame* strip(const char* name) { return find<QFrame>(name); }
  void click(const char* button) {
    QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton);
    QCoreApplication::processEvents();
  }
  // The strips' buttons that show, by name.
  QStringList offered() {
    QStringList names;
    for (QPushButton* button : find<QWidget>("promptStrips")->findChildren<QPushButton*>())
      if (button->isVisible()) names << button->objectName();
    return names;
  }
  QDialog* visibleDialog(const QString& title) {
    for (QDialog* dialog : w()->findChildren<QDialog*>())
      if (dialog->isVisible() && dialog->windowTitle() == title) return dialog;
    return nullptr;
  }
  QList<QUrl> opened_;
  void captureLinks() {
    platform::setUrlOpener([this](const QUrl& url) { return opened_ << url, true; });
  }
};

TEST_F(DesktopPromptsTest, DueMomentsWaitForTheStrokeThenShowAsStripsAboveTheCanvasThatTakeNoFocusOrKey) {
  firstRun();
  startWith(640, 480);
  const QPoint at = pictureOnScreen().center().toPoint();
  QTest::mousePress(plate(), Qt::LeftButton, {}, at);
  QTest::mouseMove(plate(), at + QPoint(20, 0));
  clock_.advance(90000);  // help, more apps and the rating fall due during the stroke
  QCoreApplication::processEvents();
  EXPECT_EQ(offered(), QStringList());
  QWidget* const focused = QApplication::focusWidget();  // the canvas, clicked into
  QTest::mouseRelease(plate(), Qt::LeftButton, {}, at + QPoint(20, 0));
  QCoreApplication::processEvents();
  EXPECT_EQ(offered(), QStringList({"showHelp", "dismissHelp", "rateIt", "moreApps", "notNow"}));
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_TRUE(platform::AlertView::visibleAlerts().isEmpty());
  EXPECT_EQ(QApplication::focusWidget(), focused);
  // Above the canvas, not over it.
  const QRect canvas(plate()->mapToGlobal(QPoint(0, 0)), plate()->size());
  for (const char* name : {"helpStrip", "promoStrip"})
    EXPECT_FALSE(QRect(strip(name)->mapToGlobal(QPoint(0, 0)), strip(name)->size()).intersects(canvas))
        << name;

  // Keys go where the focus is: Right and Return choose a style, [ a smaller brush, Escape nothing.
  sketchList()->setFocus();
  const int style = doc()->currenttype();
  const float brush = painting()->linesize();
  QSignalSpy rendered(doc(), &document::SketchDocument::renderPassFinished);
  QTest::keyClick(sketchList(), Qt::Key_Right);
  QTest::keyClick(sketchList(), Qt::Key_Return);
  QTest::keyClick(sketchList(), Qt::Key_Escape);
  ASSERT_TRUE(waitCount(rendered, 1));
  key(Qt::Key_BracketLeft);
  EXPECT_EQ(doc()->currenttype(), style + 1);
  EXPECT_LT(painting()->linesize(), brush);
  EXPECT_EQ(QApplication::focusWidget(), sketchList());
  EXPECT_EQ(offered().size(), 5);
  EXPECT_FALSE(defaults().boolForKey("helphint"));
  EXPECT_FALSE(defaults().boolForKey("rated"));
  EXPECT_EQ(defaults().integerForKey("more_times"), 0);
  click("dismissHelp");  // a click on a strip leaves the focus where it was
  EXPECT_EQ(QApplication::focusWidget(), sketchList());
}

TEST_F(DesktopPromptsTest, StripAnswersKeepTheStoredKeysMeaningWhatTheyMeanOnThePhone) {
  firstRun();
  captureLinks();
  start();
  clock_.advance(90000);
  QCoreApplication::processEvents();
  click("dismissHelp");  // declined: not offered again
  EXPECT_TRUE(defaults().boolForKey("helphint"));
  EXPECT_EQ(visibleDialog("Vorlane Help"), nullptr);
  click("notNow");  // the rating's "No" and the more-apps dialog's "Next time"
  EXPECT_FALSE(defaults().boolForKey("rated"));
  EXPECT_EQ(defaults().integerForKey("more_times"), 1);
  EXPECT_TRUE(strip("promoStrip")->isHidden());
  clock_.advance(300000);  // more apps again; the rating is asked once a run
  QCoreApplication::processEvents();
  EXPECT_EQ(offered(), QStringList({"moreApps", "notNow"}));
  click("moreApps");
  QDialog* more = visibleDialog("More Apps");
  ASSERT_NE(more, nullptr);
  EXPECT_EQ(QApplication::activeModalWidget(), more);  // asked for: modal
  EXPECT_EQ(offered(), QStringList());
  QTest::keyClick(more, Qt::Key_Escape);  // its "Next time"
  EXPECT_EQ(defaults().integerForKey("more_times"), 2);
  EXPECT_TRUE(opened_.isEmpty());

  defaults().setBoolForKey(false, "helphint");
  start();  // the next run
  clock_.advance(90000);
  QCoreApplication::processEvents();
  click("showHelp");
  EXPECT_TRUE(defaults().boolForKey("helphint"));
  ASSERT_NE(visibleDialog("Vorlane Help"), nullptr);
  click("rateIt");
  EXPECT_TRUE(defaults().boolForKey("rated"));
  EXPECT_EQ(opened_, QList<QUrl>{kRatingLink});
  EXPECT_EQ(offered(), QStringList({"moreApps", "notNow"}));
  click("moreApps");
  QTest::mouseClick(visibleDialog("More Apps")->findChild<promo::UIGotoMoreView*>()->getbtn(),
                    Qt::LeftButton);
  EXPECT_EQ(defaults().integerForKey("more_times"), 3);  // "Get it" on the entry shown: the next entry
  EXPECT_EQ(opened_.last(), QUrl("https://www.gimp.org/"));
  EXPECT_EQ(visibleDialog("More Apps"), nullptr);
  EXPECT_EQ(offered(), QStringList());
}

TEST_F(DesktopPromptsTest, TheHelpMenuOpensHelpBesideTheWorkAndTheDialogsOnDemandAndAlertsAreWide) {
  defaults().setBoolForKey(false, "rated");
  captureLinks();
  startWith(640, 480);
  key(Qt::Key_F1);
  key(Qt::Key_F1);
  const QList<QDialog*> help = w()->findChildren<QDialog*>("helpWindow");
  ASSERT_EQ(help.size(), 1);
  EXPECT_TRUE(help[0]->isVisible());
  EXPECT_EQ(help[0]->windowModality(), Qt::NonModal);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_TRUE(help[0]->findChild<QTextBrowser*>()->toPlainText().startsWith(
      platform::localizedString("HelpTextDesktop").section('\n', 0, 0)));
  help[0]->close();

  // Rated from the menu before the moment came: the moment asks nothing.
  action("rate")->trigger();
  const QList<platform::AlertView*> alerts = platform::AlertView::visibleAlerts();
  ASSERT_EQ(alerts.size(), 1);
  QMessageBox* rate = alerts[0]->messageBox();
  EXPECT_EQ(QApplication::activeModalWidget(), rate);
  EXPECT_GE(rate->width(), 360);
  // The phone's alerts (no width set) keep their own: as narrow as their title.
  QWidget phone;
  phone.show();
  auto* narrow = new platform::AlertView(alerts[0]->title(), alerts[0]->message(), nullptr, "No", {"Yes"});
  narrow->show(&phone);
  EXPECT_LT(narrow->messageBox()->width(), 360);
  narrow->messageBox()->reject();
  for (QAbstractButton* button : rate->buttons())
    if (button->text() == "Yes") QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_TRUE(defaults().boolForKey("rated"));
  EXPECT_EQ(opened_, QList<QUrl>{kRatingLink});
  clock_.advance(90000);
  QCoreApplication::processEvents();
  EXPECT_TRUE(strip("promoStrip")->isHidden());

  // Every entry has had its turns (the fixture's counter): the first entry again, not an empty page.
  action("moreApps")->trigger();
  QDialog* more = visibleDialog("More Apps");
  ASSERT_NE(more, nullptr);
  EXPECT_EQ(more->findChild<promo::UIGotoMoreView*>()->title()->text(), "GIMP");
  more->reject();
  EXPECT_EQ(defaults().integerForKey("more_times"), 1000001);
}

TEST_F(DesktopPromptsTest, FileDialogsAreNamedForWhatTheyDoAndShowTheirColumns) {
  startWith(320, 240);
  // Open starts in the photo's folder, which holds p.png.
  for (auto [keys, title, photoFolder] :
       std::initializer_list<std::tuple<QKeyCombination, const char*, bool>>{
           {Qt::CTRL | Qt::Key_O, "Open Photo", true},
           {Qt::CTRL | Qt::SHIFT | Qt::Key_S, "Save Painting", false},
           {Qt::CTRL | Qt::Key_E, "Export Picture", false}}) {
    key(keys);
    QFileDialog* dialog = nullptr;
    for (QFileDialog* open : w()->findChildren<QFileDialog*>())
      if (open->isVisible()) dialog = open;
    ASSERT_NE(dialog, nullptr) << title;
    EXPECT_EQ(dialog->windowTitle(), title);
    EXPECT_GE(dialog->width(), 800) << title;
    EXPECT_GE(dialog->height(), 500) << title;
    // The type ("PNG image", not "PN…ge") and the date show whole.
    auto* tree = dialog->findChild<QTreeView*>("treeView");
    const QAbstractItemView* list = tree;
    const auto whole = [tree, list] {
      return tree->model()->rowCount(tree->rootIndex()) > 0 &&
             tree->header()->sectionSize(2) >= list->sizeHintForColumn(2) &&
             tree->header()->sectionSize(3) >= list->sizeHintForColumn(3);
    };
    if (photoFolder) {
      EXPECT_TRUE(QTest::qWaitFor(whole)) << title;
    }
    dialog->reject();
    dialogClosed();
  }
}

TEST_F(DesktopPromptsTest, ShowInFolderFallsBackToTheFoldersHandlerAndSaysWhenNothingAnswered) {
  startWith(320, 240);
  QSignalSpy saved(doc(), &document::SketchDocument::saveFinished);
  action("saveToPictures")->trigger();
  ASSERT_TRUE(waitCount(saved, 1));
  const QString path = saved.first().at(1).toString();
  const QString folder = QFileInfo(path).absolutePath();
  for (auto [fileManager, handler, handed, message] :
       std::initializer_list<std::tuple<bool, bool, bool, QString>>{
           {true, true, false, ""},
           {false, true, true, ""},
           {false, false, true,
            "No file manager could show the folder " + QDir::toNativeSeparators(folder)}}) {
    QStringList asked;
    desktop::setShowItemCall([&](const QString& file, QObject*, std::function<void(bool)> answered) {
      asked << file;
      answered(fileManager);
    });
    QList<QUrl> opened;
    platform::setUrlOpener([&](const QUrl& url) { return opened << url, handler; });
    w()->statusBar()->clearMessage();
    QTest::mouseClick(find<QPushButton>("showInFolder"), Qt::LeftButton);
    EXPECT_EQ(asked, QStringList{path});
    EXPECT_EQ(opened, handed ? QList<QUrl>{QUrl::fromLocalFile(folder)} : QList<QUrl>{}) << fileManager;
    EXPECT_EQ(w()->statusBar()->currentMessage(), message) << fileManager << handler;
  }
  QFile::remove(path);
}

}  // namespace
