// The command line and the choice of profile.
#include <gtest/gtest.h>

#include "app/LaunchOptions.h"

using app::Profile;

TEST(LaunchOptions, ProfileHeightScaleAndPhoto) {
  const auto o =
      app::parseLaunchOptions({"--profile", "phone", "--screen-height=568", "--scale", "1.5", "a.jpg"});
  EXPECT_TRUE(o.error.isEmpty()) << o.error.toStdString();
  EXPECT_EQ(o.profile, Profile::Phone);
  EXPECT_EQ(o.screenHeight, 568);
  EXPECT_DOUBLE_EQ(o.scale, 1.5);
  EXPECT_EQ(o.photo, QStringLiteral("a.jpg"));
  EXPECT_FALSE(o.quitAfterShow);
  const auto t = app::parseLaunchOptions({"--profile=tablet", "--quit-after-show"});
  EXPECT_TRUE(t.error.isEmpty() && t.profile == Profile::Tablet && t.quitAfterShow && t.photo.isEmpty());
}

TEST(LaunchOptions, BadValuesAreErrors) {
  for (const QStringList& args :
       {QStringList{"--profile", "watch"}, QStringList{"--screen-height", "500"}, QStringList{"--scale", "0"},
        QStringList{"--scale", "x"}, QStringList{"--profile"}, QStringList{"--frobnicate"},
        QStringList{"a.jpg", "b.jpg"}, QStringList{"--profile", "tablet", "--screen-height", "568"}}) {
    SCOPED_TRACE(args.join(' ').toStdString());
    EXPECT_FALSE(app::parseLaunchOptions(args).error.isEmpty());
  }
  // --scale is also read before the application exists, from argv.
  char prog[] = "vorlane", s[] = "--scale", v[] = "2", bad[] = "--bogus";
  char* argv[] = {prog, s, v, bad};
  EXPECT_DOUBLE_EQ(app::scaleFromArgv(3, argv), 2.0);
  EXPECT_DOUBLE_EQ(app::scaleFromArgv(4, argv), 0.0);
  EXPECT_DOUBLE_EQ(app::scaleFromArgv(1, argv), 0.0);
}

// Automatic: the tablet where 768 x 1024 plus the frame (16 x 48) fits, else
// the phone, 568 high where 568 + 48 fits, else 480. Explicit options win.
TEST(ChooseProfile, ByAvailableScreenUnlessExplicit) {
  const Profile A = Profile::Automatic, P = Profile::Phone, T = Profile::Tablet;
  const struct {
    struct {
      Profile profile;
      int screenHeight;
    } options;
    QSize screen;
    Profile want;
    int height;
  } cases[] = {
      {{A, 0}, {1920, 1040}, P, 568},  // 1080p less a panel
      {{A, 0}, {784, 1072}, T, 1024}, {{A, 0}, {784, 1071}, P, 568},    {{A, 0}, {1024, 616}, P, 568},
      {{A, 0}, {1024, 615}, P, 480},  {{P, 0}, {4000, 3000}, P, 568},   {{P, 480}, {4000, 3000}, P, 480},
      {{T, 0}, {800, 600}, T, 1024},  {{A, 568}, {4000, 3000}, P, 568},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(&c - cases);
    app::LaunchOptions options;
    options.profile = c.options.profile;
    options.screenHeight = c.options.screenHeight;
    const app::ChosenProfile chosen = app::chooseProfile(options, c.screen);
    EXPECT_EQ(chosen.profile, c.want);
    EXPECT_EQ(chosen.screenHeight, c.height);
    EXPECT_EQ(chosen.windowSize(), c.want == T ? QSize(768, 1024) : QSize(320, c.height));
  }
}
