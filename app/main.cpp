// SPDX-License-Identifier: GPL-3.0-or-later
// The `vorlane` executable: the desktop window, or the phone or tablet screen.
#include <QApplication>
#include <QCommandLineParser>
#include <QInputDevice>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "app/Launch.h"
#include "app/LaunchOptions.h"
#include "document/SketchDocument.h"
#include "platform/AsyncImageWriter.h"
#include "platform/LibraryMessages.h"
#include "platform/Translations.h"
#include "platform/Version.h"

namespace {

void setIdentity() {
  QCoreApplication::setOrganizationName(QStringLiteral("Vorlane"));
  QCoreApplication::setApplicationName(QStringLiteral("vorlane"));
  QCoreApplication::setApplicationVersion(QString::fromLatin1(platform::kVersion));
}

bool touchScreenAttached() {
  for (const QInputDevice* device : QInputDevice::devices())
    if (device->type() == QInputDevice::DeviceType::TouchScreen) return true;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const app::LaunchOptions early = app::parseLaunchOptions(arguments);
  {
    // Help, the version and errors are answered before a display is needed.
    const app::LaunchOptions& options = early;
    if (options.help || options.version || !options.error.isEmpty()) {
      QCoreApplication core(argc, argv);
      setIdentity();
      platform::installTranslations();
      QCommandLineParser parser;
      app::addLaunchOptions(parser);
      if (!options.error.isEmpty()) {
        // Read again now that the translations are in: the first reading's
        // error is in English, and so are Qt's words in it.
        const QString error = app::parseLaunchOptions(arguments).error;
        //: Keep the command "vorlane --help" as it is.
        const QString tryHelp = QCoreApplication::translate("vorlane", "Try 'vorlane --help'.");
        std::fprintf(stderr, "vorlane: %s\n%s\n", qPrintable(error), qPrintable(tryHelp));
        return 2;
      }
      if (options.help) {
        std::fputs(qPrintable(parser.helpText()), stdout);
      } else {
        std::printf("vorlane %s\n%s", platform::kVersion,
                    qPrintable(QCoreApplication::translate("vorlane", platform::kLicenceNote)));
      }
      return 0;
    }
  }
  // Qt reads its scale factor once, when the application object is made.
  if (early.scale > 0) qputenv("QT_SCALE_FACTOR", QByteArray::number(early.scale));

  QApplication application(argc, argv);
  platform::routeEngineDiagnosticsToLog();  // each on a line of its own
  setIdentity();
  platform::installTranslations();
  QApplication::setDesktopFileName(QStringLiteral(VORLANE_APP_ID));

  const app::LaunchOptions options = app::parseLaunchOptions(QApplication::arguments().mid(1));
  app::ScreenFacts facts;
  facts.available = QSize(1280, 800);
  if (QScreen* screen = QGuiApplication::primaryScreen())
    facts.available = screen->availableGeometry().size();
  facts.touch = touchScreenAttached();
  const app::Launched launched = app::launch(app::chooseProfile(options, facts));

  QTimer::singleShot(0, launched.window(), [&options, &launched] {
    if (options.quitAfterShow) {
      // The first frame is painted before the time is taken.
      launched.window()->repaint();
      std::printf("shown\n");
      std::fflush(stdout);
      QCoreApplication::quit();
      return;
    }
    if (!options.photo.isEmpty()) launched.document()->openFile(options.photo);
  });
  const int code = application.exec();
  // A picture still being written (the scratch file of the last render) is
  // finished while Qt's image writers are still there to finish it.
  platform::AsyncImageWriter::shared().waitForIdle();
  return code;
}
