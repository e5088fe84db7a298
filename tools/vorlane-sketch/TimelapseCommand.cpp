// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/vorlane-sketch/TimelapseCommand.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <csignal>
#include <cstdio>

#include "document/PaintingFile.h"
#include "document/Timelapse.h"
#include "tools/vorlane-sketch/PhotoSketcher.h"

namespace vorlane_sketch {
namespace {

volatile std::sig_atomic_t interrupted = 0;
extern "C" void onInterrupt(int) { interrupted = 1; }

std::optional<int> wholeNumber(const QString& text, int lo, int hi) {
  bool ok = false;
  const int value = text.toInt(&ok);
  if (!ok || value < lo || value > hi) return std::nullopt;
  return value;
}

int failed(const QString& file, const QString& reason) {
  std::fprintf(stderr, "vorlane-sketch: %s\n", qPrintable(failureLine(file, reason)));
  std::fflush(stderr);
  return kExitFailed;
}

}  // namespace

std::optional<Options> timelapseOptions(const QCommandLineParser& parser, const QCommandLineOption& timelapse,
                                        const QCommandLineOption& duration, const QCommandLineOption& size,
                                        const QList<QCommandLineOption>& others, QString* error) {
  Options options;
  options.output = parser.value(timelapse);
  const QString suffix = QFileInfo(options.output).suffix().toLower();
  if (suffix != "mp4" && suffix != "webp") {
    //: %1 is the option --timelapse; %2 the file name given to it.
    *error = QCoreApplication::translate("vorlane-sketch", "%1 writes a .mp4 or .webp file, not \"%2\"")
                 .arg(QStringLiteral("--timelapse"), options.output);
    return std::nullopt;
  }
  for (const QCommandLineOption& other : others)
    if (parser.isSet(other)) {
      *error = takesNo(QStringLiteral("--timelapse"), other);
      return std::nullopt;
    }
  if (parser.isSet(duration)) {
    const std::optional<int> s =
        wholeNumber(parser.value(duration), document::kMinTimelapseSeconds, document::kMaxTimelapseSeconds);
    if (!s) {
      //: %1 is the option --duration; %2 to %3 the seconds it takes; %4 what was given.
      *error = QCoreApplication::translate("vorlane-sketch",
                                           "%1 must be a number of seconds from %2 to %3, not \"%4\"")
                   .arg(QStringLiteral("--duration"))
                   .arg(document::kMinTimelapseSeconds)
                   .arg(document::kMaxTimelapseSeconds)
                   .arg(parser.value(duration));
      return std::nullopt;
    }
    options.timelapseSeconds = *s;
  }
  if (parser.isSet(size)) {
    const std::optional<int> n = wholeNumber(parser.value(size), document::kMinTimelapseSide, kMaxTimelapseSizeArg);
    if (!n) {
      *error = notInRange(QStringLiteral("--size"), document::kMinTimelapseSide, kMaxTimelapseSizeArg,
                          parser.value(size));
      return std::nullopt;
    }
    options.timelapseSide = *n;
  }
  const QStringList positional = parser.positionalArguments();
  if (positional.size() != 1) {
    //: %1 is the option --timelapse; PAINTING is the Vorlane document it is made from.
    *error = QCoreApplication::translate("vorlane-sketch", "%1 takes one PAINTING")
                 .arg(QStringLiteral("--timelapse"));
    return std::nullopt;
  }
  options.inputs = {positional[0]};
  options.styles = {0};  // no texture is read here: the document names its own
  options.timelapse = true;
  return options;
}

int runTimelapse(const Options& options) {
  const QString& input = options.inputs.value(0);
  QString reason;
  const std::optional<document::PaintingRecord> record = document::readPaintingFile(input, &reason);
  if (!record) return failed(input, reason);
  const bool terminal = ::isatty(STDERR_FILENO) == 1;
  int shown = -1;
  // An interrupt cancels: the temporary file goes and nothing is left behind.
  interrupted = 0;
  struct sigaction action {}, previous {};
  action.sa_handler = onInterrupt;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, &previous);
  auto progress = [&](double done) {
    const int percent = int(done * 100.0);
    if (terminal && percent != shown) {
      shown = percent;
      //: Progress while the video is written: %1 is how much is done, in percent.
      const QString line = QCoreApplication::translate("vorlane-sketch", "time-lapse %1%").arg(percent, 3);
      std::fprintf(stderr, "\rvorlane-sketch: %s", qPrintable(line));
      std::fflush(stderr);
    }
    return interrupted == 0;
  };
  document::TimelapseFailure failure = document::TimelapseFailure::None;
  const bool written = document::writeTimelapse(
      *record, options.output, {options.timelapseSeconds, options.timelapseSide}, progress, &reason, &failure);
  sigaction(SIGINT, &previous, nullptr);
  if (terminal && shown >= 0) std::fputs("\r\033[K", stderr);
  if (written) return kExitOk;
  if (failure == document::TimelapseFailure::Cancelled) return 128 + SIGINT;
  return failed(failure == document::TimelapseFailure::Painting ? input : options.output, reason);
}

}  // namespace vorlane_sketch
