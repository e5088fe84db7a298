// SPDX-License-Identifier: GPL-3.0-or-later
// The command line, the choice of profile, the delegates' windows and the executable.
#include <gtest/gtest.h>

#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>

#include "app/Launch.h"
#include "app/UniversalTestAppDelegate_iPad.h"
#include "app/UniversalTestAppDelegate_iPhone.h"
#include "document/SketchDocument.h"
#include "platform/DeviceProfile.h"
#include "platform/PhotoDecoder.h"
#include "platform/UserDefaults.h"
#include "platform/Version.h"
#include "screen/MainViewController.h"

using app::Profile;

TEST(LaunchOptions, GoodAndBadCommandLines) {
  const auto o =
      app::parseLaunchOptions({"--profile", "phone", "--screen-height=568", "--scale", "1.5", "a.jpg"});
  EXPECT_TRUE(o.error.isEmpty()) << o.error.toStdString();
  EXPECT_EQ(std::tuple(o.profile, o.screenHeight, o.scale, o.photo, o.quitAfterShow),
            std::tuple(Profile::Phone, 568, 1.5, QStringLiteral("a.jpg"), false));
  const auto t = app::parseLaunchOptions({"--profile=tablet", "--quit-after-show"});
  EXPECT_EQ(std::tuple(t.profile, t.quitAfterShow, t.photo), std::tuple(Profile::Tablet, true, QString()));
  EXPECT_EQ(app::parseLaunchOptions({"--profile", "desktop"}).profile, Profile::Desktop);
  EXPECT_TRUE(app::parseLaunchOptions({"--version"}).version);
  EXPECT_TRUE(app::parseLaunchOptions({"-h"}).help);
  // Each bad line is refused with a message naming what is wrong.
  for (const auto& [args, named] : std::initializer_list<std::pair<QStringList, const char*>>{
           {{"--profile", "watch"}, "watch"},
           {{"--screen-height", "500"}, "500"},
           {{"--scale", "0"}, "--scale"},
           {{"--scale", "x"}, "--scale"},
           {{"--profile"}, "profile"},
           {{"--frobnicate"}, "frobnicate"},
           {{"a.jpg", "b.jpg"}, "one photo"},
           {{"--profile", "tablet", "--screen-height", "568"}, "phone profile only"},
           {{"--profile", "desktop", "--screen-height", "480"}, "phone profile only"}}) {
    const QString error = app::parseLaunchOptions(args).error;
    EXPECT_TRUE(error.contains(named)) << args.join(' ').toStdString() << ": " << error.toStdString();
  }
  EXPECT_EQ(app::parseLaunchOptions({}).scale, 0.0);
}

// Automatic: the phone, maximised, on a portrait touch screen narrower than 600
// pixels; the desktop everywhere else. Explicit options win; the phone is 568
// high where that fits (with a 48-pixel frame unless maximised), else 480.
TEST(ChooseProfile, PhoneOnlyOnAPhoneScreenUnlessExplicit) {
  const Profile A = Profile::Automatic, P = Profile::Phone, T = Profile::Tablet, D = Profile::Desktop;
  struct Case {
    Profile asked;
    int height;
    QSize screen;
    bool touch;
    Profile want;
    int wantHeight;
    bool maximised;
  };
  const Case cases[] = {
      {A, 0, {1920, 1050}, false, D, 568, false}, {A, 0, {1920, 1050}, true, D, 568, false},
      {A, 0, {360, 690}, true, P, 568, true},     {A, 0, {599, 900}, true, P, 568, true},
      {A, 0, {600, 900}, true, D, 568, false},    {A, 0, {360, 690}, false, D, 568, false},
      {A, 0, {690, 360}, true, D, 480, false},    {A, 0, {320, 567}, true, P, 480, true},
      {A, 0, {320, 568}, true, P, 568, true},     {P, 0, {1024, 616}, false, P, 568, false},
      {P, 0, {1024, 615}, false, P, 480, false},  {P, 480, {4000, 3000}, false, P, 480, false},
      {T, 0, {800, 600}, false, T, 1024, false},  {A, 568, {4000, 3000}, false, P, 568, false},
      {D, 0, {360, 690}, true, D, 568, false}};
  for (const Case& c : cases) {
    app::LaunchOptions options;
    options.profile = c.asked, options.screenHeight = c.height;
    const app::ChosenProfile chosen = app::chooseProfile(options, {c.screen, c.touch});
    SCOPED_TRACE(testing::Message() << c.screen.width() << "x" << c.screen.height() << " touch " << c.touch);
    EXPECT_EQ(chosen.profile, c.want);
    EXPECT_EQ(chosen.maximised, c.maximised);
    if (c.want != D) {
      EXPECT_EQ(chosen.screenHeight, c.want == T ? 1024 : c.wantHeight);
    }
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
    const app::Launched launched = app::launch(app::ChosenProfile{profile, height});
    app::UniversalTestAppDelegate* delegate = launched.delegate.get();
    EXPECT_EQ(launched.window(), delegate->window());
    auto* phone = dynamic_cast<app::UniversalTestAppDelegate_iPhone*>(delegate);
    auto* tablet = dynamic_cast<app::UniversalTestAppDelegate_iPad*>(delegate);
    ASSERT_EQ(tablet != nullptr, profile == Profile::Tablet);
    ASSERT_EQ(phone != nullptr, profile != Profile::Tablet);
    screen::MainViewController* controller =
        phone ? static_cast<screen::MainViewController*>(phone->viewController()) : tablet->viewController();
    app::AppWindow* window = delegate->window();
    ASSERT_NE(controller, nullptr);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->isVisible());
    const QSize size = phone ? QSize(320, height) : QSize(768, 1024);  // fixed
    EXPECT_EQ(std::tuple(window->size(), window->minimumSize(), window->maximumSize()),
              std::tuple(size, size, size));
    EXPECT_EQ(window->rootViewController(), controller);
    EXPECT_TRUE(controller->isViewLoaded());
    EXPECT_EQ(controller->geometry(), QRect(QPoint(0, 0), size));
    EXPECT_EQ(platform::deviceModel(), QString(model));
    EXPECT_TRUE(!phone || platform::screenheight() == float(height)) << platform::screenheight();
    const int type = controller->document()->currenttype();  // background and back changes nothing
    delegate->applicationWillResignActive(), delegate->applicationDidEnterBackground();
    delegate->applicationWillEnterForeground(), delegate->applicationDidBecomeActive();
    EXPECT_EQ(delegate->mainViewController(), controller);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(controller->document()->currenttype(), type);
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
  EXPECT_TRUE(err.contains("watch")) << err.toStdString();
  EXPECT_TRUE(err.contains("vorlane --help")) << err.toStdString();
  QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
  bare.insert("QT_QPA_PLATFORM", "xcb");
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) bare.remove(name);
  p.setProcessEnvironment(bare);
  EXPECT_EQ(run({"--help"}), 0);
  const QByteArray help = p.readAllStandardOutput();
  EXPECT_TRUE(help.startsWith("Usage: ")) << help.toStdString();
  for (const char* option : {"--profile <desktop|phone|tablet>", "--screen-height", "--scale", "--version"})
    EXPECT_TRUE(help.contains(option)) << option;
  EXPECT_FALSE(help.contains("quit-after-show"));
  EXPECT_EQ(run({"--version"}), 0);
  EXPECT_TRUE(p.readAllStandardOutput().startsWith("vorlane " VORLANE_VERSION "\n"));
}

// Under the C locale the error lines and the version are the English texts exactly. Under German, an
// error worded by Qt's parser is in Qt's German: the command line is read (again) once the translations
// are in.
TEST(Executable, SaysItsErrorsAndVersionInTheSessionsLanguage) {
  QProcess p;
  const auto run = [&p](const QStringList& args, const QByteArrayList& env) {
    QProcessEnvironment language = QProcessEnvironment::systemEnvironment();
    for (const QByteArray& e : env) {
      const qsizetype equals = e.indexOf('=');
      language.insert(QString::fromLatin1(e.left(equals)), QString::fromLatin1(e.mid(equals + 1)));
    }
    p.setProcessEnvironment(language);
    p.start(VORLANE_EXE, args);
    return p.waitForFinished(60000) ? p.exitCode() : -1;
  };
  const QByteArrayList c{"LANGUAGE=C", "LANG=C", "LC_ALL=C"};
  for (const auto& [args, line] : std::initializer_list<std::pair<QStringList, QByteArray>>{
           {{"--profile", "watch"}, "--profile takes desktop, phone or tablet, not watch"},
           {{"--screen-height", "500"}, "--screen-height takes 480 or 568, not 500"},
           {{"--scale", "x"}, "--scale takes a factor from 0.25 to 8, not x"},
           {{"a.jpg", "b.jpg"}, "only one photo can be opened"},
           {{"--profile", "desktop", "--screen-height", "480"},
            "--screen-height applies to the phone profile only"},
           {{"--frobnicate"}, "Unknown option 'frobnicate'."}}) {
    EXPECT_EQ(run(args, c), 2) << args.join(' ').toStdString();
    EXPECT_EQ(p.readAllStandardError(), "vorlane: " + line + "\nTry 'vorlane --help'.\n");
  }
  EXPECT_EQ(run({"--version"}, c), 0);
  EXPECT_EQ(p.readAllStandardOutput(),
            "vorlane " VORLANE_VERSION
            "\n"
            "Copyright (C) 2026 Vorlane developers.\n"
            "License GPL-3.0-or-later: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
            "This is free software: you are free to change and redistribute it.\n"
            "There is NO WARRANTY, to the extent permitted by law.\n");

  QTranslator qt;
  if (!qt.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    GTEST_SKIP() << "Qt's German translation is not installed";
  const QString german = qt.translate("QCommandLineParser", "Missing value after '%1'.").arg("--profile");
  ASSERT_FALSE(german.isEmpty());
  ASSERT_NE(german, "Missing value after '--profile'.");
  EXPECT_EQ(run({"--profile"}, {"LANGUAGE=de", "LANG=de_DE.UTF-8", "LC_ALL=de_DE.UTF-8"}), 2);
  EXPECT_EQ(QString::fromUtf8(p.readAllStandardError()).section('\n', 0, 0), "vorlane: " + german);
}

// The desktop offers Vorlane for exactly the formats the photo path reads here,
// and its paintings (desktop-file-validate checks the rest of the entry).
TEST(DesktopEntry, ListsExactlyTheReadableTypes) {
  QFile file(VORLANE_DESKTOP_FILE);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
  QStringList listed;
  for (const QString& line : QString::fromUtf8(file.readAll()).split('\n'))
    if (line.startsWith("MimeType=")) listed = line.mid(9).split(';', Qt::SkipEmptyParts);
  const QStringList types = platform::readablePhotoMimeTypes();
  EXPECT_EQ(listed, types + QStringList{"application/x-vorlane"});
  for (const char* type : {"image/heic", "image/avif", "image/webp", "image/jpeg", "image/png", "image/tiff"})
    EXPECT_TRUE(types.contains(type)) << type;
}
