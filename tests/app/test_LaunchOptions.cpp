// The command line and the choice of profile.
#include <gtest/gtest.h>

#include "app/LaunchOptions.h"

using app::chooseProfile;
using app::parseLaunchOptions;
using app::Profile;

TEST(LaunchOptions, ProfileHeightScaleAndPhoto) {
  const auto o = parseLaunchOptions({"--profile", "phone", "--screen-height=568", "--scale", "1.5", "a.jpg"});
  EXPECT_TRUE(o.error.isEmpty()) << o.error.toStdString();
  EXPECT_EQ(o.profile, Profile::Phone);
  EXPECT_EQ(o.screenHeight, 568);
  EXPECT_DOUBLE_EQ(o.scale, 1.5);
  EXPECT_EQ(o.photo, QStringLiteral("a.jpg"));
  EXPECT_FALSE(o.quitAfterShow);
  const auto t = parseLaunchOptions({"--profile=tablet", "--quit-after-show"});
  EXPECT_TRUE(t.error.isEmpty());
  EXPECT_EQ(t.profile, Profile::Tablet);
  EXPECT_TRUE(t.quitAfterShow);
  EXPECT_TRUE(t.photo.isEmpty());
}

TEST(LaunchOptions, BadValuesAreErrors) {
  for (const QStringList& args :
       {QStringList{"--profile", "watch"}, QStringList{"--screen-height", "500"}, QStringList{"--scale", "0"},
        QStringList{"--scale", "x"}, QStringList{"--profile"}, QStringList{"--frobnicate"},
        QStringList{"a.jpg", "b.jpg"}, QStringList{"--profile", "tablet", "--screen-height", "568"}}) {
    SCOPED_TRACE(args.join(' ').toStdString());
    EXPECT_FALSE(parseLaunchOptions(args).error.isEmpty());
  }
}

TEST(LaunchOptions, ScaleIsFoundBeforeTheApplicationExists) {
  char prog[] = "vorlane", s[] = "--scale", v[] = "2", bad[] = "--bogus";
  char* good[] = {prog, s, v};
  EXPECT_DOUBLE_EQ(app::scaleFromArgv(3, good), 2.0);
  char* wrong[] = {prog, s, v, bad};
  EXPECT_DOUBLE_EQ(app::scaleFromArgv(4, wrong), 0.0);
  char* none[] = {prog};
  EXPECT_DOUBLE_EQ(app::scaleFromArgv(1, none), 0.0);
}

TEST(ChooseProfile, AutomaticChoiceByAvailableScreen) {
  const app::LaunchOptions automatic;
  EXPECT_EQ(chooseProfile(automatic, QSize(1920, 1040)).profile, Profile::Phone);  // 1080p less a panel
  EXPECT_EQ(chooseProfile(automatic, QSize(1920, 1040)).screenHeight, 568);
  EXPECT_EQ(chooseProfile(automatic, QSize(2560, 1400)).profile, Profile::Tablet);
  EXPECT_EQ(chooseProfile(automatic, QSize(2560, 1400)).windowSize(), QSize(768, 1024));
  // The frame counts: 1024 + 48 just fits, one pixel less does not.
  EXPECT_EQ(chooseProfile(automatic, QSize(784, 1072)).profile, Profile::Tablet);
  EXPECT_EQ(chooseProfile(automatic, QSize(784, 1071)).profile, Profile::Phone);
  EXPECT_EQ(chooseProfile(automatic, QSize(1024, 616)).screenHeight, 568);
  EXPECT_EQ(chooseProfile(automatic, QSize(1024, 615)).screenHeight, 480);
  EXPECT_EQ(chooseProfile(automatic, QSize(1024, 615)).windowSize(), QSize(320, 480));
}

TEST(ChooseProfile, ExplicitOptionsWin) {
  app::LaunchOptions phone;
  phone.profile = Profile::Phone;
  EXPECT_EQ(chooseProfile(phone, QSize(4000, 3000)).profile, Profile::Phone);
  phone.screenHeight = 480;
  EXPECT_EQ(chooseProfile(phone, QSize(4000, 3000)).screenHeight, 480);
  app::LaunchOptions tablet;
  tablet.profile = Profile::Tablet;
  EXPECT_EQ(chooseProfile(tablet, QSize(800, 600)).profile, Profile::Tablet);
  app::LaunchOptions heightOnly;
  heightOnly.screenHeight = 568;
  EXPECT_EQ(chooseProfile(heightOnly, QSize(4000, 3000)).profile, Profile::Phone);
}
