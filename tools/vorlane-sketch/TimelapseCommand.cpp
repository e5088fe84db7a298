// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/vorlane-sketch/TimelapseCommand.h"

#include <unistd.h>

#include <QFileInfo>
#include <csignal>
#include <cstdio>

#include "document/PaintingFile.h"
#include "document/Timelapse.h"

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
  std::fprintf(stderr, "vorlane-sketch: %s: %s\n", qPrintable(file), qPrintable(reason));
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
    *error = "--timelapse writes a .mp4 or .webp file, not \"" + options.output + "\"";
    return std::nullopt;
  }
  for (const QCommandLineOption& other : others)
    if (parser.isSet(other)) {
      *error = "--timelapse takes no --" + other.names().constLast();
      return std::nullopt;
    }
  if (parser.isSet(duration)) {
    const std::optional<int> s =
        wholeNumber(parser.value(duration), document::kMinTimelapseSeconds, document::kMaxTimelapseSeconds);
    if (!s) {
      *error = QStringLiteral("--duration must be a number of seconds from %1 to %2, not \"%3\"")
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
      *error = QStringLiteral("--size must be a number from %1 to %2, not \"%3\"")
                   .arg(document::kMinTimelapseSide)
                   .arg(kMaxTimelapseSizeArg)
                   .arg(parser.value(size));
      return std::nullopt;
    }
    options.timelapseSide = *n;
  }
  const QStringList positional = parser.positionalArguments();
  if (positional.size() != 1) {
    *error = QStringLiteral("--timelapse takes one PAINTING");
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
      std::fprintf(stderr, "\rvorlane-sketch: time-lapse %3d%%", percent);
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
