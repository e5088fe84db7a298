#pragma once
// The command line of the `vorlane` executable and the choice of layout profile.
#include <QSize>
#include <QString>
#include <QStringList>

namespace app {

enum class Profile { Automatic, Phone, Tablet };

struct LaunchOptions {
  Profile profile = Profile::Automatic;
  int screenHeight = 0;  // 480 or 568 for the phone; 0 = choose
  double scale = 0;      // desktop scale factor; 0 = leave Qt's own
  QString photo;         // a photo to open at start; empty = the bundled sample
  bool quitAfterShow = false;
  QString error;  // set when the command line is not understood
};

// Parses arguments (argv without the program name).
LaunchOptions parseLaunchOptions(const QStringList& arguments);

// The --scale value found in argv, or 0. Read before the application object
// exists, because Qt takes its scale factor from the environment at start.
double scaleFromArgv(int argc, char** argv);

struct ChosenProfile {
  Profile profile = Profile::Phone;  // never Automatic
  int screenHeight = 480;            // the phone's height; 1024 for the tablet
  QSize windowSize() const {
    return profile == Profile::Tablet ? QSize(768, 1024) : QSize(320, screenHeight);
  }
};

// Room the window frame takes around the window's content.
inline constexpr QSize kWindowFrameAllowance{16, 48};

// Without explicit options: the tablet where the available screen area takes a
// 768 x 1024 window with its frame, else the phone, 568 high where that fits,
// else 480. Explicit options always win.
ChosenProfile chooseProfile(const LaunchOptions& options, QSize availableScreen);

}  // namespace app
