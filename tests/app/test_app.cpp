// The command line, the choice of profile, the delegates' windows, the executable, the desktop entry.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "app/Launch.h"
#include "app/UniversalTestAppDelegate_iPad.h"
#include "app/UniversalTestAppDelegate_iPhone.h"
#include "platform/DeviceProfile.h"
#include "platform/PhotoDecoder.h"
#include "platform/UserDefaults.h"

using app::Profile;

// --scale is also read from argv, before the application exists.
TEST(LaunchOptions, GoodAndBadCommandLines) {
  const auto o =
      app::parseLaunchOptions({"--profile", "phone", "--screen-height=568", "--scale", "1.5", "a.jpg"});
  EXPECT_TRUE(o.error.isEmpty() && o.profile == Profile::Phone && o.screenHeight == 568 && !o.quitAfterShow);
  EXPECT_TRUE(o.scale == 1.5 && o.photo == QStringLiteral("a.jpg"));
  const auto t = app::parseLaunchOptions({"--profile=tablet", "--quit-after-show"});
  EXPECT_TRUE(t.error.isEmpty() && t.profile == Profile::Tablet && t.quitAfterShow && t.photo.isEmpty());
  for (const QStringList& args :
       {QStringList{"--profile", "watch"}, QStringList{"--screen-height", "500"}, QStringList{"--scale", "0"},
        QStringList{"--scale", "x"}, QStringList{"--profile"}, QStringList{"--frobnicate"},
        QStringList{"a.jpg", "b.jpg"}, QStringList{"--profile", "tablet", "--screen-height", "568"}})
    EXPECT_FALSE(app::parseLaunchOptions(args).error.isEmpty()) << args.join(' ').toStdString();
  char prog[] = "vorlane", s[] = "--scale", v[] = "2", bad[] = "--bogus", *argv[] = {prog, s, v, bad};
  EXPECT_TRUE(app::scaleFromArgv(3, argv) == 2.0 && app::scaleFromArgv(4, argv) == 0.0 &&
              app::scaleFromArgv(1, argv) == 0.0);
}

// Automatic: the tablet where 768 x 1024 plus the frame (16 x 48) fits, else
// the phone, 568 high where 568 + 48 fits, else 480. Explicit options win.
TEST(ChooseProfile, ByAvailableScreenUnlessExplicit) {
  const Profile A = Profile::Automatic, P = Profile::Phone, T = Profile::Tablet;
  const std::tuple<Profile, int, QSize, Profile, int> cases[] = {
      {A, 0, {784, 1072}, T, 1024},  {A, 0, {784, 1071}, P, 568},    {A, 0, {1024, 616}, P, 568},
      {A, 0, {1024, 615}, P, 480},   {P, 480, {4000, 3000}, P, 480}, {T, 0, {800, 600}, T, 1024},
      {A, 568, {4000, 3000}, P, 568}};
  for (const auto& [profile, height, screen, want, wantHeight] : cases) {
    app::LaunchOptions options;
    options.profile = profile, options.screenHeight = height;
    const app::ChosenProfile chosen = app::chooseProfile(options, screen);
    EXPECT_TRUE(chosen.profile == want && chosen.screenHeight == wantHeight)
        << screen.width() << "," << height;
    EXPECT_EQ(chosen.windowSize(), want == T ? QSize(768, 1024) : QSize(320, wantHeight));
  }
}

TEST(Delegates, LaunchInstallsTheProfilesControllerAsRootAndKeepsItAcrossBackground) {
  QTemporaryDir dir;
  platform::UserDefaults::setStorageFile(dir.filePath("settings.ini"));
  for (const char* key : {"helphint", "rated"})
    platform::UserDefaults::standardUserDefaults().setBoolForKey(true, key);
  for (const auto& [profile, height, model] : {std::tuple{Profile::Phone, 480, "iPhone"},
                                               {Profile::Phone, 568, "iPhone"},
                                               {Profile::Tablet, 1024, "iPad"}}) {
    SCOPED_TRACE(height);
    auto delegate = app::launch(app::ChosenProfile{profile, height});
    auto* phone = dynamic_cast<app::UniversalTestAppDelegate_iPhone*>(delegate.get());
    auto* tablet = dynamic_cast<app::UniversalTestAppDelegate_iPad*>(delegate.get());
    ASSERT_TRUE(profile == Profile::Tablet ? tablet && !phone : phone && !tablet);
    screen::MainViewController* controller =
        phone ? static_cast<screen::MainViewController*>(phone->viewController()) : tablet->viewController();
    app::AppWindow* window = delegate->window();
    ASSERT_TRUE(controller && window && window->isVisible());
    const QSize size = phone ? QSize(320, height) : QSize(768, 1024);
    EXPECT_TRUE(window->size() == size && window->minimumSize() == size && window->maximumSize() == size);
    EXPECT_TRUE(window->rootViewController() == controller && controller->isViewLoaded());
    EXPECT_EQ(controller->geometry(), QRect(QPoint(0, 0), size));
    EXPECT_EQ(platform::deviceModel(), QString(model));
    EXPECT_TRUE(!phone || platform::screenheight() == float(height)) << platform::screenheight();
    const int type = controller->currenttype();  // background and back changes nothing
    delegate->applicationWillResignActive(), delegate->applicationDidEnterBackground();
    delegate->applicationWillEnterForeground(), delegate->applicationDidBecomeActive();
    EXPECT_TRUE(delegate->mainViewController() == controller && window->isVisible());
    EXPECT_EQ(controller->currenttype(), type);
  }
  platform::UserDefaults::setStorageFile(QString());
}

TEST(Executable, ShowsItsWindowAndQuitsRejectsABadCommandLineAndHelpsWithoutADisplay) {
  QProcess p;  // inherits the test's offscreen platform and private settings folders
  const auto run = [&p](const QStringList& args) {
    p.start(VORLANE_EXE, args);
    return p.waitForFinished(60000) ? p.exitCode() : -1;
  };
  EXPECT_EQ(run({"--profile", "phone", "--screen-height", "568", "--quit-after-show"}), 0);
  EXPECT_EQ(p.readAllStandardOutput().trimmed(), QByteArray("shown"));
  EXPECT_EQ(run({"--profile", "watch"}), 2);
  const QByteArray err = p.readAllStandardError();
  EXPECT_TRUE(err.contains("--profile") && err.contains("usage:")) << err.toStdString();
  QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
  bare.insert("QT_QPA_PLATFORM", "xcb");
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) bare.remove(name);
  p.setProcessEnvironment(bare);
  EXPECT_EQ(run({"--help"}), 0);
  EXPECT_TRUE(p.readAllStandardOutput().startsWith("usage: vorlane"));
}

TEST(DesktopEntry, OpensImagesWithTheApplicationId) {
  QFile file(VORLANE_DESKTOP_FILE);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
  const QString text = QString::fromUtf8(file.readAll());
  EXPECT_TRUE(text.startsWith("[Desktop Entry]\n"));
  QStringList want{"Type=Application", "Name=Vorlane", "Icon=org\\.vorlane\\.vorlane", "Exec=vorlane .*%f.*"};
  // Exactly the formats the photo path reads here, HEIC and AVIF among them.
  const QStringList types = platform::readablePhotoMimeTypes();
  EXPECT_TRUE(types.contains("image/heic") && types.contains("image/avif") && types.contains("image/webp"));
  want << QRegularExpression::escape("MimeType=" + types.join(';') + ';');
  for (const QString& line : want)
    EXPECT_TRUE(QRegularExpression("(?m)^" + line + "$").match(text).hasMatch()) << line.toStdString();
}
