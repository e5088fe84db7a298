// SPDX-License-Identifier: GPL-3.0-or-later
// Bringing photos in: the Load dialog, drops, bad files and missing sources.
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QRegularExpression>

#include "ScreenFixture.h"
#include "platform/widgets/CameraCapture.h"

TEST_F(ScreenTest, PhotosComeByDialogDropOrSampleAndMissingSourcesOrBadFilesChangeNothing) {
  auto* c = startPhone();
  if (!platform::CameraCapture::isAvailable()) {
    QTest::mouseClick(c->camerabtn(), Qt::LeftButton);
    EXPECT_ALERT("No Camera!", "There is no Camera on this Device. You can load photo from your album.",
                 "OK");
    clickAlertButton("OK");
  }
  const QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
  qputenv("HOME", dir_.filePath("nowhere").toUtf8());
  qputenv("XDG_CONFIG_HOME", dir_.filePath("nowhere/config").toUtf8());
  QTest::mouseClick(c->albumbtn(), Qt::LeftButton);
  qputenv("HOME", home), qputenv("XDG_CONFIG_HOME", config);
  EXPECT_EQ(c->albumDialog(), nullptr);
  EXPECT_ALERT("Error accessing photo library", "Device does not support a photo library", "Drat!");
  closeAlerts();

  const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  ASSERT_TRUE(QDir().mkpath(pictures));
  ASSERT_TRUE(makePhoto(640, 480).save(pictures + "/wide.png"));
  QTest::mouseClick(c->albumbtn(), Qt::LeftButton);
  QFileDialog* dialog = c->albumDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), QDir(pictures).canonicalPath());
  auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
  ASSERT_NE(name, nullptr);
  name->setText("wide.png");
  QTest::keyClick(name, Qt::Key_Return);
  EXPECT_TRUE(c->processindicator()->isAnimating());
  EXPECT_FALSE(c->sketchtypebaseview()->isHidden());
  EXPECT_FALSE(c->photoAtypebaseview()->isHidden());
  ASSERT_TRUE(waitForRender());
  EXPECT_EQ(c->document()->orgimg().size(), QSize(640, 480));  // wider than the canvas, kept at its size
  EXPECT_EQ(c->workview()->model()->painting()->linesize(), 64.0f);

  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(writePhoto("dropped.png", 200, 150))});
  QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &mime, Qt::LeftButton, {});
  QApplication::sendEvent(c, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &mime, Qt::LeftButton, {});
  QApplication::sendEvent(c, &drop);
  ASSERT_TRUE(waitForRender());
  EXPECT_EQ(c->document()->orgimg().size(), QSize(200, 150));
  EXPECT_EQ(c->document()->photoName(), QStringLiteral("dropped.png"));
  ASSERT_TRUE(pickAndRender(QStringLiteral(":/sample/astronaut.png")));
  EXPECT_EQ(c->document()->photoName(), QStringLiteral("astronaut.png"));

  const qint64 key = c->document()->orgimg().cacheKey();
  const qint64 bKey = c->workview()->sketchimgview()->image().cacheKey();
  const float offY = c->workview()->model()->plate()->fit().offsetratio_y;
  auto unchanged = [&] {
    EXPECT_EQ(c->document()->orgimg().cacheKey(), key);
    EXPECT_EQ(c->workview()->sketchimgview()->image().cacheKey(), bKey);
    EXPECT_EQ(c->workview()->model()->plate()->fit().offsetratio_y, offY);
    EXPECT_FALSE(c->document()->imgchanged());
    EXPECT_TRUE(c->processindicator()->isHidden());
    EXPECT_FALSE(c->workview()->isHidden());
  };
  QTest::mouseClick(c->albumbtn(), Qt::LeftButton);  // a cancelled dialog
  ASSERT_NE(c->albumDialog(), nullptr);
  QTest::keyClick(c->albumDialog(), Qt::Key_Escape);
  unchanged();
  QFile full(writePhoto("full.jpg", 400, 300, "JPG"));
  ASSERT_TRUE(full.open(QIODevice::ReadOnly));
  const QByteArray jpeg = full.readAll();
  const std::pair<const char*, QByteArray> bad[] = {{"notes.jpg", "this is not a picture at all"},
                                                    {"cut.jpg", jpeg.left(jpeg.size() / 3)},
                                                    {"empty.png", QByteArray("")},
                                                    {"missing.png", QByteArray()}};
  for (const auto& [name, bytes] : bad) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(c->document()->pickPhotoFile(bytes.isNull() ? dir_.filePath(name) : writeFile(name, bytes)));
    ASSERT_NE(onlyAlert(), nullptr);
    const QString message = onlyAlert()->message();  // the file's name and a reason
    const QRegularExpression pattern("^" + QRegularExpression::escape(name) + " could not be opened: .+\\.$");
    EXPECT_TRUE(message.contains(pattern)) << message.toStdString();
    EXPECT_ALERT("Cannot Open Photo", message, "OK");
    clickAlertButton("OK");
    unchanged();
  }
}

TEST_F(ScreenTest, LargePhotosAreFittedFromTheirFullSizeAndShrunk) {
  // Tablet, photo size, size kept, width filled, the offset on the other axis, brush width.
  for (auto [tablet, photo, kept, bigwidth, margin, linesize] :
       std::initializer_list<std::tuple<bool, QSize, QSize, bool, float, float>>{
           {false, {3264, 2448}, {1280, 960}, true, 0.22f, 128},
           {false, {2448, 3264}, {768, 1024}, true, 0.0022222f, 76.8f},
           {true, {2448, 3264}, {768, 1024}, false, 0.0092593f, 76.8f}}) {
    SCOPED_TRACE(testing::Message() << tablet << " " << photo.width() << "x" << photo.height());
    canvas::CanvasModel* model = (tablet ? startTablet() : startPhone())->workview()->model();
    ASSERT_TRUE(pickAndRender(writePhoto("big.jpg", photo.width(), photo.height(), "JPG")));
    EXPECT_EQ(controller_->document()->orgimg().size(), kept);
    EXPECT_EQ(model->plate()->fit().bigwidth, bigwidth);
    EXPECT_EQ(bigwidth ? model->plate()->fit().offsetratio_x : model->plate()->fit().offsetratio_y, 0.0f);
    EXPECT_NEAR(bigwidth ? model->plate()->fit().offsetratio_y : model->plate()->fit().offsetratio_x, margin,
                5e-8);
    EXPECT_FLOAT_EQ(model->painting()->linesize(), linesize);
  }
}
