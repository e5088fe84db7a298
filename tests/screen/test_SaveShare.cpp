// Save and Share: the picture delivered is the painting at the photo's size,
// the album file is written before the user is told, failures are reported,
// and the mail program or the mail link gets the picture.
#include <QDir>
#include <QImageReader>
#include <QStandardPaths>

#include "ScreenFixture.h"
#include "canvas/PlateView.h"
#include "platform/Desktop.h"
#include "platform/Paths.h"
#include "platform/PropertyList.h"
#include "platform/widgets/PictureButton.h"
#include "screen/SaveShare.h"

using namespace screen_test;

namespace {

QString albumPath() {
  return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) + QStringLiteral("/Vorlane");
}

QStringList albumFiles() {
  return QDir(albumPath()).entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
}

void writeText(const QString& path, const QByteArray& text) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text);
}

}  // namespace

class SaveShareTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    quietSettings();
    QFile::remove(albumPath());
    QDir(albumPath()).removeRecursively();
    path_ = qgetenv("PATH");
  }
  void TearDown() override {
    qputenv("PATH", path_);
    platform::setUrlOpener({});
    QFile::remove(albumPath());
    ScreenTest::TearDown();
  }

  VorlaneView* canvas() { return controller_->workview(); }

  // Starts the phone with a rendered 400 x 300 photo.
  void startWithPhoto() {
    startPhone();
    ASSERT_TRUE(pickAndRender(writePhoto(QStringLiteral("p.png"), 400, 300)));
    ASSERT_EQ(canvas()->orgimgview()->image().size(), QSize(400, 300));
  }

  // Where picture pixel p of the plate is on the canvas widget.
  QPoint canvasPoint(QPointF p) {
    const QSize size = canvas()->orgimgview()->image().size();
    const QRectF fit = canvas::PlateView::fitRect(canvas()->baseviewFrame(), QSizeF(size));
    const QPointF inPlate =
        fit.topLeft() + QPointF(p.x() * fit.width() / size.width(), p.y() * fit.height() / size.height());
    return canvas()->workview()->geometry().topLeft() + inPlate.toPoint();
  }

  void stroke(QPointF from, QPointF to) {
    const QPoint a = canvasPoint(from), b = canvasPoint(to);
    QTest::mousePress(canvas(), Qt::LeftButton, {}, a);
    for (int i = 1; i <= 4; ++i) QTest::mouseMove(canvas(), a + (b - a) * i / 4);
    QTest::mouseRelease(canvas(), Qt::LeftButton, {}, b);
    QCoreApplication::processEvents();
  }

  // Presses Save and waits for the outcome; the path (or reason) it reported.
  QString save(bool expectOk) {
    QSignalSpy done(controller_.get(), &screen::MainViewController::saveFinished);
    QTest::mouseClick(controller_->savebtn(), Qt::LeftButton);
    EXPECT_TRUE(done.count() == 1 || done.wait(20000));
    if (done.isEmpty()) return {};
    EXPECT_EQ(done.first().at(0).toBool(), expectOk) << done.first().at(1).toString().toStdString();
    return done.first().at(1).toString();
  }

  static platform::AlertView* onlyAlert() {
    const QList<platform::AlertView*> alerts = platform::AlertView::visibleAlerts();
    return alerts.size() == 1 ? alerts.first() : nullptr;
  }

  QByteArray path_;
};

TEST_F(SaveShareTest, SavedPictureIsThePaintingAtPhotoSizeWhateverTheZoom) {
  startWithPhoto();
  const QImage sketch = canvas()->sketchimgview()->image().copy();
  const QImage photoA = canvas()->orgimgview()->image().copy();
  stroke({100, 150}, {300, 150});
  ASSERT_GT(canvas()->currentstep(), 0);
  // Zoomed in and panned: the picture must not follow the view.
  const QRectF zoomed(-130, -60, 560, 750);
  canvas()->setBaseviewFrame(zoomed);

  const QString path = save(true);
  QImage saved(path);
  ASSERT_FALSE(saved.isNull()) << path.toStdString();
  EXPECT_EQ(saved.size(), QSize(400, 300));
  EXPECT_EQ(QFileInfo(path).dir().absolutePath(), QDir(albumPath()).absolutePath());
  // Under the stroke photo A, elsewhere photo B, pixel for pixel.
  for (const QPoint p : {QPoint(200, 150), QPoint(150, 151)}) {
    ASSERT_NE(photoA.pixel(p), sketch.pixel(p));
    EXPECT_EQ(saved.pixel(p), photoA.pixel(p)) << p.x() << "," << p.y();
  }
  for (const QPoint p : {QPoint(200, 20), QPoint(20, 280), QPoint(399, 299), QPoint(0, 0)})
    EXPECT_EQ(saved.pixel(p), sketch.pixel(p)) << p.x() << "," << p.y();
  EXPECT_EQ(canvas()->baseviewFrame(), zoomed);

  platform::AlertView* alert = onlyAlert();
  ASSERT_NE(alert, nullptr);
  EXPECT_EQ(alert->title(), QStringLiteral("Image Saved!"));
  EXPECT_EQ(alert->message(), QStringLiteral("The new image is saved to your album."));
  EXPECT_EQ(alert->buttonTitles(), QStringList{QStringLiteral("OK")});
}

TEST_F(SaveShareTest, BrushModeBShowsTheSketchWherePaintedWithPhotoAHidden) {
  startWithPhoto();
  const QImage sketch = canvas()->sketchimgview()->image().copy();
  const QImage photoA = canvas()->orgimgview()->image().copy();
  stroke({60, 150}, {340, 150});
  QTest::mouseClick(canvas()->Bbtn(), Qt::LeftButton);
  ASSERT_TRUE(canvas()->orgimgview()->isHidden());
  stroke({200, 40}, {200, 260});

  QImage saved(save(true));
  ASSERT_EQ(saved.size(), QSize(400, 300));
  EXPECT_EQ(saved.pixel(100, 150), photoA.pixel(100, 150));  // painted in mode A only
  for (const QPoint p : {QPoint(200, 150), QPoint(200, 60), QPoint(200, 250), QPoint(30, 30)}) {
    ASSERT_NE(photoA.pixel(p), sketch.pixel(p));
    EXPECT_EQ(saved.pixel(p), sketch.pixel(p)) << p.x() << "," << p.y();
  }
}

TEST_F(SaveShareTest, NothingToDeliverBeforeAPhoto) {
  auto* c = startPhone();
  QSignalSpy saved(c, &screen::MainViewController::saveFinished);
  QSignalSpy shared(c, &screen::MainViewController::shareHandedOn);
  const std::function<void()> commands[] = {
      [c] { QTest::mouseClick(c->savebtn(), Qt::LeftButton); },
      [c] { QTest::mouseClick(c->sharebtn(), Qt::LeftButton); },
      [c] {
        QApplication::setActiveWindow(c);  // the alerts before took the focus
        QTest::keyClick(c, Qt::Key_S, Qt::ControlModifier);
      },
  };
  for (const auto& command : commands) {
    SCOPED_TRACE(&command - commands);
    command();
    platform::AlertView* alert = onlyAlert();
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->title(), QStringLiteral("No Picture"));
    EXPECT_EQ(alert->message(), QStringLiteral("Load a photo first."));
    EXPECT_EQ(alert->buttonTitles(), QStringList{QStringLiteral("OK")});
    clickAlertButton(alert, QStringLiteral("OK"));
    EXPECT_TRUE(platform::AlertView::visibleAlerts().isEmpty());
  }
  QCoreApplication::processEvents();
  EXPECT_EQ(saved.count(), 0);
  EXPECT_EQ(shared.count(), 0);
  EXPECT_TRUE(albumFiles().isEmpty());
}

TEST_F(SaveShareTest, AFailedSaveSaysWhyAndLeavesThePainting) {
  startWithPhoto();
  stroke({100, 150}, {300, 150});
  const QImage work = canvas()->workimgview()->image().copy();
  const int step = canvas()->currentstep();
  // A file where the album folder should be: nothing can be written there.
  QDir().mkpath(QFileInfo(albumPath()).path());
  writeText(albumPath(), "not a folder");

  const QString reason = save(false);
  EXPECT_FALSE(reason.isEmpty());
  platform::AlertView* alert = onlyAlert();
  ASSERT_NE(alert, nullptr);
  EXPECT_EQ(alert->title(), QStringLiteral("Image Not Saved"));
  EXPECT_EQ(alert->message(), QStringLiteral("The image could not be saved to your album: %1.").arg(reason));
  EXPECT_EQ(alert->buttonTitles(), QStringList{QStringLiteral("OK")});
  EXPECT_EQ(canvas()->workimgview()->image(), work);
  EXPECT_EQ(canvas()->currentstep(), step);
  EXPECT_TRUE(QFileInfo(albumPath()).isFile());
}

TEST_F(SaveShareTest, QuickSavesNeverShareAFile) {
  startWithPhoto();
  QSignalSpy done(controller_.get(), &screen::MainViewController::saveFinished);
  QTest::keyClick(controller_.get(), Qt::Key_S, Qt::ControlModifier);
  QTest::mouseClick(controller_->savebtn(), Qt::LeftButton);
  for (int i = 0; i < 50 && done.count() < 2; ++i) done.wait(400);
  ASSERT_EQ(done.count(), 2);
  const QString first = done.at(0).at(1).toString(), second = done.at(1).at(1).toString();
  EXPECT_NE(first, second);
  EXPECT_EQ(albumFiles().size(), 2);
  for (const QString& path : {first, second}) EXPECT_EQ(QImage(path).size(), QSize(400, 300));
}

TEST(AlbumWriteTest, ATakenNameMovesOnAndIsNeverReplaced) {
  QTemporaryDir dir;
  const QImage picture = makePhoto(40, 30).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const QString base = screen::albumFileBaseName(QDateTime(QDate(2026, 12, 6), QTime(19, 30, 5)));
  ASSERT_EQ(base, QStringLiteral("Vorlane 2026-12-06 19-30-05"));
  const char* const expected[] = {"Vorlane 2026-12-06 19-30-05.png", "Vorlane 2026-12-06 19-30-05 (2).png",
                                  "Vorlane 2026-12-06 19-30-05 (3).png"};
  writeText(dir.filePath(QString::fromLatin1(expected[0])), "earlier");
  for (int i = 1; i < 3; ++i) {
    const screen::AlbumWrite written = screen::writeToAlbum(picture, dir.path(), base);
    ASSERT_TRUE(written.ok) << written.reason.toStdString();
    EXPECT_EQ(QFileInfo(written.path).fileName(), QString::fromLatin1(expected[i]));
    EXPECT_EQ(QImage(written.path).convertToFormat(QImage::Format_ARGB32_Premultiplied), picture);
  }
  QFile earlier(dir.filePath(QString::fromLatin1(expected[0])));
  ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
  EXPECT_EQ(earlier.readAll(), QByteArray("earlier"));
  // No temporary file is left behind.
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
}

TEST_F(SaveShareTest, ShareHandsAJpegNamedHeartToTheMailProgram) {
  startWithPhoto();
  // A stand-in mail program that writes down its arguments.
  QTemporaryDir bin;
  const QString record = bin.filePath(QStringLiteral("args.txt"));
  const QString script = bin.filePath(QStringLiteral("xdg-email"));
  writeText(
      script,
      QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1.tmp'\nmv '%1.tmp' '%1'\n").arg(record).toUtf8());
  QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  qputenv("PATH", bin.path().toUtf8() + ':' + path_);
  bool opened = false;
  platform::setUrlOpener([&opened](const QUrl&) { return opened = true; });

  QSignalSpy handed(controller_.get(), &screen::MainViewController::shareHandedOn);
  QTest::mouseClick(controller_->sharebtn(), Qt::LeftButton);
  ASSERT_TRUE(handed.wait(20000));
  QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 20000);
  QFile file(record);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QStringList args = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_EQ(args.size(), 6);
  EXPECT_EQ(args.mid(0, 5),
            (QStringList{QStringLiteral("--subject"), QStringLiteral("Hello!"), QStringLiteral("--body"),
                         QStringLiteral("Hello!"), QStringLiteral("--attach")}));
  const QString attachment = args.at(5);
  EXPECT_EQ(attachment, handed.first().at(0).toString());
  EXPECT_EQ(QFileInfo(attachment).fileName(), QStringLiteral("heart"));
  EXPECT_TRUE(attachment.startsWith(platform::documentsDirectory() + QStringLiteral("/share/")));
  QImageReader reader(attachment);
  EXPECT_EQ(reader.format(), QByteArray("jpeg"));
  const QImage picture = reader.read();
  EXPECT_EQ(picture.size(), QSize(400, 300));
  // Lossy, but the sketch's grey survives.
  const QRgb expected = canvas()->sketchimgview()->image().pixel(200, 150);
  EXPECT_LE(std::abs(qGray(picture.pixel(200, 150)) - qGray(expected)), 12);
  EXPECT_FALSE(opened);
}

TEST_F(SaveShareTest, WithoutAMailProgramTheMailLinkOpens) {
  startWithPhoto();
  QTemporaryDir emptyBin, root;
  qputenv("PATH", emptyBin.path().toUtf8());
  QList<QUrl> opened;
  platform::setUrlOpener([&opened](const QUrl& url) {
    opened << url;
    return true;
  });
  const QVariantMap shipped = platform::readPropertyList(QStringLiteral(":/data/maillink.plist")).toMap();
  const QStringList cc = shipped.value(QStringLiteral("cc")).toStringList();
  ASSERT_EQ(cc.size(), 2);
  QDir(root.path()).mkpath(QStringLiteral("data"));
  writeText(root.filePath(QStringLiteral("data/maillink.plist")),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?><plist version=\"1.0\"><dict>"
            "<key>to</key><string>zo\xc3\xab@example.org</string><key>cc</key><array>"
            "<string>a b@example.org</string><string>c@example.org</string></array></dict></plist>");
  struct Case {
    QString resourceRoot;
    QByteArray link;
  } cases[] = {
      {QStringLiteral(":"), QStringLiteral("mailto:%1?cc=%2,%3&subject=@Hello!&body=@Hello!")
                                .arg(shipped.value(QStringLiteral("to")).toString(), cc.at(0), cc.at(1))
                                .toUtf8()},
      {root.path(),
       "mailto:zo%C3%AB@example.org?cc=a%20b@example.org,c@example.org&subject=@Hello!&body=@Hello!"},
  };
  const QString shares = platform::documentsDirectory() + QStringLiteral("/share");
  const QStringList sharesBefore = QDir(shares).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
  for (const Case& c : cases) {
    opened.clear();
    platform::setResourceRoot(c.resourceRoot);
    QTest::mouseClick(controller_->sharebtn(), Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.first().toEncoded(), c.link);
  }
  EXPECT_EQ(QDir(shares).entryList(QDir::Dirs | QDir::NoDotAndDotDot), sharesBefore);
}
