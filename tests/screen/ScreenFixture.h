#pragma once
// A real main screen on the offscreen platform, with its own settings file.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QListWidget>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "canvas/VorlaneView.h"
#include "platform/DeviceProfile.h"
#include "platform/Resources.h"
#include "platform/UserDefaults.h"
#include "platform/widgets/AlertView.h"
#include "screen/MainViewController.h"
#include "screen/viewController_iPad.h"
#include "screen/viewController_iPhone.h"

namespace screen_test {

// A photo with smooth colour and some edges, so every style yields a picture
// different from the photo.
inline QImage makePhoto(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const bool square = ((x / 40) + (y / 40)) % 2 == 0;
      image.setPixel(x, y, qRgb((x * 255) / w, (y * 255) / h, square ? 200 : 40));
    }
  return image;
}

class ScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    platform::UserDefaults::setStorageFile(dir_.filePath(QStringLiteral("settings.ini")));
    platform::setResourceRoot(QStringLiteral(":"));
  }
  void TearDown() override {
    closeAlerts();
    controller_.reset();
    platform::UserDefaults::setStorageFile(QString());
    platform::setResourceRoot(QStringLiteral(":"));
  }

  platform::UserDefaults& defaults() { return platform::UserDefaults::standardUserDefaults(); }

  // Settings of a user who has seen the help and answered the rating prompt, so
  // that no prompt comes up during a test about something else.
  void quietSettings() {
    defaults().setBoolForKey(true, QStringLiteral("helphint"));
    defaults().setBoolForKey(true, QStringLiteral("rated"));
  }

  screen::MainViewController* startPhone(int viewHeight = 480) {
    auto* c = new screen::viewController_iPhone();
    c->resize(320, viewHeight);
    return start(c);
  }
  screen::MainViewController* startTablet() {
    auto* c = new screen::viewController_iPad();
    c->resize(768, 1024);
    return start(c);
  }
  screen::MainViewController* start(screen::MainViewController* c) {
    controller_.reset(c);
    c->loadViewIfNeeded();
    c->show();
    QApplication::setActiveWindow(c);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(c));
    return c;
  }

  QString writePhoto(const QString& name, int w, int h, const char* format = "PNG") {
    const QString path = dir_.filePath(name);
    EXPECT_TRUE(makePhoto(w, h).save(path, format));
    return path;
  }

  // Picks the file and waits for the render pass that the pick schedules.
  bool pickAndRender(const QString& path) {
    QSignalSpy done(controller_.get(), &screen::MainViewController::renderPassFinished);
    if (!controller_->pickPhotoFile(path)) return false;
    if (!done.wait(20000)) return false;
    return done.last().at(0).toBool();
  }

  bool waitForRender(bool* ok = nullptr) {
    QSignalSpy done(controller_.get(), &screen::MainViewController::renderPassFinished);
    if (!done.wait(20000)) return false;
    if (ok) *ok = done.last().at(0).toBool();
    return true;
  }

  static void closeAlerts() {
    for (platform::AlertView* alert : platform::AlertView::visibleAlerts())
      if (QMessageBox* box = alert->messageBox()) box->reject();
    QCoreApplication::processEvents();
  }

  // Clicks the alert's button with the given title, as the user would.
  static void clickAlertButton(platform::AlertView* alert, const QString& title) {
    QMessageBox* box = alert->messageBox();
    ASSERT_NE(box, nullptr);
    for (QAbstractButton* b : box->buttons())
      if (b->text() == title) {
        QTest::mouseClick(b, Qt::LeftButton);
        QCoreApplication::processEvents();
        return;
      }
    FAIL() << "no button " << title.toStdString();
  }

  static void clickRow(QListWidget* list, int row) {
    const QRect r = list->visualItemRect(list->item(row));
    ASSERT_TRUE(list->viewport()->rect().intersects(r)) << "row " << row << " not visible";
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
  }

  QTemporaryDir dir_;
  std::unique_ptr<screen::MainViewController> controller_;
};

}  // namespace screen_test
