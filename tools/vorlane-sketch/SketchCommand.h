#pragma once
// The command behind vorlane-sketch: argument parsing and the render itself,
// kept apart from main() so that the whole path stays small and readable.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace vorlane_sketch {

enum ExitCode { kExitOk = 0, kExitFailed = 1, kExitUsage = 2 };

struct Options {
  bool help = false;
  int style = 1;    // 0 = the prepared photo itself, 1..7 = a sketch style
  QString texture;  // empty = the built-in sketch-brush texture
  QString input;
  QString output;
  QByteArray format;  // "png" or "jpeg", from the output's extension
};

QString usageText();

// Parses the arguments that follow the program name. Nothing comes back on a
// usage error, which *error then names.
std::optional<Options> parseArguments(const QStringList& args, QString* error);

// Decodes, prepares, renders and writes. Failures print one line on stderr
// naming the file and the reason, and leave no output file behind.
int run(const Options& options);

}  // namespace vorlane_sketch
