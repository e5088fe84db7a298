// SPDX-License-Identifier: GPL-3.0-or-later
// vorlane-sketch [--style N] [--texture FILE] INPUT OUTPUT
// vorlane-sketch --out-dir DIR [--style N|all] [--texture FILE] [--format png|jpg] [--jobs N] [--quality Q]
// [--skip-existing] INPUT...
#include <QGuiApplication>
#include <QStringList>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "platform/ImageWorkThread.h"
#include "platform/LibraryMessages.h"
#include "platform/Translations.h"
#include "tools/vorlane-sketch/PhotoSketcher.h"
#include "tools/vorlane-sketch/SketchCommand.h"

int main(int argc, char** argv) {
  // A file-size limit (ulimit -f) then fails the write, which is reported,
  // instead of killing the program halfway through a batch.
  std::signal(SIGXFSZ, SIG_IGN);
  // No window is ever shown: work without a display unless told otherwise.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The command reports every failure itself, in one line: Qt's, the codecs'
  // and the engine's messages show only when a logging rule asks for them.
  platform::keepLibraryMessagesQuiet();
  // Qt is given no arguments: it would take options such as -reverse or
  // -platform out of the list, which is read from argv below.
  int qtArgc = 1;
  std::optional<vorlane_sketch::Options> options;
  {
    // Read under a plain application, with the translations installed first:
    // help, the version and usage errors need no display, and come in the
    // session's language.
    QCoreApplication core(qtArgc, argv);
    platform::installTranslations();
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    QString error;
    options = vorlane_sketch::parseArguments(args, &error);
    if (!options) {
      std::fprintf(stderr, "vorlane-sketch: %s\n%s", qPrintable(error), qPrintable(vorlane_sketch::tryHelp()));
      return vorlane_sketch::kExitUsage;
    }
    if (options->help || options->version) {
      std::fputs(qPrintable(options->help ? vorlane_sketch::usageText() : vorlane_sketch::versionText()),
                 stdout);
      return vorlane_sketch::kExitOk;
    }
  }
  QGuiApplication app(qtArgc, argv);
  platform::installTranslations();

  const std::optional<int> code =
      platform::runOnImageWorkThread([&] { return vorlane_sketch::run(*options); });
  if (code) return *code;
  // Not even a thread could be had: the pool now waits on it forever, so leave without tearing it down.
  std::fprintf(
      stderr, "vorlane-sketch: %s\n",
      qPrintable(vorlane_sketch::failureLine(options->inputs.value(0), vorlane_sketch::noMemoryReason())));
  std::fflush(stderr);
  std::_Exit(vorlane_sketch::kExitFailed);
}
