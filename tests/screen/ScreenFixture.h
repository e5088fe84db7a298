// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A real main screen on the offscreen platform, with its own settings file.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "FakeClock.h"
#include "canvas/PlateView.h"
#include "canvas/VorlaneView.h"
#include "document/PromptSchedule.h"
#include "document/SketchDocument.h"
#include "platform/Desktop.h"
#include "platform/DeviceProfile.h"
#include "platform/Resources.h"
#include "platform/UserDefaults.h"
#include "platform/widgets/ActivityIndicator.h"
#include "platform/widgets/AlertView.h"
#include "platform/widgets/FloatSlider.h"
#include "platform/widgets/PictureButton.h"
#include "platform/widgets/ShadowLabel.h"
#include "screen/MainViewController.h"
#include "screen/viewController_iPad.h"
#include "screen/viewController_iPhone.h"

// Smooth colour and square edges, so every style yields a picture unlike the photo.
inline QImage makePhoto(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      image.setPixel(x, y, qRgb((x * 255) / w, (y * 255) / h, ((x / 40) + (y / 40)) % 2 ? 40 : 200));
  return image;
}

class ScreenTest : public ::testing::Test {
 protected:
  using Screen = screen::MainViewController;
  // A user who has seen the help and answered the rating prompt (fresh() forgets them).
  void SetUp() override {
    platform::setResourceRoot(QStringLiteral(":"));
    fresh(QStringLiteral("settings.ini"));
    defaults().setBoolForKey(true, QStringLiteral("helphint"));
    defaults().setBoolForKey(true, QStringLiteral("rated"));
    platform::setUrlOpener([this](const QUrl& url) { return opened_ << url, true; });
  }
  void TearDown() override { closeAlerts(), controller_.reset(), platform::setUrlOpener({}); }
  void fresh(const QString& name) { platform::UserDefaults::setStorageFile(dir_.filePath(name)); }
  platform::UserDefaults& defaults() { return platform::UserDefaults::standardUserDefaults(); }

  Screen* startPhone(int h = 480) { return start(new screen::viewController_iPhone, {320, h}); }
  Screen* startTablet() { return start(new screen::viewController_iPad, {768, 1024}); }
  Screen* start(Screen* c, QSize size) {
    controller_.reset(c);
    c->schedule()->setTimerStart(clock_.timerStart());
    c->resize(size);
    c->loadViewIfNeeded();
    renders_ = std::make_unique<QSignalSpy>(c->document(), &document::SketchDocument::renderPassFinished),
    seen_ = 0;
    c->show();
    QApplication::setActiveWindow(c);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(c));
    return c;
  }
  // Writes bytes to a file (under the test folder unless the path is absolute), making its folder.
  QString writeFile(const QString& name, const QByteArray& bytes) {
    const QString path = QDir(dir_.path()).filePath(name);
    QFile file(path);
    EXPECT_TRUE(QDir().mkpath(QFileInfo(path).path())) << qPrintable(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << qPrintable(path);
    if (file.isOpen()) {
      EXPECT_EQ(file.write(bytes), bytes.size()) << qPrintable(path);
    }
    return path;
  }
  QString writePhoto(const QString& name, int w, int h, const char* format = "PNG") {
    return makePhoto(w, h).save(dir_.filePath(name), format) ? dir_.filePath(name) : QString();
  }
  // Waits for the next render pass unless it has ended already; true if it ended well.
  bool waitForRender() {
    if (renders_->count() == seen_ && !renders_->wait(20000)) return false;
    return seen_ = renders_->count(), renders_->last().at(0).toBool();
  }
  bool pickAndRender(const QString& path) {
    return controller_->document()->pickPhotoFile(path) && waitForRender();
  }

  static platform::AlertView* onlyAlert() {
    const auto alerts = platform::AlertView::visibleAlerts();
    return alerts.size() == 1 ? alerts.first() : nullptr;
  }
  static void closeAlerts() {
    for (platform::AlertView* alert : platform::AlertView::visibleAlerts())
      if (QMessageBox* box = alert->messageBox()) box->reject();
    QCoreApplication::processEvents();
  }
  // Clicks the only alert's button with the given title, as the user would.
  static void clickAlertButton(const QString& title) {
    platform::AlertView* alert = onlyAlert();
    ASSERT_NE(alert, nullptr);
    for (QAbstractButton* b : alert->messageBox()->buttons())
      if (b->text() == title) return QTest::mouseClick(b, Qt::LeftButton), QCoreApplication::processEvents();
    FAIL() << "no button " << title.toStdString();
  }
  static void clickRow(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
  }

  QTemporaryDir dir_;
  vorlane_test::FakeClock clock_;  // the prompts' timers run on it
  std::unique_ptr<Screen> controller_;
  std::unique_ptr<QSignalSpy> renders_;  // every render pass of the current screen
  qsizetype seen_ = 0;
  QList<QUrl> opened_;  // links the screen asked the desktop to open
};

// Checks the only visible alert: title, whole message and button titles.
#define EXPECT_ALERT(t, m, ...)                                \
  do {                                                         \
    platform::AlertView* a_ = ScreenTest::onlyAlert();         \
    ASSERT_NE(a_, nullptr);                                    \
    EXPECT_EQ(a_->title(), QString(t));                        \
    EXPECT_EQ(a_->message(), QString(m));                      \
    EXPECT_EQ(a_->buttonTitles(), (QStringList{__VA_ARGS__})); \
  } while (0)
