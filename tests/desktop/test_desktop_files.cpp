// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop window's style panel and files, driven with real events: the
// thumbnails of the open photo, choosing styles by mouse and keys, the question
// before a changed painting is given up (every trigger, every answer), Export,
// Open Recent and the folders the dialogs remember.
#include <QComboBox>
#include <QFileOpenEvent>
#include <QImageReader>
#include <QProgressBar>
#include <QRadioButton>
#include <QSpinBox>
#include <QMenu>
#include <QMimeData>
#include <QRegularExpression>
#include <QSettings>
#include <cmath>
#include <functional>

#include "DesktopFixture.h"
#include "desktop/StylePanel.h"
#include "document/PaintingFile.h"
#include "document/SaveShare.h"
#include "document/StyleRenderer.h"
#include "document/StyleThumbnails.h"
#include "platform/widgets/CameraCapture.h"

namespace {

using namespace desktop_test;

QString album() {
  return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) + "/Vorlane";
}

QStringList albumFiles() {
  return QDir(album()).entryList({"*.png"}, QDir::Files);
}

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
  document::SketchDocument* doc() { return w()->document(); }
  // Answers the Export Picture question with the working size (or the given
  // choice); quality 0: the question must not ask one (a PNG).
  bool acceptOptions(int quality, int offered, const char* size = "sizeWorking") {
    QCoreApplication::processEvents();
    auto* ask = w()->findChild<QDialog*>("exportOptions");
    if (!ask || !ask->isVisible()) return false;
    auto* jpegQuality = ask->findChild<QSpinBox*>("jpegQuality");
    if (jpegQuality->isVisibleTo(ask) != (quality != 0)) return false;
    if (quality && jpegQuality->value() != offered) return false;
    if (quality) jpegQuality->setValue(quality);
    QTest::mouseClick(ask->findChild<QRadioButton*>(size), Qt::LeftButton);
    QTest::keyClick(ask, Qt::Key_Return);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::setActiveWindow(w());
    return true;
  }
  // The Save Painting dialog, when it is up.
  QFileDialog* saveDialog() {
    QCoreApplication::processEvents();
    auto* dialog = w()->findChild<QFileDialog*>("saveAsDialog");
    return dialog && dialog->isVisible() ? dialog : nullptr;
  }
  void acceptSaveDialog(QFileDialog* dialog, const QString& path) {
    ASSERT_NE(dialog, nullptr);
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    name->setText(path);
    QTest::keyClick(name, Qt::Key_Return);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::setActiveWindow(w());
  }
  // A stroke across the middle of the picture: the painting is changed.
  void paint() {
    const QPoint mid = pictureOnScreen().center().toPoint();
    stroke(mid - QPoint(60, 0), mid + QPoint(60, 0));
    ASSERT_TRUE(doc()->isModified());
  }
  std::unique_ptr<QSignalSpy> passes_;
  qsizetype marked_ = 0;
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
  QAction* recentEntry(const QString& fileName) {
    for (QAction* entry : find<QMenu>("recent")->actions())
      if (entry->text().endsWith(fileName)) return entry;
    return nullptr;
  }
  // Marks the render passes so far; the next wait is for a pass after the mark,
  // which may have ended while the events of a click were being handled.
  void markPasses() {
    if (!passes_)
      passes_ = std::make_unique<QSignalSpy>(doc(), &document::SketchDocument::renderPassFinished);
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
};

TEST_F(DesktopFilesTest, StyleListsShowThePhotoInEveryStyleAndTheChoiceInForce) {
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

  // A photo with some structure, so that every style looks different.
  QImage photo(400, 300, QImage::Format_RGB32);
  for (int y = 0; y < 300; ++y)
    for (int x = 0; x < 400; ++x)
      photo.setPixel(x, y, qRgb(x * 255 / 400, y * 255 / 300, (x / 25 + y / 25) % 2 ? 30 : 220));
  ASSERT_TRUE(photo.save(dir_.filePath("s.png")));
  ASSERT_TRUE(open(dir_.filePath("s.png")));
  const QSize box = (QSizeF(desktop::StylePanel::kThumbnailBox) * panel->devicePixelRatioF()).toSize();
  const QImage small = document::StyleThumbnails::smallCopy(doc()->orgimg(), box);
  QList<QImage> expected{small};
  document::StyleRenderer renderer;
  renderer.setTextureName(doc()->textureName());
  for (int style = 1; style <= 7; ++style) {
    sketch::GrayPlane plane;
    expected << renderer.render(small, style, plane, nullptr).value_or(QImage());
  }
  ASSERT_TRUE(QTest::qWaitFor([&] { return panel->thumbnail(7) == expected.at(7); }, 10000));
  for (int row = 0; row < 8; ++row) EXPECT_EQ(panel->thumbnail(row), expected.at(row)) << row;

  // A click applies at once: one render pass, with the stored numbers.
  QSignalSpy passes(doc(), &document::SketchDocument::renderPassFinished);
  clickRow(sketchList(), 3);
  ASSERT_TRUE(waitCount(passes, 1));
  QTest::qWait(document::SketchDocument::kRenderDelayMs + 100);  // no second pass follows
  EXPECT_EQ(passes.count(), 1);
  EXPECT_EQ(doc()->currenttype(), 3);
  EXPECT_EQ(platform::UserDefaults::standardUserDefaults().integerForKey("currenttype"), 3);
  EXPECT_EQ(selectedRow(sketchList()), 3);
  // The arrow keys move the focus only; Enter chooses.
  colourList()->setFocus();
  QTest::keyClick(colourList(), Qt::Key_Down);
  QTest::keyClick(colourList(), Qt::Key_Down);
  EXPECT_EQ(colourList()->currentRow(), 2);
  EXPECT_EQ(selectedRow(colourList()), 0);
  EXPECT_EQ(doc()->currentAtype(), 0);
  QTest::keyClick(colourList(), Qt::Key_Return);
  ASSERT_TRUE(waitCount(passes, 2));
  EXPECT_EQ(passes.count(), 2);
  EXPECT_EQ(doc()->currentAtype(), 2);
  EXPECT_EQ(platform::UserDefaults::standardUserDefaults().integerForKey("currentAtype"), 2);
  EXPECT_EQ(selectedRow(colourList()), 2);
  // Photo A is the second style's rendering of the photo.
  sketch::GrayPlane plane;
  EXPECT_EQ(model()->painting()->orgimgview()->image(),
            renderer.render(doc()->orgimg(), 2, plane, nullptr).value());
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
  }
  QList<Trigger> triggers() {
    auto opened = [this] { return waitForRender() && doc()->photoName() == "other.png"; };
    QList<Trigger> list{
        {"open", "opening another photo", [this] { key(Qt::CTRL | Qt::Key_O); },
         [this] {
           auto* dialog = w()->findChild<QFileDialog*>();
           const bool shown = dialog && dialog->isVisible();
           if (dialog) dialog->reject();
           QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
           QApplication::setActiveWindow(w());
           return shown;
         }},
        {"drop", "opening other.png", [this] { EXPECT_TRUE(drop(other_)); }, opened},
        {"open with", "opening other.png", [this] { openWith(other_); }, opened},
        {"recent", "opening other.png", [this] { recentEntry("other.png")->trigger(); }, opened},
        {"quit", "quitting", [this] { key(Qt::CTRL | Qt::Key_Q); }, [this] { return !w()->isVisible(); }},
    };
    // Only where a camera is attached (never on a build machine): its view opens.
    if (platform::CameraCapture::isAvailable())
      list.insert(1, {"take photo", "taking a photo", [this] { action("takePhoto")->trigger(); },
                      [this] {
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
  start();
  ASSERT_TRUE(open(writePhoto(dir_, "p.png", 320, 240)));
  for (const Trigger& t : triggers()) {
    SCOPED_TRACE(t.name);
    if (QString(t.name) == "recent") {
      ASSERT_TRUE(recentEntry("other.png"));
    }
    markPasses();
    t.fire();
    EXPECT_EQ(question(), nullptr);
    EXPECT_TRUE(t.wentOn());
  }
}

TEST_F(QuestionTest, CancelChangesNothingAndDiscardGoesOnWithoutSaving) {
  start();
  ASSERT_TRUE(open(writePhoto(dir_, "p.png", 320, 240)));
  paint();
  const QImage painting = model()->renderFinalPicture();
  for (const Trigger& t : triggers()) {
    SCOPED_TRACE(t.name);
    t.fire();
    QMessageBox* box = question();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), QString("Save changes to the painting before %1?").arg(t.before));
    EXPECT_EQ(box->button(QMessageBox::Save)->text(), "Save");
    EXPECT_EQ(box->button(QMessageBox::Discard)->text(), "Discard");
    EXPECT_EQ(box->button(QMessageBox::Cancel)->text(), "Cancel");
    EXPECT_EQ(box->windowModality(), Qt::WindowModal);
    answer(QMessageBox::Cancel);
    QTest::qWait(20);
    EXPECT_EQ(question(), nullptr);
    EXPECT_TRUE(w()->isVisible());
    EXPECT_EQ(w()->findChild<QFileDialog*>(), nullptr);
    EXPECT_EQ(doc()->photoName(), "p.png");
    EXPECT_EQ(doc()->currenttype(), 1);
    EXPECT_EQ(doc()->currentAtype(), 0);
    EXPECT_EQ(selectedRow(sketchList()), 1);
    EXPECT_EQ(selectedRow(colourList()), 0);
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
  start();
  ASSERT_TRUE(open(writePhoto(dir_, "p.png", 320, 240)));
  for (const Trigger& t : triggers()) {
    SCOPED_TRACE(t.name);
    if (!doc()->isModified()) paint();
    const int steps = doc()->paintingRecord().undoPosition;
    QSignalSpy saved(doc(), &document::SketchDocument::saveFinished);
    markPasses();
    t.fire();
    const QString known = doc()->documentPath();
    answer(QMessageBox::Save);
    QString path = known;
    if (known.isEmpty()) {
      // A painting without a document asks for its name first: the photo's, in the photo's folder.
      auto* dialog = saveDialog();
      ASSERT_NE(dialog, nullptr);
      EXPECT_EQ(dialog->directory().absolutePath(), QDir(dir_.path()).absolutePath());
      EXPECT_EQ(dialog->findChild<QLineEdit*>("fileNameEdit")->text(),
                QFileInfo(doc()->photoName()).completeBaseName() + ".vorlane");
      path = dir_.filePath(QString("%1.vorlane").arg(t.name).replace(' ', '-'));
      acceptSaveDialog(dialog, path);
    } else {
      EXPECT_EQ(saveDialog(), nullptr);  // a document with a name is saved without asking
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
  start();
  ASSERT_TRUE(open(writePhoto(dir_, "p.png", 320, 240)));
  paint();
  // A folder that cannot be: a file has its name.
  QFile blocker(dir_.filePath("blocker"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  QSignalSpy saved(doc(), &document::SketchDocument::saveFinished);
  key(Qt::CTRL | Qt::Key_Q);
  answer(QMessageBox::Save);
  acceptSaveDialog(saveDialog(), dir_.filePath("blocker/p.vorlane"));
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
  acceptSaveDialog(saveDialog(), dir_.filePath("p.vorlane"));
  ASSERT_TRUE(waitCount(saved, 2));
  EXPECT_TRUE(saved.last().at(0).toBool());
  EXPECT_FALSE(w()->isVisible());
  EXPECT_TRUE(document::readPaintingFile(dir_.filePath("p.vorlane")).has_value());
}

TEST_F(QuestionTest, StrokesDuringTheAnswersSaveAreAskedForAgainAndOtherTriggersWait) {
  start();
  ASSERT_TRUE(open(writePhoto(dir_, "p.png", 320, 240)));
  paint();
  QSignalSpy saved(doc(), &document::SketchDocument::saveFinished);
  key(Qt::CTRL | Qt::Key_Q);
  ASSERT_NE(question(), nullptr);
  answer(QMessageBox::Save);
  // Right after the name is given, while the file is written: another stroke, and another trigger.
  auto* dialog = saveDialog();
  ASSERT_NE(dialog, nullptr);
  bool during = false;
  bool refused = false;
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
  // The document has its name now: Save writes it without asking.
  answer(QMessageBox::Save);
  ASSERT_TRUE(waitCount(saved, 2));
  EXPECT_FALSE(w()->isVisible());
  const std::optional<document::PaintingRecord> record = document::readPaintingFile(dir_.filePath("p.vorlane"));
  ASSERT_TRUE(record);
  EXPECT_EQ(record->steps.size(), 2u);
}

TEST_F(QuestionTest, AnotherStyleNeverAsksAndKeepsThePainting) {
  start();
  ASSERT_TRUE(open(writePhoto(dir_, "p.png", 320, 240)));
  paint();
  const std::vector<canvas::StrokeSegment> strokes = model()->painting()->history().steps();
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
  EXPECT_EQ(doc()->currenttype(), 4);
  EXPECT_EQ(doc()->currentAtype(), 5);
  EXPECT_EQ(model()->painting()->history().steps(), strokes);
  EXPECT_EQ(doc()->paintingRecord().steps.size(), 3u);
  EXPECT_TRUE(doc()->isModified());
  EXPECT_EQ(action("undo")->text(), "&Undo Style Change");
}

TEST_F(QuestionTest, OpenWithWaitsForAnOpenDialogToClose) {
  start();
  ASSERT_TRUE(open(writePhoto(dir_, "p.png", 320, 240)));
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
  // ... and for a stroke to end; then they come in order (the first asks, the
  // second replaces it before its render, so the last one handed over is shown).
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
  start();
  ASSERT_TRUE(open(writePhoto(dir_, "p.png", 320, 240)));
  paint();
  EXPECT_TRUE(w()->isWindowModified());
  auto saveAs = [this](const QString& typed, QString* folder, bool chooseJpeg = false, int quality = 0,
                       int offered = 92) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the last dialog
    QApplication::setActiveWindow(w());  // the window manager's part when a dialog closes
    QSignalSpy done(doc(), &document::SketchDocument::saveFinished);
    key(Qt::CTRL | Qt::Key_E);
    auto* dialog = w()->findChild<QFileDialog*>("exportDialog");
    if (!dialog || !dialog->isVisible()) return QString("no dialog");
    *folder = dialog->directory().absolutePath();
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    if (typed.isEmpty()) {  // the suggestion as it stands, after a look at JPEG
      auto* type = dialog->findChild<QComboBox*>("fileTypeCombo");
      const QString png = name->text();
      QTest::keyClick(type, Qt::Key_Down);
      const QString jpg = name->text();
      QTest::keyClick(type, Qt::Key_Up);
      if (!png.endsWith(".png") || jpg != png.chopped(4) + ".jpg" || name->text() != png)
        return QString("suggestion did not follow the type: %1, %2, %3").arg(png, jpg, name->text());
      const QString suggested = name->text();
      QTest::keyClick(name, Qt::Key_Return);
      if (!acceptOptions(0, 92)) return QString("no options asked");
      if (!waitCount(done, 1)) return QString("no save");
      return suggested;
    }
    if (chooseJpeg) QTest::keyClick(dialog->findChild<QComboBox*>("fileTypeCombo"), Qt::Key_Down);
    name->setText(typed);
    QTest::keyClick(name, Qt::Key_Return);
    // The size and, for a JPEG, the quality are asked next, offering the last ones given.
    if (!acceptOptions(quality, offered)) return QString("no options asked, or not as expected");
    if (!waitCount(done, 1)) return QString("no save");
    return done.first().at(0).toBool() ? done.first().at(1).toString()
                                       : "failed: " + done.first().at(1).toString();
  };
  QString folder;
  // The first time in the album, with the name Save would give.
  const QString suggested = saveAs({}, &folder);
  EXPECT_EQ(folder, QDir(album()).absolutePath());
  EXPECT_TRUE(
      QRegularExpression(R"(^Vorlane \d{4}-\d\d-\d\d \d\d-\d\d-\d\d\.png$)").match(suggested).hasMatch())
      << suggested.toStdString();
  EXPECT_EQ(albumFiles(), QStringList{suggested});
  // A picture written elsewhere is not the document saved.
  EXPECT_TRUE(doc()->isModified());
  EXPECT_TRUE(w()->isWindowModified());

  paint();
  const QImage painting = model()->renderFinalPicture();
  ASSERT_TRUE(QDir().mkpath(dir_.filePath("mine")));
  const QString png = saveAs(dir_.filePath("mine/one.png"), &folder);
  EXPECT_EQ(QImageReader(png).format(), "png");
  EXPECT_EQ(QImage(png).convertToFormat(painting.format()), painting);
  EXPECT_TRUE(find<QWidget>("savedNote")->isVisible());
  // Next time the dialog opens where the last picture went.
  const QString jpeg = saveAs("two.jpg", &folder, false, 40);
  EXPECT_EQ(folder, QDir(dir_.filePath("mine")).absolutePath());
  EXPECT_EQ(jpeg, QDir(dir_.filePath("mine")).absoluteFilePath("two.jpg"));
  QImageReader reader(jpeg);
  EXPECT_EQ(reader.format(), "jpeg");
  EXPECT_EQ(reader.size(), QSize(320, 240));
  // A name without a suffix gets the chosen type's.
  const QString typeless = saveAs("four", &folder, true, 95, 40);
  EXPECT_EQ(typeless, QDir(dir_.filePath("mine")).absoluteFilePath("four.jpg"));
  EXPECT_EQ(QImageReader(typeless).format(), "jpeg");
  // The quality asked for is the quality written: 40 makes a much smaller file than 95.
  EXPECT_LT(QFileInfo(jpeg).size() * 3 / 2, QFileInfo(typeless).size());
  // Export Again writes the last file again, without asking: the new stroke is in it.
  paint();
  const QDateTime written = QFileInfo(typeless).lastModified();
  QTest::qWait(20);
  QSignalSpy done(doc(), &document::SketchDocument::saveFinished);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the quality dialog
  QApplication::setActiveWindow(w());
  key(Qt::CTRL | Qt::SHIFT | Qt::Key_E);
  ASSERT_TRUE(waitCount(done, 1));
  EXPECT_EQ(done.first().at(1).toString(), typeless);
  EXPECT_EQ(w()->findChild<QFileDialog*>("exportDialog"), nullptr);
  EXPECT_GT(QFileInfo(typeless).lastModified(), written);
  // Another format is refused with the reason, and nothing is written.
  EXPECT_EQ(saveAs("three.bmp", &folder), "failed: a picture can be saved as PNG (.png) or JPEG (.jpg) only");
  const auto alerts = platform::AlertView::visibleAlerts();
  ASSERT_EQ(alerts.size(), 1);
  EXPECT_EQ(alerts.first()->title(), "Image Not Saved");
  EXPECT_EQ(
      alerts.first()->message(),
      "The image could not be saved as three.bmp: a picture can be saved as PNG (.png) or JPEG (.jpg) only.");
  EXPECT_FALSE(QFileInfo::exists(dir_.filePath("mine/three.bmp")));
  EXPECT_EQ(QDir(dir_.filePath("mine")).entryList(QDir::Files | QDir::Hidden),
            QStringList({"four.jpg", "one.png", "two.jpg"}));
}

TEST_F(DesktopFilesTest, APaintingSavedWithCtrlSComesBackByDropOpenRecentAndOpenWith) {
  start();
  ASSERT_TRUE(open(writePhoto(dir_, "p.png", 320, 240)));
  paint();
  key(Qt::Key_B);
  const QPoint mid = pictureOnScreen().center().toPoint();
  stroke(mid + QPoint(0, -40), mid + QPoint(0, 40));
  const QImage painted = model()->renderFinalPicture();
  const std::vector<canvas::StrokeSegment> strokes = model()->painting()->history().steps();
  QSignalSpy saved(doc(), &document::SketchDocument::saveFinished);
  key(Qt::CTRL | Qt::Key_S);
  acceptSaveDialog(saveDialog(), dir_.filePath("p.vorlane"));
  ASSERT_TRUE(waitCount(saved, 1));
  const QString path = QFileInfo(dir_.filePath("p.vorlane")).absoluteFilePath();
  EXPECT_EQ(w()->windowTitle(), QString::fromUtf8("p.vorlane[*] \u2014 Vorlane"));
  EXPECT_FALSE(w()->isWindowModified());
  // A second Ctrl+S saves to the same file without asking.
  paint();
  const int allSegments = model()->painting()->history().count();
  key(Qt::CTRL | Qt::Key_S);
  EXPECT_EQ(saveDialog(), nullptr);
  ASSERT_TRUE(waitCount(saved, 2));
  EXPECT_EQ(saved.last().at(1).toString(), path);
  key(Qt::CTRL | Qt::Key_Z);  // back to the painting as first saved; the undo is a change
  EXPECT_TRUE(doc()->isModified());
  key(Qt::CTRL | Qt::Key_S);
  ASSERT_TRUE(waitCount(saved, 3));

  auto reopen = [&](const std::function<void()>& how) {
    markPasses();
    ASSERT_TRUE(open(writePhoto(dir_, "q.png", 200, 300)));
    EXPECT_EQ(doc()->documentPath(), QString());
    markPasses();
    how();
    ASSERT_TRUE(waitForRender());
    EXPECT_EQ(doc()->documentPath(), path);
    EXPECT_EQ(model()->renderFinalPicture(), painted);
    EXPECT_EQ(model()->painting()->history().count(), allSegments);  // the undone stroke too
    EXPECT_EQ(model()->painting()->history().currentstep(), int(strokes.size()));
    EXPECT_TRUE(action("redo")->isEnabled());
    EXPECT_FALSE(doc()->isModified());
  };
  reopen([&] { EXPECT_TRUE(drop(path)); });
  EXPECT_EQ(recentPhotos().value(0), path);
  reopen([&] { recentEntry("p.vorlane")->trigger(); });
  reopen([&] { openWith(path); });
}

TEST_F(DesktopFilesTest, ExportAtThePhotosOwnSizeRunsAsideAndCancelWritesNothing) {
  start();
  ASSERT_TRUE(open(writePhoto(dir_, "big.png", 2560, 1920)));  // the working size is 1280 x 960
  paint();
  auto exportAs = [this](const QString& path, const char* size) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::setActiveWindow(w());
    key(Qt::CTRL | Qt::Key_E);
    auto* dialog = w()->findChild<QFileDialog*>("exportDialog");
    ASSERT_TRUE(dialog && dialog->isVisible());
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    name->setText(path);
    QTest::keyClick(name, Qt::Key_Return);
    QCoreApplication::processEvents();
    auto* ask = w()->findChild<QDialog*>("exportOptions");
    ASSERT_TRUE(ask && ask->isVisible());
    EXPECT_EQ(ask->findChild<QRadioButton*>("sizeFull")->text(), QString::fromUtf8("The &photo's own size (2560 \u00d7 1920)"));
    QTest::mouseClick(ask->findChild<QRadioButton*>(size), Qt::LeftButton);
    if (QByteArray(size) == "sizeFull") {
      EXPECT_EQ(ask->findChild<QLabel*>("exportResult")->text(), QString::fromUtf8("Writes 2560 \u00d7 1920 pixels as PNG."));
    }
    QTest::keyClick(ask, Qt::Key_Return);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::setActiveWindow(w());
  };
  QSignalSpy finished(doc(), &document::SketchDocument::exportFinished);
  const QString full = dir_.filePath("full.png");
  exportAs(full, "sizeFull");
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

  // Cancelled at once: nothing is written.
  const QString cancelled = dir_.filePath("cancelled.png");
  exportAs(cancelled, "sizeFull");
  QTest::mouseClick(find<QWidget>("exportNote")->findChild<QPushButton*>("cancelExport"), Qt::LeftButton);
  ASSERT_TRUE(waitCount(finished, 2, 60000));
  EXPECT_FALSE(finished.last().at(0).toBool());
  EXPECT_TRUE(finished.last().at(2).toBool());
  EXPECT_FALSE(QFileInfo::exists(cancelled));
  EXPECT_TRUE(platform::AlertView::visibleAlerts().isEmpty());  // a cancel is no failure
  EXPECT_EQ(QDir(dir_.path()).entryList({".*.part*", ".cancelled*"}, QDir::Files | QDir::Hidden), QStringList());
}

TEST_F(DesktopFilesTest, ATimeLapseIsWrittenWithTheLengthAndSizeAsked) {
  start();
  ASSERT_TRUE(open(writePhoto(dir_, "p.png", 320, 240)));
  paint();
  QSignalSpy finished(doc(), &document::SketchDocument::exportFinished);
  action("exportTimelapse")->trigger();
  auto* dialog = w()->findChild<QFileDialog*>("timelapseDialog");
  ASSERT_TRUE(dialog && dialog->isVisible());
  auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
  EXPECT_EQ(name->text(), "p time-lapse.mp4");
  const QString path = dir_.filePath("film.mp4");
  name->setText(path);
  QTest::keyClick(name, Qt::Key_Return);
  QCoreApplication::processEvents();
  auto* ask = w()->findChild<QDialog*>("timelapseOptions");
  ASSERT_TRUE(ask && ask->isVisible());
  auto* side = ask->findChild<QSpinBox*>("longerSide");
  EXPECT_EQ(side->value(), 320);  // at most the working size
  ask->findChild<QSpinBox*>("duration")->setValue(3);
  side->setValue(161);
  EXPECT_EQ(ask->findChild<QLabel*>("timelapseResult")->text(),
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
  EXPECT_EQ(recentEntry("r2.png"), nullptr);
  EXPECT_EQ(doc()->photoName(), "r4.png");
  EXPECT_TRUE(doc()->isModified());
  alerts.first()->messageBox()->accept();

  QAction* clear = nullptr;
  for (QAction* entry : find<QMenu>("recent")->actions())
    if (entry->objectName() == "clearRecent") clear = entry;
  ASSERT_NE(clear, nullptr);
  clear->trigger();
  EXPECT_TRUE(recentPhotos().isEmpty());
  EXPECT_FALSE(find<QMenu>("recent")->isEnabled());
}

TEST_F(DesktopFilesTest, TheOpenDialogStartsInTheFolderLastOpenedFrom) {
  start();
  key(Qt::CTRL | Qt::Key_O);
  auto* dialog = w()->findChild<QFileDialog*>();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->directory().absolutePath(),
            QDir(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)).absolutePath());
  dialog->reject();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QApplication::setActiveWindow(w());
  ASSERT_TRUE(QDir().mkpath(dir_.filePath("trip")));
  ASSERT_TRUE(open(writePhoto(dir_, "trip/a.png", 64, 48)));
  w()->close();
  start();  // remembered across starts
  key(Qt::CTRL | Qt::Key_O);
  dialog = w()->findChild<QFileDialog*>();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->directory().absolutePath(), QDir(dir_.filePath("trip")).absolutePath());
  dialog->reject();
}

}  // namespace
