// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LaunchOptions.h"

#include <QCoreApplication>

namespace app {

namespace {

const QString kProfile = QStringLiteral("profile");
const QString kScreenHeight = QStringLiteral("screen-height");
const QString kScale = QStringLiteral("scale");
const QString kQuitAfterShow = QStringLiteral("quit-after-show");

}  // namespace

void addLaunchOptions(QCommandLineParser& parser) {
  // The texts are read when the parser is made: after the translations are in.
  parser.setApplicationDescription(QCoreApplication::translate(
      "vorlane", "Turns a photo into a pencil sketch and lets you paint the colour back."));
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.addHelpOption();
  parser.addVersionOption();
  //: Help of --profile. desktop, phone and tablet are the values it takes: keep them as they are.
  parser.addOption({kProfile,
                    QCoreApplication::translate(
                        "vorlane",
                        "Layout: desktop (a resizable window with menus), phone (320 points wide) or "
                        "tablet (768 x 1024). Default: phone on a portrait touch screen narrower than "
                        "600 pixels, desktop elsewhere."),
                    QStringLiteral("desktop|phone|tablet")});
  //: Help of --screen-height. Keep "--profile phone" as it is: it is typed so.
  parser.addOption(
      {kScreenHeight,
       QCoreApplication::translate("vorlane", "The phone layout's height (implies --profile phone)."),
       QStringLiteral("480|568")});
  //: Help of --scale. QT_SCALE_FACTOR is an environment variable's name: keep it.
  parser.addOption(
      {kScale,
       QCoreApplication::translate(
           "vorlane", "Enlarge the whole window by this factor, 0.25 to 8 (as QT_SCALE_FACTOR)."),
       QStringLiteral("F")});
  QCommandLineOption quit(kQuitAfterShow, QStringLiteral("Quit once the window is shown (for timing)."));
  quit.setFlags(QCommandLineOption::HiddenFromHelp);
  parser.addOption(quit);
  //: Help of the PHOTO argument.
  parser.addPositionalArgument(QStringLiteral("PHOTO"),
                               QCoreApplication::translate("vorlane", "A photo to open."),
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
      //: %1 is the option --profile; desktop, phone and tablet are the values it takes: keep them. %2 is
      //: what was given.
      fail(QCoreApplication::translate("vorlane", "%1 takes desktop, phone or tablet, not %2")
               .arg(QStringLiteral("--profile"), value));
  }
  if (parser.isSet(kScreenHeight)) {
    const QString value = parser.value(kScreenHeight);
    if (value == QLatin1String("480") || value == QLatin1String("568"))
      options.screenHeight = value.toInt();
    else
      //: %1 is the option --screen-height; %2 what was given.
      fail(QCoreApplication::translate("vorlane", "%1 takes 480 or 568, not %2")
               .arg(QStringLiteral("--screen-height"), value));
  }
  if (parser.isSet(kScale)) {
    bool ok = false;
    const double scale = parser.value(kScale).toDouble(&ok);
    if (ok && scale >= 0.25 && scale <= 8.0)
      options.scale = scale;
    else
      //: %1 is the option --scale; %2 what was given.
      fail(QCoreApplication::translate("vorlane", "%1 takes a factor from 0.25 to 8, not %2")
               .arg(QStringLiteral("--scale"), parser.value(kScale)));
  }
  const QStringList photos = parser.positionalArguments();
  if (photos.size() > 1) fail(QCoreApplication::translate("vorlane", "only one photo can be opened"));
  if (!photos.isEmpty()) options.photo = photos.first();
  // A screen height only means something for the phone.
  if (options.screenHeight != 0 && options.profile != Profile::Automatic && options.profile != Profile::Phone)
    //: %1 is the option --screen-height.
    fail(QCoreApplication::translate("vorlane", "%1 applies to the phone profile only")
             .arg(QStringLiteral("--screen-height")));
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
