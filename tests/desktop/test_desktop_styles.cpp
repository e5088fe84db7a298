// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's style grids (thumbnails reduced from the working-size render, every cell in view
// at 1920 x 1080, the keyboard focus drawn), Copy, Share by Mail and its way out when no mail
// program takes the picture, the brush carried to the next launch, and Take Photo following
// the camera list.
#include <QClipboard>
#include <QScrollBar>
#include <QSettings>
#include <cmath>

#include "DesktopFixture.h"
#include "document/StyleRenderer.h"
#include "platform/widgets/CameraWatch.h"

namespace {

using namespace desktop_test;

// Each pixel the average of the picture's area under it, weighted by how much of each source
// pixel it covers, rounded.
QImage areaAverage(const QImage& picture, QSize size) {
  const QImage src = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QImage out(size, QImage::Format_ARGB32_Premultiplied);
  const double sx = double(src.width()) / size.width(), sy = double(src.height()) / size.height();
  for (int oy = 0; oy < size.height(); ++oy)
    for (int ox = 0; ox < size.width(); ++ox) {
      double sum[4] = {}, area = 0;
      for (int y = int(oy * sy); y < std::min<double>(src.height(), (oy + 1) * sy); ++y)
        for (int x = int(ox * sx); x < std::min<double>(src.width(), (ox + 1) * sx); ++x) {
          const double w = (std::min((ox + 1) * sx, x + 1.0) - std::max(ox * sx, double(x))) *
                           (std::min((oy + 1) * sy, y + 1.0) - std::max(oy * sy, double(y)));
          const QRgb p = src.pixel(x, y);
          sum[0] += w * qRed(p), sum[1] += w * qGreen(p), sum[2] += w * qBlue(p), sum[3] += w * qAlpha(p);
          area += w;
        }
      out.setPixel(ox, oy,
                   qRgba(std::lround(sum[0] / area), std::lround(sum[1] / area), std::lround(sum[2] / area),
                         std::lround(sum[3] / area)));
    }
  return out;
}

// The largest difference of any channel of any pixel; 256 for a different size.
int maxDifference(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return 256;
  int most = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      most = std::max({most, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                       std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
    }
  return most;
}

// The rectangle holding every pixel where two grabs differ (empty: none does).
QRect differences(const QImage& a, const QImage& b) {
  QRect where;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y)) where |= QRect(x, y, 1, 1);
  return where;
}

class StylesTest : public DesktopTest {
 protected:
  void TearDown() override {
    platform::setCameraListStandIn(std::nullopt);
    platform::setUrlOpener({});
    qputenv("PATH", path_);
    DesktopTest::TearDown();
  }
  QSettings settings() { return QSettings(platform::UserDefaults::storageFile(), QSettings::IniFormat); }
  // A stand-in xdg-email in a folder of its own, which is then all of PATH.
  void mailProgram(const QString& folder, const QByteArray& script) {
    QDir().mkpath(dir_.filePath(folder));
    QFile program(dir_.filePath(folder + "/xdg-email"));
    ASSERT_TRUE(program.open(QIODevice::WriteOnly));
    program.write("#!/bin/sh\n" + script);
    program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    program.close();
    qputenv("PATH", dir_.filePath(folder).toUtf8() + ":/usr/bin:/bin");
  }
  platform::AlertView* onlyAlert() {
    const QList<platform::AlertView*> alerts = platform::AlertView::visibleAlerts();
    return alerts.size() == 1 ? alerts.first() : nullptr;
  }
  void clickAlertButton(platform::AlertView* alert, const QString& text) {
    for (QAbstractButton* button : alert->messageBox()->buttons())
      if (button->text() == text) return QTest::mouseClick(button, Qt::LeftButton);
    ADD_FAILURE() << "no button " << text.toStdString();
  }
  const QByteArray path_ = qgetenv("PATH");
};

TEST_F(StylesTest, ThumbnailsAreTheWorkingSizeStylesReducedByAreaAverage) {
  start();
  // Larger than its working size (1280 on the longer side), which is reduced 16 times across
  // and 900 / 56 times down, so thumbnail pixels take parts of source pixels; with structure, so
  // that the styles tracing edges look unlike a render of a small copy.
  QImage photo(1600, 1125, QImage::Format_RGB32);
  for (int y = 0; y < photo.height(); ++y)
    for (int x = 0; x < photo.width(); ++x)
      photo.setPixel(x, y, qRgb(x * 255 / 1600, y * 255 / 1125, (x / 40 + y / 40) % 2 ? 30 : 220));
  ASSERT_TRUE(photo.save(dir_.filePath("s.png")));
  ASSERT_TRUE(open(dir_.filePath("s.png")));
  const QImage prepared = doc()->orgimg();
  ASSERT_EQ(prepared.size(), QSize(1280, 900));
  const QSize size(80, 56);  // the 80 x 80 box at this screen's ratio of 1
  desktop::StylePanel* panel = stylePanel();
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        for (int row = 0; row < 8; ++row)
          if (panel->thumbnail(row).size() != size) return false;
        return true;
      },
      20000));
  document::StyleRenderer renderer;
  renderer.setTextureName(doc()->textureName());
  for (int style = 0; style < 8; ++style) {
    sketch::GrayPlane plane;
    const QImage full =
        style ? renderer.render(prepared, style, plane, nullptr).value_or(QImage()) : prepared;
    EXPECT_LE(maxDifference(panel->thumbnail(style), areaAverage(full, size)), 1) << style;
  }
}

TEST_F(StylesTest, EveryCellIsInViewAt1080pUnderNamedGridsAndTheFocusIsDrawn) {
  start(QSize(1920, 1080));
  QCoreApplication::processEvents();
  for (auto [list, label] : {std::pair{sketchList(), "&Sketch style"}, {colourList(), "&Colour layer"}}) {
    auto* title = find<QLabel>(list->objectName() + "Label");
    EXPECT_EQ(std::pair(title->text(), title->buddy()),
              std::pair(QString(label), static_cast<QWidget*>(list)));
    ASSERT_EQ(list->count(), 8);
    EXPECT_FALSE(list->verticalScrollBar()->isVisible());
    for (int row = 0; row < 8; ++row) {
      const QRect cell = list->visualItemRect(list->item(row));
      EXPECT_TRUE(list->viewport()->rect().contains(cell)) << label << " row " << row;
      EXPECT_EQ(cell.top() / cell.height(), row / 3) << label << " row " << row;  // three a row
    }
  }

  // The ring drawn round the focused cell: on the choice in force, then on the cell the arrow
  // moved to; nothing else of the grid changes with the focus.
  QListWidget* list = sketchList();
  for (int move = 0; move < 2; ++move) {
    if (move) QTest::keyClick(list, Qt::Key_Right);
    list->setFocus();
    const QImage focused = list->viewport()->grab().toImage();
    colourList()->setFocus();
    const QImage unfocused = list->viewport()->grab().toImage();
    const QRect ring = differences(focused, unfocused);
    const QRect cell = list->visualItemRect(list->item(1 + move));
    EXPECT_FALSE(ring.isEmpty()) << move;
    EXPECT_TRUE(cell.contains(ring)) << move;
    EXPECT_GT(ring.width() * 2, cell.width()) << move;  // round the cell, not a dot in it
  }
  EXPECT_EQ(list->selectedItems(), QList<QListWidgetItem*>{list->item(1)});  // the choice stays
}

TEST_F(StylesTest, CopyPutsThePictureSaveToPicturesWritesOnTheClipboard) {
  start();
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->setText("before");
  key(Qt::CTRL | Qt::Key_C);  // no picture yet: nothing to copy
  EXPECT_FALSE(action("copy")->isEnabled());
  EXPECT_EQ(clipboard->text(), "before");

  ASSERT_TRUE(open(writePhoto(dir_, "p.png", 320, 240)));
  const QRectF shown = pictureOnScreen();  // a stroke across the middle of the picture
  stroke(QPointF(shown.left() + 10, shown.center().y()).toPoint(),
         QPointF(shown.right() - 10, shown.center().y()).toPoint());
  // From a style grid with the keyboard focus, too: the grid does not keep the keys for itself.
  colourList()->setFocus();
  QTest::keyClick(colourList(), Qt::Key_C, Qt::ControlModifier);
  const QImage copied = clipboard->image().convertToFormat(QImage::Format_ARGB32_Premultiplied);
  ASSERT_EQ(copied.size(), QSize(320, 240));
  QSignalSpy saved(doc(), &document::SketchDocument::saveFinished);
  action("saveToPictures")->trigger();
  ASSERT_TRUE(waitCount(saved, 1));
  const QImage written =
      QImage(saved.first().at(1).toString()).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  EXPECT_EQ(copied, written);
  EXPECT_NE(copied.pixel(160, 120),
            painting()->sketchimgview()->image().pixel(160, 120));  // the stroke is in
}

TEST_F(StylesTest, ShareAttachesThePictureWithoutAddressesOrOffersSaveToPictures) {
  QList<QUrl> opened;
  platform::setUrlOpener([&opened](const QUrl& url) { return opened << url, true; });
  startWith(320, 240);
  QSignalSpy handed(doc(), &document::SketchDocument::shareHandedOn);
  const QString record = dir_.filePath("args.txt");
  mailProgram("bin",
              QStringLiteral("printf '%s\\n' \"$@\" > '%1.tmp'\nmv '%1.tmp' '%1'\n").arg(record).toUtf8());
  action("share")->trigger();
  ASSERT_TRUE(waitCount(handed, 1));
  ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(record); }, 20000));
  const QString attachment = handed.first().at(0).toString();
  QFile args(record);
  ASSERT_TRUE(args.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromUtf8(args.readAll()).split('\n', Qt::SkipEmptyParts),
            QStringList({"--subject", "A picture made with Vorlane", "--attach", attachment}));
  EXPECT_TRUE(attachment.endsWith(".jpg")) << attachment.toStdString();
  EXPECT_EQ(QImage(attachment).size(), QSize(320, 240));
  EXPECT_TRUE(platform::AlertView::visibleAlerts().isEmpty());

  // No mail program, or one that fails: no link with addresses, but the offer to save instead.
  const QString album = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) + "/Vorlane";
  QDir(album).removeRecursively();
  QSignalSpy saved(doc(), &document::SketchDocument::saveFinished),
      failed(doc(), &document::SketchDocument::shareFailed);
  for (auto [folder, script, answer] : {std::tuple{"none", "", "Save to Pictures"},
                                        {"failing", "exit 3\n", "Cancel"},
                                        {"failing", "exit 3\n", "Save to Pictures"}}) {
    SCOPED_TRACE(folder);
    const qsizetype failures = failed.count(), saves = saved.count();
    if (*script)
      mailProgram(folder, script);
    else
      qputenv("PATH", dir_.filePath(folder).toUtf8());
    QApplication::setActiveWindow(w());
    action("share")->trigger();
    ASSERT_TRUE(waitCount(failed, failures + 1));
    platform::AlertView* alert = onlyAlert();
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->title(), "No Mail Program");
    EXPECT_EQ(alert->buttonTitles(), QStringList({"Cancel", "Save to Pictures"}));
    clickAlertButton(alert, answer);
    if (QString(answer) == "Cancel") continue;
    ASSERT_TRUE(waitCount(saved, saves + 1));
    const QString path = saved.last().at(1).toString();
    EXPECT_TRUE(saved.last().at(0).toBool());
    EXPECT_EQ(QFileInfo(path).absolutePath(), QDir(album).absolutePath());
    EXPECT_EQ(QImage(path).convertToFormat(QImage::Format_ARGB32_Premultiplied),
              model()->renderFinalPicture().convertToFormat(QImage::Format_ARGB32_Premultiplied));
  }
  // Saves are written in turn: had Cancel saved, its file would be there by now.
  EXPECT_EQ(saved.count(), 2);
  EXPECT_EQ(QDir(album).entryList({"*.png"}, QDir::Files).size(), 2);
  EXPECT_TRUE(opened.isEmpty());
  QDir(album).removeRecursively();
}

TEST_F(StylesTest, TheBrushComesBackInTheNextWindowAndStoredNonsenseIsPassedOver) {
  startWith(320, 240);
  key(Qt::Key_B);
  for (int i = 0; i < 3; ++i) key(Qt::Key_BracketRight);
  const float size = painting()->sliderValue();
  ASSERT_FLOAT_EQ(size, 0.65f);
  w()->close();
  start();
  EXPECT_FLOAT_EQ(painting()->sliderValue(), size);
  EXPECT_EQ(painting()->brushMode(), canvas::BrushMode::B);
  EXPECT_TRUE(action("brushB")->isChecked());
  EXPECT_EQ(find<QSlider>("brushSize")->value(), 65);

  // What the settings may hold: a value out of range is clamped, what is not a size or a mode
  // leaves the new brush as it is (half size, Paint Colour).
  for (auto [storedSize, storedMode, slider, mode] :
       {std::tuple{QVariant(7), QVariant("paintColour"), 1.0f, canvas::BrushMode::A},
        {QVariant(-0.5), QVariant("restoreSketch"), 0.0f, canvas::BrushMode::B},
        {QVariant("nan"), QVariant("eraser"), 0.5f, canvas::BrushMode::A},
        {QVariant("big"), QVariant(1), 0.5f, canvas::BrushMode::A}}) {
    SCOPED_TRACE(storedSize.toString().toStdString());
    w()->close();
    settings().setValue("desktop/brushSize", storedSize);
    settings().setValue("desktop/brushMode", storedMode);
    start();
    EXPECT_FLOAT_EQ(painting()->sliderValue(), slider);
    EXPECT_EQ(painting()->brushMode(), mode);
  }
}

TEST_F(StylesTest, TakePhotoFollowsTheCameraList) {
  platform::setCameraListStandIn(0);
  start();
  QAction* take = action("takePhoto");
  for (int cameras : {0, 1, 2, 0}) {
    platform::setCameraListStandIn(cameras);
    EXPECT_EQ(take->isEnabled(), cameras > 0) << cameras;
    EXPECT_EQ(take->toolTip(),
              cameras ? "Take a photo with the camera" : "No camera was found on this computer");
  }
  platform::setCameraListStandIn(1);  // plugged in before the launch
  w()->close();
  start();
  EXPECT_TRUE(action("takePhoto")->isEnabled());
}

}  // namespace
