// Bringing photos in: the Load dialog, bad files, drops, and the sources that
// are missing.
#include <QBuffer>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMimeData>
#include <QStandardPaths>

#include "ScreenFixture.h"
#include "platform/widgets/ActivityIndicator.h"
#include "platform/widgets/CameraCapture.h"
#include "platform/widgets/FloatSlider.h"
#include "platform/widgets/PictureButton.h"

using namespace screen_test;

class AcquisitionTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    quietSettings();
  }
  QString writeBytes(const QString& name, const QByteArray& bytes) {
    QFile f(dir_.filePath(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return f.fileName();
  }
  platform::AlertView* onlyAlert() {
    const auto alerts = platform::AlertView::visibleAlerts();
    return alerts.size() == 1 ? alerts.first() : nullptr;
  }
};

TEST_F(AcquisitionTest, LoadDialogPickGoesThroughThePickPath) {
  auto* c = startPhone();
  const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  QDir().mkpath(pictures);
  const QString path = pictures + "/wide.png";
  ASSERT_TRUE(makePhoto(640, 480).save(path));

  QTest::mouseClick(c->albumbtn(), Qt::LeftButton);
  QFileDialog* dialog = c->albumDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
  EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), QDir(pictures).canonicalPath());
  EXPECT_TRUE(dialog->nameFilters().first().contains("*.jpg"));
  EXPECT_TRUE(c->canvasCovered());

  QSignalSpy done(c, &screen::MainViewController::renderPassFinished);
  auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
  ASSERT_NE(name, nullptr);
  name->setText("wide.png");
  QTest::keyClick(name, Qt::Key_Return);
  EXPECT_TRUE(c->processindicator()->isAnimating());
  EXPECT_FALSE(c->sketchtypebaseview()->isHidden());
  EXPECT_FALSE(c->photoAtypebaseview()->isHidden());
  EXPECT_TRUE(c->imgchanged());
  ASSERT_TRUE(done.wait(20000));

  // 640 x 480 on the 480 phone: wider than the canvas, kept at its size.
  auto* canvas = c->workview();
  EXPECT_TRUE(canvas->bigwidth());
  EXPECT_EQ(canvas->offsetratio_x(), 0.0f);
  EXPECT_FLOAT_EQ(canvas->offsetratio_y(), 0.22f);
  EXPECT_EQ(c->orgimg().size(), QSize(640, 480));
  EXPECT_EQ(canvas->linesize(), 64.0f);
  EXPECT_EQ(c->photoName(), QStringLiteral("wide.png"));
  EXPECT_TRUE(c->albumDialog() == nullptr || !c->albumDialog()->isVisible());
}

TEST_F(AcquisitionTest, LargePhotoIsFittedFromItsFullSizeAndShrunk) {
  auto* c = startPhone();
  ASSERT_TRUE(pickAndRender(writePhoto("big.jpg", 3264, 2448, "JPG")));
  EXPECT_EQ(c->orgimg().size(), QSize(1280, 960));
  EXPECT_FLOAT_EQ(c->workview()->offsetratio_y(), 0.22f);
  EXPECT_EQ(c->workview()->linesize(), 128.0f);

  ASSERT_TRUE(pickAndRender(writePhoto("tall.jpg", 2448, 3264, "JPG")));
  EXPECT_EQ(c->orgimg().size(), QSize(768, 1024));
  EXPECT_TRUE(c->workview()->bigwidth());
  EXPECT_NEAR(c->workview()->offsetratio_y(), 0.0022222f, 5e-8);
}

TEST_F(AcquisitionTest, TabletFitOfAPortraitPhoto) {
  auto* c = startTablet();
  ASSERT_TRUE(pickAndRender(writePhoto("tall.jpg", 2448, 3264, "JPG")));
  EXPECT_FALSE(c->workview()->bigwidth());
  EXPECT_EQ(c->workview()->offsetratio_y(), 0.0f);
  EXPECT_NEAR(c->workview()->offsetratio_x(), 0.0092593f, 5e-8);
}

TEST_F(AcquisitionTest, CancelledDialogChangesNothing) {
  auto* c = startPhone();
  ASSERT_TRUE(pickAndRender(writePhoto("p.png", 160, 120)));
  const qint64 key = c->orgimg().cacheKey();
  QTest::mouseClick(c->albumbtn(), Qt::LeftButton);
  ASSERT_NE(c->albumDialog(), nullptr);
  QTest::keyClick(c->albumDialog(), Qt::Key_Escape);
  EXPECT_EQ(c->orgimg().cacheKey(), key);
  EXPECT_FALSE(c->imgchanged());
  EXPECT_TRUE(c->processindicator()->isHidden());
  EXPECT_FALSE(c->workview()->isHidden());
}

TEST_F(AcquisitionTest, BadFilesShowAnAlertAndLeaveEverythingAsItWas) {
  auto* c = startPhone();
  ASSERT_TRUE(pickAndRender(writePhoto("good.png", 160, 120)));
  const qint64 key = c->orgimg().cacheKey();
  const qint64 bKey = c->workview()->sketchimgview()->image().cacheKey();
  const float offY = c->workview()->offsetratio_y();

  QByteArray jpeg;
  {
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    makePhoto(400, 300).save(&buffer, "JPG");
  }
  const QStringList bad = {writeBytes("notes.jpg", "this is not a picture at all"),
                           writeBytes("cut.jpg", jpeg.left(jpeg.size() / 3)), writeBytes("empty.png", {}),
                           dir_.filePath("missing.png")};
  for (const QString& path : bad) {
    SCOPED_TRACE(path.toStdString());
    EXPECT_FALSE(c->pickPhotoFile(path));
    platform::AlertView* alert = onlyAlert();
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->title(), QStringLiteral("Cannot Open Photo"));
    const QString prefix = QFileInfo(path).fileName() + " could not be opened: ";
    EXPECT_TRUE(alert->message().startsWith(prefix)) << alert->message().toStdString();
    EXPECT_TRUE(alert->message().endsWith('.'));
    EXPECT_GT(alert->message().size(), prefix.size() + 1);
    EXPECT_EQ(alert->buttonTitles(), QStringList{"OK"});
    clickAlertButton(alert, "OK");
    EXPECT_TRUE(platform::AlertView::visibleAlerts().isEmpty());

    EXPECT_EQ(c->orgimg().cacheKey(), key);
    EXPECT_EQ(c->workview()->sketchimgview()->image().cacheKey(), bKey);
    EXPECT_EQ(c->workview()->offsetratio_y(), offY);
    EXPECT_FALSE(c->imgchanged());
    EXPECT_TRUE(c->processindicator()->isHidden());
    EXPECT_FALSE(c->workview()->isHidden());
  }
}

TEST_F(AcquisitionTest, DroppedFileIsPicked) {
  auto* c = startPhone();
  const QString path = writePhoto("dropped.png", 200, 150);
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(path)});
  QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &mime, Qt::LeftButton, {});
  QApplication::sendEvent(c, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QSignalSpy done(c, &screen::MainViewController::renderPassFinished);
  QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &mime, Qt::LeftButton, {});
  QApplication::sendEvent(c, &drop);
  ASSERT_TRUE(done.wait(20000));
  EXPECT_EQ(c->orgimg().size(), QSize(200, 150));
  EXPECT_EQ(c->photoName(), QStringLiteral("dropped.png"));
}

TEST_F(AcquisitionTest, MissingCameraShowsTheProfileAlert) {
  if (platform::CameraCapture::isAvailable()) GTEST_SKIP() << "this machine has a camera";
  auto* c = startPhone();
  QTest::mouseClick(c->camerabtn(), Qt::LeftButton);
  platform::AlertView* alert = onlyAlert();
  ASSERT_NE(alert, nullptr);
  EXPECT_EQ(alert->title(), QStringLiteral("No Camera!"));
  EXPECT_EQ(alert->message(),
            QStringLiteral("There is no Camera on this Device. You can load photo from your album."));
  EXPECT_EQ(alert->buttonTitles(), QStringList{"OK"});
  clickAlertButton(alert, "OK");

  controller_.reset();
  c = startTablet();
  QTest::mouseClick(c->camerabtn(), Qt::LeftButton);
  alert = onlyAlert();
  ASSERT_NE(alert, nullptr);
  EXPECT_TRUE(alert->title().isEmpty());
  EXPECT_EQ(alert->message(), QStringLiteral("Error accessing photo library!"));
  EXPECT_EQ(alert->buttonTitles(), QStringList{"Close"});
}

TEST_F(AcquisitionTest, UnreadablePicturesAndHomeShowTheNoLibraryAlert) {
  auto* c = startPhone();
  const QByteArray home = qgetenv("HOME");
  const QByteArray config = qgetenv("XDG_CONFIG_HOME");
  qputenv("HOME", dir_.filePath("nowhere").toUtf8());
  qputenv("XDG_CONFIG_HOME", dir_.filePath("nowhere/config").toUtf8());
  QTest::mouseClick(c->albumbtn(), Qt::LeftButton);
  qputenv("HOME", home);
  qputenv("XDG_CONFIG_HOME", config);
  EXPECT_EQ(c->albumDialog(), nullptr);
  platform::AlertView* alert = onlyAlert();
  ASSERT_NE(alert, nullptr);
  EXPECT_EQ(alert->title(), QStringLiteral("Error accessing photo library"));
  EXPECT_EQ(alert->message(), QStringLiteral("Device does not support a photo library"));
  EXPECT_EQ(alert->buttonTitles(), QStringList{"Drat!"});
}

TEST_F(AcquisitionTest, BundledSamplePhotoOpens) {
  auto* c = startPhone();
  ASSERT_TRUE(pickAndRender(QStringLiteral(":/sample/astronaut.png")));
  EXPECT_FALSE(c->orgimg().isNull());
  EXPECT_EQ(c->photoName(), QStringLiteral("astronaut.png"));
}
