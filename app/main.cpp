// The `vorlane` executable: one portrait window with the main screen of the
// phone or tablet profile.
#include <QApplication>
#include <QFileOpenEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "app/Launch.h"
#include "app/LaunchOptions.h"
#include "platform/LibraryMessages.h"
#include "screen/MainViewController.h"

namespace {

const char* const kUsage =
    "usage: vorlane [--profile phone|tablet] [--screen-height 480|568] [--scale F] [PHOTO]\n";

}  // namespace

int main(int argc, char** argv) {
  // Help must work without a display, so it is answered before Qt starts.
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(kUsage, stdout);
      return 0;
    }
  }
  // Qt reads its scale factor once, when the application object is made.
  if (const double scale = app::scaleFromArgv(argc, argv); scale > 0)
    qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));

  QApplication application(argc, argv);
  platform::routeEngineDiagnosticsToLog();  // each on a line of its own
  QApplication::setOrganizationName(QStringLiteral("Vorlane"));
  QApplication::setApplicationName(QStringLiteral("vorlane"));
  QApplication::setDesktopFileName(QStringLiteral(VORLANE_APP_ID));

  const app::LaunchOptions options = app::parseLaunchOptions(QApplication::arguments().mid(1));
  if (!options.error.isEmpty()) {
    std::fprintf(stderr, "vorlane: %s\n%s", qPrintable(options.error), kUsage);
    return 2;
  }
  QSize available(768 + 200, 1024 + 200);
  if (QScreen* screen = QGuiApplication::primaryScreen()) available = screen->availableGeometry().size();
  const app::ChosenProfile profile = app::chooseProfile(options, available);

  std::unique_ptr<app::UniversalTestAppDelegate> delegate = app::launch(profile);
  screen::MainViewController* controller = delegate->mainViewController();

  QTimer::singleShot(0, controller, [&options, controller] {
    if (options.quitAfterShow) {
      std::printf("shown\n");
      std::fflush(stdout);
      QCoreApplication::quit();
      return;
    }
    controller->pickPhotoFile(options.photo.isEmpty() ? QString::fromLatin1(app::kSamplePhoto)
                                                      : options.photo);
  });
  return application.exec();
}
