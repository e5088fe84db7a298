#include "app/LaunchOptions.h"

namespace app {

LaunchOptions parseLaunchOptions(const QStringList& arguments) {
  LaunchOptions options;
  auto fail = [&options](const QString& message) {
    if (options.error.isEmpty()) options.error = message;
  };
  for (int i = 0; i < arguments.size(); ++i) {
    QString arg = arguments.at(i);
    QString value;
    bool hasValue = false;
    if (arg.startsWith(QLatin1String("--")) && arg.contains(QLatin1Char('='))) {
      value = arg.mid(arg.indexOf(QLatin1Char('=')) + 1);
      arg = arg.left(arg.indexOf(QLatin1Char('=')));
      hasValue = true;
    }
    auto takeValue = [&]() -> bool {
      if (hasValue) return true;
      if (i + 1 >= arguments.size()) {
        fail(QStringLiteral("%1 needs a value").arg(arg));
        return false;
      }
      value = arguments.at(++i);
      return true;
    };
    if (arg == QLatin1String("--profile")) {
      if (!takeValue()) continue;
      if (value == QLatin1String("phone"))
        options.profile = Profile::Phone;
      else if (value == QLatin1String("tablet"))
        options.profile = Profile::Tablet;
      else
        fail(QStringLiteral("--profile takes phone or tablet, not %1").arg(value));
    } else if (arg == QLatin1String("--screen-height")) {
      if (!takeValue()) continue;
      if (value == QLatin1String("480") || value == QLatin1String("568"))
        options.screenHeight = value.toInt();
      else
        fail(QStringLiteral("--screen-height takes 480 or 568, not %1").arg(value));
    } else if (arg == QLatin1String("--scale")) {
      if (!takeValue()) continue;
      bool ok = false;
      const double scale = value.toDouble(&ok);
      if (ok && scale >= 0.25 && scale <= 8.0)
        options.scale = scale;
      else
        fail(QStringLiteral("--scale takes a factor from 0.25 to 8, not %1").arg(value));
    } else if (arg == QLatin1String("--quit-after-show") && !hasValue) {
      options.quitAfterShow = true;
    } else if (arg.startsWith(QLatin1Char('-')) && arg != QLatin1String("-")) {
      fail(QStringLiteral("unknown option %1").arg(arg));
    } else if (options.photo.isEmpty()) {
      options.photo = arguments.at(i);
    } else {
      fail(QStringLiteral("only one photo can be opened"));
    }
  }
  // A screen height only means something for the phone.
  if (options.screenHeight != 0 && options.profile == Profile::Tablet)
    fail(QStringLiteral("--screen-height applies to the phone profile only"));
  return options;
}

double scaleFromArgv(int argc, char** argv) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const LaunchOptions options = parseLaunchOptions(arguments);
  return options.error.isEmpty() ? options.scale : 0.0;
}

ChosenProfile chooseProfile(const LaunchOptions& options, QSize availableScreen) {
  auto fits = [&](int w, int h) {
    return availableScreen.width() >= w + kWindowFrameAllowance.width() &&
           availableScreen.height() >= h + kWindowFrameAllowance.height();
  };
  ChosenProfile chosen;
  Profile profile = options.profile;
  if (profile == Profile::Automatic) {
    if (options.screenHeight != 0)
      profile = Profile::Phone;
    else
      profile = fits(768, 1024) ? Profile::Tablet : Profile::Phone;
  }
  chosen.profile = profile;
  if (profile == Profile::Tablet) {
    chosen.screenHeight = 1024;
  } else if (options.screenHeight != 0) {
    chosen.screenHeight = options.screenHeight;
  } else {
    chosen.screenHeight = fits(320, 568) ? 568 : 480;
  }
  return chosen;
}

}  // namespace app
