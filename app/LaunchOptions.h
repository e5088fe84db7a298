// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line of the `vorlane` executable and the choice of layout profile.
#include <QCommandLineParser>
#include <QSize>
#include <QString>
#include <QStringList>

namespace app {

enum class Profile { Automatic, Phone, Tablet, Desktop };

struct LaunchOptions {
  Profile profile = Profile::Automatic;
  int screenHeight = 0;  // 480 or 568 for the phone; 0 = choose
  double scale = 0;      // desktop scale factor; 0 = leave Qt's own
  QString photo;         // a photo to open at start; empty = none
  bool quitAfterShow = false;
  bool help = false;
  bool version = false;
  QString error;  // set when the command line is not understood
};

// The parser with every option of `vorlane` (its help text lists them).
void addLaunchOptions(QCommandLineParser& parser);

// Parses arguments (argv without the program name).
LaunchOptions parseLaunchOptions(const QStringList& arguments);

// What is known of the screen when the profile is chosen.
struct ScreenFacts {
  QSize available;     // the primary screen's available area, logical pixels
  bool touch = false;  // a touch screen is attached
};

struct ChosenProfile {
  Profile profile = Profile::Desktop;  // never Automatic
  int screenHeight = 480;              // the phone's height; 1024 for the tablet
  bool maximised = false;              // a phone profile chosen for a phone's screen
  // The fixed window of the phone and tablet profiles.
  QSize windowSize() const {
    return profile == Profile::Tablet ? QSize(768, 1024) : QSize(320, screenHeight);
  }
};

// Room the window frame takes around the window's content.
inline constexpr QSize kWindowFrameAllowance{16, 48};
// A portrait touch screen narrower than this is a phone's.
inline constexpr int kPhoneScreenWidth = 600;

// Explicit options win (--screen-height alone means the phone). Otherwise the
// phone, maximised, on a portrait touch screen narrower than 600 logical pixels,
// and the desktop layout everywhere else. The phone is 568 high where that fits
// (with the frame, unless maximised), else 480.
ChosenProfile chooseProfile(const LaunchOptions& options, const ScreenFacts& screen);

}  // namespace app
