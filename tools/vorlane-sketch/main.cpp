// vorlane-sketch [--style N] [--texture FILE] INPUT OUTPUT
// vorlane-sketch --out-dir DIR [--style N|all] [--texture FILE] [--format png|jpg] [--jobs N] [--quality Q]
// INPUT...
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

#include "tools/vorlane-sketch/SketchCommand.h"

namespace {

// Qt's decoders report damaged files through the log as well; the command
// reports every failure itself in one line, so only critical messages pass.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char** argv) {
  // Parsed before Qt sees them: QGuiApplication would take options such as
  // -reverse or -platform out of the list.
  QStringList args;
  for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  QString error;
  const std::optional<vorlane_sketch::Options> options = vorlane_sketch::parseArguments(args, &error);
  if (!options) {
    std::fprintf(stderr, "vorlane-sketch: %s\n%s", qPrintable(error),
                 qPrintable(vorlane_sketch::usageText()));
    return vorlane_sketch::kExitUsage;
  }
  if (options->help || options->version) {
    std::fputs(qPrintable(options->help ? vorlane_sketch::usageText() : vorlane_sketch::versionText()),
               stdout);
    return vorlane_sketch::kExitOk;
  }

  // No window is ever shown: work without a display unless told otherwise.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(quietMessages);
  int qtArgc = 1;
  QGuiApplication app(qtArgc, argv);
  return vorlane_sketch::run(*options);
}
