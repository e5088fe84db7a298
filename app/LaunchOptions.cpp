// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LaunchOptions.h"

namespace app {

namespace {

const QString kProfile = QStringLiteral("profile");
const QString kScreenHeight = QStringLiteral("screen-height");
const QString kScale = QStringLiteral("scale");
const QString kQuitAfterShow = QStringLiteral("quit-after-show");

}  // namespace

void addLaunchOptions(QCommandLineParser& parser) {
  parser.setApplicationDescription(
      QStringLiteral("Turns a photo into a pencil sketch and lets you paint the colour back."));
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addOption(
      {kProfile,
       QStringLiteral("Layout: desktop (a resizable window with menus), phone (320 points wide) or "
                      "tablet (768 x 1024). Default: phone on a portrait touch screen narrower than "
                      "600 pixels, desktop elsewhere."),
       QStringLiteral("desktop|phone|tablet")});
  parser.addOption({kScreenHeight, QStringLiteral("The phone layout's height (implies --profile phone)."),
                    QStringLiteral("480|568")});
  parser.addOption(
      {kScale, QStringLiteral("Enlarge the whole window by this factor, 0.25 to 8 (as QT_SCALE_FACTOR)."),
       QStringLiteral("F")});
  QCommandLineOption quit(kQuitAfterShow, QStringLiteral("Quit once the window is shown (for timing)."));
  quit.setFlags(QCommandLineOption::HiddenFromHelp);
  parser.addOption(quit);
  parser.addPositionalArgument(QStringLiteral("PHOTO"), QStringLiteral("A photo to open."),
                               QStringLiteral("[PHOTO]"));
}

LaunchOptions parseLaunchOptions(const QStringList& arguments) {
  LaunchOptions options;
  QCommandLineParser parser;
  addLaunchOptions(parser);
  if (!parser.parse(QStringList{QStringLiteral("vorlane")} + arguments)) {
    options.error = parser.errorText();
    return options;
  }
  auto fail = [&options](const QString& message) {
    if (options.error.isEmpty()) options.error = message;
  };
  options.help = parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"));
  options.version = parser.isSet(QStringLiteral("version"));
  options.quitAfterShow = parser.isSet(kQuitAfterShow);
  if (parser.isSet(kProfile)) {
    const QString value = parser.value(kProfile);
    if (value == QLatin1String("phone"))
      options.profile = Profile::Phone;
    else if (value == QLatin1String("tablet"))
      options.profile = Profile::Tablet;
    else if (value == QLatin1String("desktop"))
      options.profile = Profile::Desktop;
    else
      fail(QStringLiteral("--profile takes desktop, phone or tablet, not %1").arg(value));
  }
  if (parser.isSet(kScreenHeight)) {
    const QString value = parser.value(kScreenHeight);
    if (value == QLatin1String("480") || value == QLatin1String("568"))
      options.screenHeight = value.toInt();
    else
      fail(QStringLiteral("--screen-height takes 480 or 568, not %1").arg(value));
  }
  if (parser.isSet(kScale)) {
    bool ok = false;
    const double scale = parser.value(kScale).toDouble(&ok);
    if (ok && scale >= 0.25 && scale <= 8.0)
      options.scale = scale;
    else
      fail(QStringLiteral("--scale takes a factor from 0.25 to 8, not %1").arg(parser.value(kScale)));
  }
  const QStringList photos = parser.positionalArguments();
  if (photos.size() > 1) fail(QStringLiteral("only one photo can be opened"));
  if (!photos.isEmpty()) options.photo = photos.first();
  // A screen height only means something for the phone.
  if (options.screenHeight != 0 && options.profile != Profile::Automatic && options.profile != Profile::Phone)
    fail(QStringLiteral("--screen-height applies to the phone profile only"));
  return options;
}

ChosenProfile chooseProfile(const LaunchOptions& options, const ScreenFacts& screen) {
  const QSize available = screen.available;
  ChosenProfile chosen;
  Profile profile = options.profile;
  if (profile == Profile::Automatic) {
    const bool phoneScreen =
        screen.touch && available.height() > available.width() && available.width() < kPhoneScreenWidth;
    if (options.screenHeight != 0 || phoneScreen) {
      profile = Profile::Phone;
      chosen.maximised = phoneScreen;
    } else {
      profile = Profile::Desktop;
    }
  }
  chosen.profile = profile;
  const QSize frame = chosen.maximised ? QSize(0, 0) : kWindowFrameAllowance;
  if (profile == Profile::Tablet) {
    chosen.screenHeight = 1024;
  } else if (options.screenHeight != 0) {
    chosen.screenHeight = options.screenHeight;
  } else {
    chosen.screenHeight = available.height() >= 568 + frame.height() ? 568 : 480;
  }
  return chosen;
}

}  // namespace app
