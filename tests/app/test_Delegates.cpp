// The delegates: one window of the profile's size with its controller as root.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "app/Launch.h"
#include "app/UniversalTestAppDelegate_iPad.h"
#include "app/UniversalTestAppDelegate_iPhone.h"
#include "platform/DeviceProfile.h"
#include "platform/UserDefaults.h"

TEST(Delegates, LaunchInstallsTheProfilesControllerAsRootAndKeepsItAcrossBackground) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  platform::UserDefaults::setStorageFile(dir.filePath("settings.ini"));
  platform::UserDefaults::standardUserDefaults().setBoolForKey(true, "helphint");
  platform::UserDefaults::standardUserDefaults().setBoolForKey(true, "rated");
  const struct {
    app::Profile profile;
    int height;
    QSize size;
    const char* model;
  } cases[] = {{app::Profile::Phone, 480, {320, 480}, "iPhone"},
               {app::Profile::Phone, 568, {320, 568}, "iPhone"},
               {app::Profile::Tablet, 1024, {768, 1024}, "iPad"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.height);
    auto delegate = app::launch(app::ChosenProfile{c.profile, c.height});
    auto* phone = dynamic_cast<app::UniversalTestAppDelegate_iPhone*>(delegate.get());
    auto* tablet = dynamic_cast<app::UniversalTestAppDelegate_iPad*>(delegate.get());
    ASSERT_TRUE(c.profile == app::Profile::Tablet ? tablet && !phone : phone && !tablet);
    screen::MainViewController* controller =
        phone ? static_cast<screen::MainViewController*>(phone->viewController()) : tablet->viewController();
    ASSERT_NE(controller, nullptr);
    app::AppWindow* window = delegate->window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->size(), c.size);
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->rootViewController(), controller);
    EXPECT_TRUE(controller->isViewLoaded());
    EXPECT_EQ(controller->geometry(), QRect(QPoint(0, 0), c.size));
    if (phone) EXPECT_EQ(platform::screenheight(), float(c.height));
    EXPECT_EQ(platform::deviceModel(), QString(c.model));

    // Going to the background and back changes nothing.
    const int type = controller->currenttype();
    delegate->applicationWillResignActive();
    delegate->applicationDidEnterBackground();
    delegate->applicationWillEnterForeground();
    delegate->applicationDidBecomeActive();
    EXPECT_EQ(delegate->mainViewController(), controller);
    EXPECT_EQ(controller->currenttype(), type);
    EXPECT_TRUE(window->isVisible());
  }
  platform::UserDefaults::setStorageFile(QString());
}
