// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop window's style panel and files, driven with real events: the bundled thumbnails,
// choosing styles by mouse and keys, the question before a changed painting is given up
// (every trigger, every answer), Export, Open Recent and the folders the dialogs remember.
#include <QComboBox>
#include <QFileOpenEvent>
#include <QImageReader>
#include <QMenu>
#include <QMimeData>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSpinBox>
#include <functional>

#include "DesktopFixture.h"
#include "document/PaintingFile.h"
#include "platform/widgets/CameraCapture.h"

namespace {

using namespace desktop_test;

QString album() { return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) + "/Vorlane"; }
QStringList albumFiles() { return QDir(album()).entryList({"*.png"}, QDir::Files); }
QStringList filesIn(const QString& dir) { return QDir(dir).entryList(QDir::Files | QDir::Hidden); }

class DesktopFilesTest : public DesktopTest {
 protected:
  void SetUp() override {
    DesktopTest::SetUp();
    QFile::remove(album());
    QDir(album()).removeRecursively();
  }
  void TearDown() override {
    if (QMessageBox* box = window_ ? openQuestion() : nullptr) box->reject();
    QFile::remove(album());
    DesktopTest::TearDown();
  }
  // The file dialog of that name, when it is up.
  QFileDialog* fileDialog(const char* name) {
    QCoreApplication::processEvents();
    auto* dialog = w()->findChild<QFileDialog*>(name);
    return dialog && dialog->isVisible() ? dialog : nullptr;
  }
  void acceptSaveDialog(QFileDialog* dialog, const QString& path) {
    ASSERT_NE(dialog, nullptr);
    choose(dialog, path);
    dialogClosed();
  }
  // Ctrl+E, a look at the dialog, the name typed (none: the suggestion kept), then the size (and,
  // for a JPEG, the quality offered and the one given) answered in the Export Picture question.
  ::testing::AssertionResult exportAs(const QString& name, int quality = 0, int offered = 92,
                                      const std::function<void(QFileDialog*)>& look = {},
                                      const char* size = "sizeWorking") {
    dialogClosed();
    key(Qt::CTRL | Qt::Key_E);
    QFileDialog* dialog = fileDialog("exportDialog");
    if (!dialog) return ::testing::AssertionFailure() << "no dialog";
    folder_ = dialog->directory().absolutePath();
    if (look) look(dialog);
    if (!name.isEmpty()) dialog->findChild<QLineEdit*>("fileNameEdit")->setText(name);
    QTest::keyClick(dialog->findChild<QLineEdit*>("fileNameEdit"), Qt::Key_Return);
    QCoreApplication::processEvents();
    auto* ask = w()->findChild<QDialog*>("exportOptions");
    if (!ask || !ask->isVisible()) return ::testing::AssertionFailure() << "no options asked";
    auto* jpegQuality = ask->findChild<QSpinBox*>("jpegQuality");
    if (jpegQuality->isVisibleTo(ask) != (quality != 0) || (quality && jpegQuality->value() != offered))
      return ::testing::AssertionFailure() << "the quality asked " << jpegQuality->value();
    if (quality) jpegQuality->setValue(quality);
    QTest::mouseClick(ask->findChild<QRadioButton*>(size), Qt::LeftButton);
    QTest::keyClick(ask, Qt::Key_Return);
    dialogClosed();
    return ::testing::AssertionSuccess();
  }
  // A stroke across the middle of the picture: the painting is changed.
  void paint() {
    const QPoint mid = pictureOnScreen().center().toPoint();
    stroke(mid - QPoint(60, 0), mid + QPoint(60, 0));
    ASSERT_TRUE(doc()->isModified());
  }
  QMessageBox* question() {
    QCoreApplication::processEvents();
    return openQuestion();
  }
  void answer(QMessageBox::StandardButton button) {
    QMessageBox* box = question();
    ASSERT_NE(box, nullptr);
    QTest::mouseClick(box->button(button), Qt::LeftButton);
    QCoreApplication::processEvents();
    QApplication::setActiveWindow(w());
  }
  // Drags path over the window and drops it there; false when the window refuses it.
  bool drop(const QString& path) {
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &mime, Qt::LeftButton, {});
    enter.setAccepted(false);
    QCoreApplication::sendEvent(w(), &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent event(QPointF(300, 300), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QCoreApplication::sendEvent(w(), &event);
    return true;
  }
  // "Open with" reaching the running application.
  void openWith(const QString& path) {
    QFileOpenEvent event(path);
    QCoreApplication::sendEvent(qApp, &event);
  }
  void clickRow(QListWidget* list, int row) {
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
  }
  // The photos Open Recent offers, the latest first.
  QStringList recentPhotos() {
    QStringList paths;
    for (QAction* entry : find<QMenu>("recent")->actions())
      if (!entry->isSeparator() && entry->objectName() != "clearRecent")
        paths << QDir::fromNativeSeparators(entry->statusTip());
    return paths;
  }
  QAction* recentEntry(const QString& text) {
    for (QAction* entry : find<QMenu>("recent")->actions())
      if (entry->text().endsWith(text)) return entry;
    return nullptr;
  }
  // Marks the render passes so far; the next wait is for a pass after the mark, which may have
  // ended while the events of a click were being handled.
  void markPasses() {
    if (!passes_) passes_ = std::make_unique<QSignalSpy>(doc(), &document::SketchDocument::renderPassFinished);
    marked_ = passes_->count();
  }
  bool waitForRender() {
    if (!passes_) markPasses();
    if (passes_->count() == marked_ && !passes_->wait(20000)) return false;
    marked_ = passes_->count();
    return passes_->last().at(0).toBool();
  }
  int selectedRow(QListWidget* list) {
    const QList<QListWidgetItem*> items = list->selectedItems();
    return items.size() == 1 ? list->row(items.first()) : -1;
  }
  std::unique_ptr<QSignalSpy> passes_;
  qsizetype marked_ = 0;
  QString folder_;  // where the last export dialog opened
};

TEST_F(DesktopFilesTest, StyleListsNameEveryStyleAndShowTheChoiceInForce) {
  start();
  desktop::StylePanel* panel = stylePanel();
  // Named rows; the bundled sample's thumbnails before any photo.
  QStringList names;
  for (int row = 0; row < sketchList()->count(); ++row) names << sketchList()->item(row)->text();
  EXPECT_EQ(names, QStringList({"Photo", "Pencil", "Sharp Pencil", "Outline", "Chalk", "Relief", "Emboss",
                                "Deboss"}));
  EXPECT_EQ(colourList()->count(), 8);
  for (int row = 0; row < 8; ++row)
    EXPECT_EQ(panel->thumbnail(row), platform::imageWithContentsOfFile(QString("sketchtype%1.jpg").arg(row)));
  EXPECT_EQ(selectedRow(sketchList()), 1);  // first start: the first style
  EXPECT_EQ(selectedRow(colourList()), 0);
  ASSERT_TRUE(open(writePhoto(dir_, "s.png", 400, 300)));

  // A click applies at once: one render pass, with the stored numbers.
  QSignalSpy passes(doc(), &document::SketchDocument::renderPassFinished);
  clickRow(sketchList(), 3);
  ASSERT_TRUE(waitCount(passes, 1));
  QTest::qWait(document::SketchDocument::kRenderDelayMs + 100);  // no second pass follows
  EXPECT_EQ(passes.count(), 1);
  EXPECT_EQ(doc()->currenttype(), 3);
  EXPECT_EQ(platform::UserDefaults::standardUserDefaults().integerForKey("currenttype"), 3);
  EXPECT_EQ(selectedRow(sketchList()), 3);
  // The arrow keys move the focus only (through the grid's three columns); Enter chooses.
  colourList()->setFocus();
  QTest::keyClick(colourList(), Qt::Key_Down);
  EXPECT_EQ(colourList()->currentRow(), 3);
  QTest::keyClick(colourList(), Qt::Key_Up);
  QTest::keyClick(colourList(), Qt::Key_Right);
  QTest::keyClick(colourList(), Qt::Key_Right);
  EXPECT_EQ(colourList()->currentRow(), 2);
  EXPECT_EQ(selectedRow(colourList()), 0);
  EXPECT_EQ(doc()->currentAtype(), 0);
  QTest::keyClick(colourList(), Qt::Key_Return);
  ASSERT_TRUE(waitCount(passes, 2));
  EXPECT_EQ(passes.count(), 2);
  EXPECT_EQ(doc()->currentAtype(), 2);
  EXPECT_EQ(platform::UserDefaults::standardUserDefaults().integerForKey("currentAtype"), 2);
  EXPECT_EQ(selectedRow(colourList()), 2);
  // The choice in force is drawn in the window's highlight whether or not its list has the focus.
  EXPECT_EQ(sketchList()->palette().color(QPalette::Inactive, QPalette::Highlight),
            w()->palette().color(QPalette::Active, QPalette::Highlight));
}

// What each trigger is, the words of its question, and whether it went on.
struct Trigger {
  const char* name;
  QString before;
  std::function<void()> fire;
  std::function<bool()> wentOn;
};

class QuestionTest : public DesktopFilesTest {
 protected:
  void SetUp() override {
    DesktopFilesTest::SetUp();
    other_ = writePhoto(dir_, "other.png", 200, 300);
    QSettings(platform::UserDefaults::storageFile(), QSettings::IniFormat)
        .setValue("desktop/recentPhotos", QStringList{other_});
    startWith(320, 240);
  }
  QList<Trigger> triggers() {
    auto opened = [this] { return waitForRender() && doc()->photoName() == "other.png"; };
    QList<Trigger> list{
        {"open", "opening another photo", [this] { key(Qt::CTRL | Qt::Key_O); },
         [this] {
           auto* dialog = w()->findChild<QFileDialog*>();
           const bool shown = dialog && dialog->isVisible();
           if (dialog) dialog->reject();
           dialogClosed();
           return shown;
         }},
        {"drop", "opening other.png", [this] { EXPECT_TRUE(drop(other_)); }, opened},
        {"open with", "opening other.png", [this] { openWith(other_); }, opened},
        {"recent", "opening other.png",
         [this] {
           QAction* entry = recentEntry("other.png");
           ASSERT_NE(entry, nullptr);
           entry->trigger();
         },
         opened},
        {"quit", "quitting", [this] { key(Qt::CTRL | Qt::Key_Q); }, [this] { return !w()->isVisible(); }},
    };
    // Only where a camera is attached (never on a build machine): its view opens.
    if (platform::CameraCapture::isAvailable())
      list.insert(1, {"take photo", "taking a photo", [this] { action("takePhoto")->trigger(); }, [this] {
                        auto* camera = w()->findChild<platform::CameraCapture*>();
                        const bool shown = camera && camera->isVisible();
                        if (camera) camera->deleteLater();
                        return shown;
                      }});
    return list;
  }
  QString other_;
};

TEST_F(QuestionTest, NoQuestionWhileNothingChanged) {
  for (const Trigger& t : triggers()) {
    SCOPED_TRACE(t.name);
    markPasses();
    t.fire();
    EXPECT_EQ(question(), nullptr);
    EXPECT_TRUE(t.wentOn());
  }
}

TEST_F(QuestionTest, CancelChangesNothingAndDiscardGoesOnWithoutSaving) {
  paint();
  const QImage painting = model()->renderFinalPicture();
  for (const Trigger& t : triggers()) {
    SCOPED_TRACE(t.name);
    t.fire();
    QMessageBox* box = question();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), QString("Save changes to the painting before %1?").arg(t.before));
    EXPECT_EQ(QStringList({box->button(QMessageBox::Save)->text(), box->button(QMessageBox::Discard)->text(),
                           box->button(QMessageBox::Cancel)->text()}),
              QStringList({"Save", "Discard", "Cancel"}));
    EXPECT_EQ(box->windowModality(), Qt::WindowModal);
    answer(QMessageBox::Cancel);
    QTest::qWait(20);
    EXPECT_EQ(question(), nullptr);
    EXPECT_TRUE(w()->isVisible());
    EXPECT_EQ(w()->findChild<QFileDialog*>(), nullptr);
    EXPECT_EQ(doc()->photoName(), "p.png");
    EXPECT_EQ(std::tuple(doc()->currenttype(), doc()->currentAtype(), selectedRow(sketchList()),
                         selectedRow(colourList())),
              std::tuple(1, 0, 1, 0));
    EXPECT_TRUE(doc()->isModified());
    EXPECT_EQ(model()->renderFinalPicture(), painting);
  }
  for (const Trigger& t : triggers()) {
    SCOPED_TRACE(t.name);
    if (!doc()->isModified()) paint();
    markPasses();
    t.fire();
    answer(QMessageBox::Discard);
    EXPECT_TRUE(t.wentOn());
  }
  EXPECT_TRUE(albumFiles().isEmpty());
}

TEST_F(QuestionTest, SaveSavesTheDocumentThenGoesOn) {
  for (const Trigger& t : triggers()) {
    SCOPED_TRACE(t.name);
    if (!doc()->isModified()) paint();
    const int steps = doc()->paintingRecord().undoPosition;
    QSignalSpy saved(doc(), &document::SketchDocument::saveFinished);
    markPasses();
    t.fire();
    QString path = doc()->documentPath();
    answer(QMessageBox::Save);
    if (path.isEmpty()) {
      // A painting without a document asks for its name first: the photo's, in the photo's folder.
      QFileDialog* dialog = fileDialog("saveAsDialog");
      ASSERT_NE(dialog, nullptr);
      EXPECT_EQ(dialog->directory().absolutePath(), QDir(dir_.path()).absolutePath());
      EXPECT_EQ(dialog->findChild<QLineEdit*>("fileNameEdit")->text(),
                QFileInfo(doc()->photoName()).completeBaseName() + ".vorlane");
      path = dir_.filePath(QString("%1.vorlane").arg(t.name).replace(' ', '-'));
      acceptSaveDialog(dialog, path);
    } else {
      EXPECT_EQ(fileDialog("saveAsDialog"), nullptr);  // a document with a name is saved without asking
    }
    ASSERT_TRUE(waitCount(saved, 1));
    ASSERT_TRUE(saved.first().at(0).toBool()) << saved.first().at(1).toString().toStdString();
    EXPECT_TRUE(t.wentOn());
    const std::optional<document::PaintingRecord> record = document::readPaintingFile(path);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->undoPosition, steps);
    EXPECT_TRUE(albumFiles().isEmpty());
  }
}

TEST_F(QuestionTest, AFailedSaveIsShownThenTheQuestionComesBack) {
  paint();
  QFile blocker(dir_.filePath("blocker"));  // a folder that cannot be: a file has its name
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  QSignalSpy saved(doc(), &document::SketchDocument::saveFinished);
  key(Qt::CTRL | Qt::Key_Q);
  answer(QMessageBox::Save);
  acceptSaveDialog(fileDialog("saveAsDialog"), dir_.filePath("blocker/p.vorlane"));
  ASSERT_TRUE(waitCount(saved, 1));
  EXPECT_FALSE(saved.first().at(0).toBool());
  const auto alerts = platform::AlertView::visibleAlerts();
  ASSERT_EQ(alerts.size(), 1);
  EXPECT_EQ(alerts.first()->title(), "Painting Not Saved");
  EXPECT_TRUE(alerts.first()->message().startsWith("The painting could not be saved as p.vorlane: "))
      << alerts.first()->message().toStdString();
  EXPECT_EQ(question(), nullptr);  // not before the reason has been read
  EXPECT_TRUE(w()->isVisible());
  QTest::mouseClick(alerts.first()->messageBox()->buttons().first(), Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([this] { return question() != nullptr; }, 5000));
  EXPECT_EQ(question()->text(), "Save changes to the painting before quitting?");
  EXPECT_TRUE(doc()->isModified());
  EXPECT_TRUE(w()->isVisible());
  // A name that can be written: this time the save goes through and the window closes.
  answer(QMessageBox::Save);
  acceptSaveDialog(fileDialog("saveAsDialog"), dir_.filePath("p.vorlane"));
  ASSERT_TRUE(waitCount(saved, 2));
  EXPECT_TRUE(saved.last().at(0).toBool());
  EXPECT_FALSE(w()->isVisible());
  EXPECT_TRUE(document::readPaintingFile(dir_.filePath("p.vorlane")).has_value());
}

TEST_F(QuestionTest, StrokesDuringTheAnswersSaveAreAskedForAgainAndOtherTriggersWait) {
  paint();
  QSignalSpy saved(doc(), &document::SketchDocument::saveFinished);
  key(Qt::CTRL | Qt::Key_Q);
  answer(QMessageBox::Save);
  // Right after the name is given, while the file is written: another stroke, and another trigger.
  QFileDialog* dialog = fileDialog("saveAsDialog");
  ASSERT_NE(dialog, nullptr);
  bool during = false, refused = false;
  QObject::connect(dialog, &QFileDialog::fileSelected, [&] {
    during = saved.isEmpty();
    const QPoint mid = pictureOnScreen().center().toPoint();
    stroke(mid + QPoint(-40, 30), mid + QPoint(40, 30));
    refused = !drop(other_);
  });
  acceptSaveDialog(dialog, dir_.filePath("p.vorlane"));
  EXPECT_TRUE(during);
  EXPECT_TRUE(refused);  // no drop while the answer is carried out
  ASSERT_TRUE(waitCount(saved, 1));
  EXPECT_TRUE(saved.first().at(0).toBool());
  // The saved file lacks the last stroke: the question comes back before quitting.
  QMessageBox* again = question();
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->text(), "Save changes to the painting before quitting?");
  EXPECT_TRUE(w()->isVisible());
  EXPECT_EQ(doc()->photoName(), "p.png");
  answer(QMessageBox::Save);  // the document has its name now: written without asking
  ASSERT_TRUE(waitCount(saved, 2));
  EXPECT_FALSE(w()->isVisible());
  const std::optional<document::PaintingRecord> record = document::readPaintingFile(dir_.filePath("p.vorlane"));
  ASSERT_TRUE(record);
  EXPECT_EQ(record->steps.size(), 2u);
}

TEST_F(QuestionTest, AnotherStyleNeverAsksAndKeepsThePainting) {
  paint();
  const std::vector<canvas::StrokeSegment> strokes = painting()->history().steps();
  markPasses();
  clickRow(sketchList(), 4);
  EXPECT_EQ(question(), nullptr);
  ASSERT_TRUE(waitForRender());
  markPasses();
  colourList()->setFocus();
  colourList()->setCurrentRow(5, QItemSelectionModel::NoUpdate);
  QTest::keyClick(colourList(), Qt::Key_Return);
  EXPECT_EQ(question(), nullptr);
  ASSERT_TRUE(waitForRender());
  EXPECT_EQ(std::pair(doc()->currenttype(), doc()->currentAtype()), std::pair(4, 5));
  EXPECT_EQ(painting()->history().steps(), strokes);
  EXPECT_EQ(doc()->paintingRecord().steps.size(), 3u);
  EXPECT_TRUE(doc()->isModified());
  EXPECT_EQ(action("undo")->text(), "&Undo Style Change");
}

// "Open with" waits for an open dialog to close, and for a stroke to end; then they come in
// order (the first asks, the second replaces it before its render: the last one handed over shows).
TEST_F(QuestionTest, OpenWithWaitsForAnOpenDialogToClose) {
  key(Qt::CTRL | Qt::Key_O);
  auto* dialog = w()->findChild<QFileDialog*>();
  ASSERT_TRUE(dialog && dialog->isVisible());
  markPasses();
  openWith(other_);
  QTest::qWait(document::SketchDocument::kRenderDelayMs + 300);
  EXPECT_EQ(doc()->photoName(), "p.png");  // not under the dialog
  dialog->reject();
  ASSERT_TRUE(waitForRender());
  EXPECT_EQ(doc()->photoName(), "other.png");
  QApplication::setActiveWindow(w());
  const QString third = writePhoto(dir_, "third.png", 90, 60);
  const QPoint at = pictureOnScreen().center().toPoint();
  QTest::mousePress(plate(), Qt::LeftButton, {}, at);
  QTest::mouseMove(plate(), at + QPoint(10, 0));
  markPasses();
  openWith(third);
  openWith(other_);
  QTest::qWait(document::SketchDocument::kRenderDelayMs + 300);
  EXPECT_EQ(doc()->photoName(), "other.png");
  EXPECT_EQ(passes_->count(), marked_);
  QTest::mouseRelease(plate(), Qt::LeftButton, {}, at + QPoint(10, 0));
  // The stroke changed the painting: the first photo's question comes, the second waits for it.
  ASSERT_TRUE(QTest::qWaitFor([this] { return question() != nullptr; }, 5000));
  EXPECT_EQ(question()->text(), "Save changes to the painting before opening third.png?");
  answer(QMessageBox::Discard);
  ASSERT_TRUE(waitForRender());
  EXPECT_EQ(doc()->photoName(), "other.png");
  EXPECT_EQ(recentPhotos().mid(0, 2), QStringList({other_, QFileInfo(third).absoluteFilePath()}));
}

TEST_F(DesktopFilesTest, ExportWritesPngOrJpegAtTheWorkingSizeAndRemembersItsFolder) {
  startWith(320, 240);
  paint();
  EXPECT_TRUE(w()->isWindowModified());
  QSignalSpy done(doc(), &document::SketchDocument::saveFinished);
  int saves = 0;
  const auto written = [&] {
    ++saves;
    if (!waitCount(done, saves)) return QString("no save");
    return (done.at(saves - 1).at(0).toBool() ? "" : "failed: ") + done.at(saves - 1).at(1).toString();
  };
  // The first time in the album, with the name Save would give; the suggestion follows the type.
  QString suggested;
  ASSERT_TRUE(exportAs({}, 0, 92, [&](QFileDialog* dialog) {
    EXPECT_EQ(dialog->directory().absolutePath(), QDir(album()).absolutePath());
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    auto* type = dialog->findChild<QComboBox*>("fileTypeCombo");
    suggested = name->text();
    QTest::keyClick(type, Qt::Key_Down);
    EXPECT_EQ(name->text(), suggested.chopped(4) + ".jpg");
    QTest::keyClick(type, Qt::Key_Up);
    EXPECT_EQ(name->text(), suggested);
  }));
  EXPECT_TRUE(
      QRegularExpression(R"(^Vorlane \d{4}-\d\d-\d\d \d\d-\d\d-\d\d\.png$)").match(suggested).hasMatch())
      << suggested.toStdString();
  EXPECT_EQ(QFileInfo(written()).fileName(), suggested);
  EXPECT_EQ(albumFiles(), QStringList{suggested});
  EXPECT_TRUE(doc()->isModified());  // a picture written elsewhere is not the document saved
  EXPECT_TRUE(w()->isWindowModified());

  paint();
  const QImage painting = model()->renderFinalPicture();
  const QString mine = dir_.filePath("mine");
  ASSERT_TRUE(QDir().mkpath(mine));
  ASSERT_TRUE(exportAs(mine + "/one.png"));
  const QString png = written();
  EXPECT_EQ(QImageReader(png).format(), "png");
  EXPECT_EQ(QImage(png).convertToFormat(painting.format()), painting);
  EXPECT_TRUE(find<QWidget>("savedNote")->isVisible());
  // Next time the dialog opens where the last picture went; the last quality given is offered.
  ASSERT_TRUE(exportAs("two.jpg", 40));
  EXPECT_EQ(folder_, QDir(mine).absolutePath());
  const QString jpeg = written();
  EXPECT_EQ(jpeg, QDir(mine).absoluteFilePath("two.jpg"));
  EXPECT_EQ(QImageReader(jpeg).format(), "jpeg");
  EXPECT_EQ(QImageReader(jpeg).size(), QSize(320, 240));
  ASSERT_TRUE(exportAs("four", 95, 40, [](QFileDialog* dialog) {  // without a suffix: the chosen type's
    QTest::keyClick(dialog->findChild<QComboBox*>("fileTypeCombo"), Qt::Key_Down);
  }));
  const QString typeless = written();
  EXPECT_EQ(typeless, QDir(mine).absoluteFilePath("four.jpg"));
  EXPECT_EQ(QImageReader(typeless).format(), "jpeg");
  EXPECT_LT(QFileInfo(jpeg).size() * 3 / 2, QFileInfo(typeless).size());  // quality 40 against 95
  // Export Again writes the last file again, without asking: the new stroke is in it.
  paint();
  const QDateTime before = QFileInfo(typeless).lastModified();
  QTest::qWait(20);
  dialogClosed();
  key(Qt::CTRL | Qt::SHIFT | Qt::Key_E);
  EXPECT_EQ(written(), typeless);
  EXPECT_EQ(w()->findChild<QFileDialog*>("exportDialog"), nullptr);
  EXPECT_GT(QFileInfo(typeless).lastModified(), before);
  // Another format is refused with the reason, and nothing is written.
  ASSERT_TRUE(exportAs("three.bmp"));
  EXPECT_EQ(written(), "failed: a picture can be saved as PNG (.png) or JPEG (.jpg) only");
  const auto alerts = platform::AlertView::visibleAlerts();
  ASSERT_EQ(alerts.size(), 1);
  EXPECT_EQ(alerts.first()->title(), "Image Not Saved");
  EXPECT_EQ(
      alerts.first()->message(),
      "The image could not be saved as three.bmp: a picture can be saved as PNG (.png) or JPEG (.jpg) only.");
  EXPECT_EQ(filesIn(mine), QStringList({"four.jpg", "one.png", "two.jpg"}));
}

TEST_F(DesktopFilesTest, APaintingSavedWithCtrlSComesBackByDropOpenRecentAndOpenWith) {
  startWith(320, 240);
  paint();
  key(Qt::Key_B);
  const QPoint mid = pictureOnScreen().center().toPoint();
  stroke(mid + QPoint(0, -40), mid + QPoint(0, 40));
  const QImage painted = model()->renderFinalPicture();
  const int inEffect = painting()->history().currentstep();
  QSignalSpy saved(doc(), &document::SketchDocument::saveFinished);
  key(Qt::CTRL | Qt::Key_S);
  acceptSaveDialog(fileDialog("saveAsDialog"), dir_.filePath("p.vorlane"));
  ASSERT_TRUE(waitCount(saved, 1));
  const QString path = QFileInfo(dir_.filePath("p.vorlane")).absoluteFilePath();
  EXPECT_EQ(w()->windowTitle(), QString::fromUtf8("p.vorlane[*] \u2014 Vorlane"));
  EXPECT_FALSE(w()->isWindowModified());
  paint();  // a second Ctrl+S saves to the same file without asking
  const int allSegments = painting()->history().count();
  key(Qt::CTRL | Qt::Key_S);
  EXPECT_EQ(fileDialog("saveAsDialog"), nullptr);
  ASSERT_TRUE(waitCount(saved, 2));
  EXPECT_EQ(saved.last().at(1).toString(), path);
  key(Qt::CTRL | Qt::Key_Z);  // back to the painting as first saved; the undo is a change
  EXPECT_TRUE(doc()->isModified());
  key(Qt::CTRL | Qt::Key_S);
  ASSERT_TRUE(waitCount(saved, 3));

  for (const std::function<void()>& how : std::initializer_list<std::function<void()>>{
           [&] { EXPECT_TRUE(drop(path)); }, [&] { recentEntry("p.vorlane")->trigger(); },
           [&] { openWith(path); }}) {
    markPasses();
    ASSERT_TRUE(open(writePhoto(dir_, "q.png", 200, 300)));
    EXPECT_EQ(doc()->documentPath(), QString());
    markPasses();
    how();
    ASSERT_TRUE(waitForRender());
    EXPECT_EQ(doc()->documentPath(), path);
    EXPECT_EQ(recentPhotos().value(0), path);
    EXPECT_EQ(model()->renderFinalPicture(), painted);
    EXPECT_EQ(painting()->history().count(), allSegments);  // the undone stroke too
    EXPECT_EQ(painting()->history().currentstep(), inEffect);
    EXPECT_TRUE(action("redo")->isEnabled());
    EXPECT_FALSE(doc()->isModified());
  }
}

TEST_F(DesktopFilesTest, ExportAtThePhotosOwnSizeRunsAsideAndCancelWritesNothing) {
  startWith(2560, 1920, "big.png");  // the working size is 1280 x 960
  paint();
  QSignalSpy finished(doc(), &document::SketchDocument::exportFinished);
  const QString full = dir_.filePath("full.png");
  ASSERT_TRUE(exportAs(full, 0, 92, {}, "sizeFull"));
  // Aside: the status bar shows it, the canvas stays free, and a second export waits.
  EXPECT_TRUE(find<QWidget>("exportNote")->isVisible());
  EXPECT_FALSE(action("export")->isEnabled());
  EXPECT_TRUE(plate()->isEnabled());
  ASSERT_TRUE(waitCount(finished, 1, 60000));
  EXPECT_TRUE(finished.last().at(0).toBool()) << finished.last().at(1).toString().toStdString();
  EXPECT_EQ(QImageReader(full).size(), QSize(2560, 1920));
  EXPECT_FALSE(find<QWidget>("exportNote")->isVisible());
  EXPECT_TRUE(action("export")->isEnabled());
  // The export looks like the canvas: reduced to the working size it is close to it.
  const QImage reduced = QImage(full).scaled(1280, 960, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                             .convertToFormat(QImage::Format_RGB32);
  const QImage shown = model()->renderFinalPicture().convertToFormat(QImage::Format_RGB32);
  double diff = 0;
  for (int y = 0; y < 960; y += 4)
    for (int x = 0; x < 1280; x += 4) diff += std::abs(qGray(reduced.pixel(x, y)) - qGray(shown.pixel(x, y)));
  EXPECT_LT(diff / (320.0 * 240.0), 12.0);

  // The question says what it writes; cancelled at once, nothing is written.
  dialogClosed();
  key(Qt::CTRL | Qt::Key_E);
  choose(fileDialog("exportDialog"), dir_.filePath("cancelled.png"));
  QCoreApplication::processEvents();
  auto* ask = w()->findChild<QDialog*>("exportOptions");
  ASSERT_TRUE(ask && ask->isVisible());
  EXPECT_EQ(ask->findChild<QRadioButton*>("sizeFull")->text(),
            QString::fromUtf8("The &photo's own size (2560 \u00d7 1920)"));
  QTest::mouseClick(ask->findChild<QRadioButton*>("sizeFull"), Qt::LeftButton);
  EXPECT_EQ(ask->findChild<QLabel*>("exportResult")->text(),
            QString::fromUtf8("Writes 2560 \u00d7 1920 pixels as PNG."));
  QTest::keyClick(ask, Qt::Key_Return);
  dialogClosed();
  QTest::mouseClick(find<QWidget>("exportNote")->findChild<QPushButton*>("cancelExport"), Qt::LeftButton);
  ASSERT_TRUE(waitCount(finished, 2, 60000));
  EXPECT_FALSE(finished.last().at(0).toBool());
  EXPECT_TRUE(finished.last().at(2).toBool());
  EXPECT_TRUE(platform::AlertView::visibleAlerts().isEmpty());  // a cancel is no failure
  EXPECT_EQ(filesIn(dir_.path()).filter(QRegularExpression("cancelled|\\.part")), QStringList());
}

TEST_F(DesktopFilesTest, ATimeLapseIsWrittenWithTheLengthAndSizeAsked) {
  startWith(320, 240);
  paint();
  QSignalSpy finished(doc(), &document::SketchDocument::exportFinished);
  action("exportTimelapse")->trigger();
  QFileDialog* dialog = fileDialog("timelapseDialog");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->findChild<QLineEdit*>("fileNameEdit")->text(), "p time-lapse.mp4");
  const QString path = dir_.filePath("film.mp4");
  choose(dialog, path);
  QCoreApplication::processEvents();
  auto* ask = w()->findChild<QDialog*>("timelapseOptions");
  ASSERT_TRUE(ask && ask->isVisible());
  auto* side = ask->findChild<QSpinBox*>("longerSide");
  EXPECT_EQ(side->value(), 320);  // at most the photo's own size
  EXPECT_EQ(side->maximum(), 320);
  ask->findChild<QSpinBox*>("duration")->setValue(3);
  side->setValue(161);
  EXPECT_EQ(
      ask->findChild<QLabel*>("timelapseResult")->text(),
      QString::fromUtf8("Writes 160 \u00d7 120 pixels, 3 s at 30 frames a second, as H.264 video (MP4)."));
  QTest::keyClick(ask, Qt::Key_Return);
  ASSERT_TRUE(waitCount(finished, 1, 60000));
  ASSERT_TRUE(finished.last().at(0).toBool()) << finished.last().at(1).toString().toStdString();
  QFile film(path);
  ASSERT_TRUE(film.open(QIODevice::ReadOnly));
  EXPECT_EQ(film.read(8).mid(4), "ftyp");  // an MP4's first box
}

TEST_F(DesktopFilesTest, OpenRecentKeepsTheLastTenLatestFirstAndDropsMissingOnes) {
  QStringList seeded;
  for (int i = 0; i < 10; ++i) seeded << writePhoto(dir_, QString("r%1.png").arg(i), 40 + i, 30);
  QSettings(platform::UserDefaults::storageFile(), QSettings::IniFormat)
      .setValue("desktop/recentPhotos", seeded);
  start();
  EXPECT_EQ(recentPhotos(), seeded);
  const QList<QAction*> entries = find<QMenu>("recent")->actions();
  ASSERT_EQ(entries.size(), 12);  // ten, a separator, Clear Menu
  EXPECT_EQ(entries.first()->text(), "&1  r0.png");
  EXPECT_EQ(entries.at(9)->text(), "1&0  r9.png");
  EXPECT_EQ(entries.last()->text(), "Clear Menu");
  // A new photo goes first and the oldest drops off; opening one again moves it up.
  const QString fresh = writePhoto(dir_, "fresh.png", 64, 48);
  ASSERT_TRUE(open(fresh));
  QStringList expected = QStringList{fresh} + seeded.mid(0, 9);
  EXPECT_EQ(recentPhotos(), expected);
  markPasses();
  recentEntry("r4.png")->trigger();
  ASSERT_TRUE(waitForRender());
  EXPECT_EQ(doc()->photoName(), "r4.png");
  expected.move(expected.indexOf(seeded.at(4)), 0);
  EXPECT_EQ(recentPhotos(), expected);
  // A missing photo: the usual alert, gone from the list, the painting kept without a question.
  paint();
  ASSERT_TRUE(QFile::remove(seeded.at(2)));
  recentEntry("r2.png")->trigger();
  EXPECT_EQ(question(), nullptr);
  const auto alerts = platform::AlertView::visibleAlerts();
  ASSERT_EQ(alerts.size(), 1);
  EXPECT_EQ(alerts.first()->title(), "Cannot Open Photo");
  EXPECT_EQ(alerts.first()->message(), "r2.png could not be opened: the file does not exist.");
  expected.removeAll(seeded.at(2));
  EXPECT_EQ(recentPhotos(), expected);
  EXPECT_EQ(doc()->photoName(), "r4.png");
  EXPECT_TRUE(doc()->isModified());
  alerts.first()->messageBox()->accept();
  recentEntry("Clear Menu")->trigger();
  EXPECT_TRUE(recentPhotos().isEmpty());
  EXPECT_FALSE(find<QMenu>("recent")->isEnabled());
}

TEST_F(DesktopFilesTest, TheOpenDialogStartsInTheFolderLastOpenedFromAcrossStarts) {
  const auto openedIn = [this] {
    key(Qt::CTRL | Qt::Key_O);
    auto* dialog = w()->findChild<QFileDialog*>();
    const QString folder = dialog ? dialog->directory().absolutePath() : "no dialog";
    if (dialog) dialog->reject();
    dialogClosed();
    return folder;
  };
  start();
  EXPECT_EQ(openedIn(),
            QDir(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)).absolutePath());
  ASSERT_TRUE(QDir().mkpath(dir_.filePath("trip")));
  ASSERT_TRUE(open(writePhoto(dir_, "trip/a.png", 64, 48)));
  w()->close();
  start();
  EXPECT_EQ(openedIn(), QDir(dir_.filePath("trip")).absolutePath());
}

}  // namespace
