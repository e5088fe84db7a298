// The delegates: one window of the profile's size with its controller as root.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>

#include "app/Launch.h"
#include "app/UniversalTestAppDelegate_iPad.h"
#include "app/UniversalTestAppDelegate_iPhone.h"
#include "platform/DeviceProfile.h"
#include "platform/UserDefaults.h"
#include "platform/widgets/AlertView.h"

namespace {

class DelegateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    platform::UserDefaults::setStorageFile(dir_.filePath("settings.ini"));
    auto& d = platform::UserDefaults::standardUserDefaults();
    d.setBoolForKey(true, "helphint");
    d.setBoolForKey(true, "rated");
  }
  void TearDown() override { platform::UserDefaults::setStorageFile(QString()); }
  QTemporaryDir dir_;
};

}  // namespace

TEST_F(DelegateTest, PhoneLaunchInstallsThePhoneControllerAsRoot) {
  for (int height : {480, 568}) {
    app::ChosenProfile profile;
    profile.profile = app::Profile::Phone;
    profile.screenHeight = height;
    auto delegate = app::launch(profile);
    auto* phone = dynamic_cast<app::UniversalTestAppDelegate_iPhone*>(delegate.get());
    ASSERT_NE(phone, nullptr);
    app::AppWindow* window = delegate->window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->size(), QSize(320, height));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->rootViewController(), phone->viewController());
    EXPECT_TRUE(phone->viewController()->isViewLoaded());
    EXPECT_EQ(phone->viewController()->size(), QSize(320, height));
    EXPECT_EQ(platform::screenheight(), float(height));
    EXPECT_EQ(platform::deviceModel(), QStringLiteral("iPhone"));
  }
}

TEST_F(DelegateTest, TabletLaunchInstallsTheTabletController) {
  app::ChosenProfile profile;
  profile.profile = app::Profile::Tablet;
  profile.screenHeight = 1024;
  auto delegate = app::launch(profile);
  auto* tablet = dynamic_cast<app::UniversalTestAppDelegate_iPad*>(delegate.get());
  ASSERT_NE(tablet, nullptr);
  EXPECT_EQ(delegate->window()->size(), QSize(768, 1024));
  EXPECT_EQ(delegate->window()->rootViewController(), tablet->viewController());
  EXPECT_EQ(tablet->viewController()->geometry(), QRect(0, 0, 768, 1024));
  EXPECT_EQ(platform::deviceModel(), QStringLiteral("iPad"));
}

TEST_F(DelegateTest, BackgroundAndForegroundChangeNothing) {
  app::ChosenProfile profile;
  auto delegate = app::launch(profile);
  auto* controller = delegate->mainViewController();
  const int type = controller->currenttype();
  delegate->applicationWillResignActive();
  delegate->applicationDidEnterBackground();
  delegate->applicationWillEnterForeground();
  delegate->applicationDidBecomeActive();
  EXPECT_EQ(delegate->mainViewController(), controller);
  EXPECT_EQ(controller->currenttype(), type);
  EXPECT_TRUE(delegate->window()->isVisible());
}
