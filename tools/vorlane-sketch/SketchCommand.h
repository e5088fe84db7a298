// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command behind vorlane-sketch: argument parsing and the two forms of the
// run (one INPUT to one OUTPUT, or a batch into a folder), kept apart from main().
#include <QByteArray>
#include <QCommandLineOption>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace vorlane_sketch {

enum ExitCode { kExitOk = 0, kExitFailed = 1, kExitUsage = 2 };

inline constexpr int kMaxJobs = 256;

// --size: the working size, the photo's own size, or a longer side from
// kMinSizeSide to kMaxSizeSide (a square of the 64 MP export limit).
inline constexpr int kWorkingSize = -1;
inline constexpr int kFullSize = 0;
inline constexpr int kMinSizeSide = 256;
inline constexpr int kMaxSizeSide = 8192;

struct Options {
  bool help = false;
  bool version = false;
  std::vector<int> styles = {1};  // 0 = the prepared photo itself, 1..7 = a sketch style
  QString texture;                // empty = the built-in sketch-brush texture
  QStringList inputs;
  QString output;             // the INPUT OUTPUT form
  QString outDir;             // the batch form
  QByteArray format;          // "png" or "jpeg": OUTPUT's extension, or --format
  int jobs = 1;               // photos rendered at once (batch)
  int quality = -1;           // -1 = the format's default
  bool skipExisting = false;  // batch: leave out the outputs already in outDir under their planned names
  int thumbnail = 0;          // --thumbnail SIZE: INPUT is a document, OUTPUT its preview as PNG
  bool timelapse = false;     // --timelapse OUTPUT: INPUT is a document, OUTPUT its time-lapse
  int timelapseSeconds = 10;
  int timelapseSide = 1080;   // the longer side; past the photo's own, the photo's own
  int size = kWorkingSize;    // --size: kWorkingSize, kFullSize or the longer side in pixels
  qint64 memoryBytes = 0;     // --memory: the batch's photos in flight at most this; 0: from the free memory
};

inline constexpr int kMaxMemoryMegabytes = 1 << 20;

// What --size accepts with --timelapse (a larger side is the photo's own anyway).
inline constexpr int kMaxTimelapseSizeArg = 16384;

inline constexpr int kMaxThumbnailSide = 1024;

// The line after every usage error, ended, in the session's language.
QString tryHelp();

QString usageText();
QString versionText();

// The usage errors that several options share; the options as typed ("--jobs").
QString notInRange(const QString& option, int lo, int hi, const QString& value);
QString goesWith(const QString& option, const QString& other);
QString takesNo(const QString& option, const QCommandLineOption& other);

// Parses the arguments that follow the program name. Nothing comes back on a
// usage error, which *error then names.
std::optional<Options> parseArguments(const QStringList& args, QString* error);

// What stops a render before any file is read: OUTPUT naming INPUT or the
// texture (through any path or link: exit 2), or something other than a
// regular file at OUTPUT (exit 1, naming it).
struct Refusal {
  int exitCode;
  QString file;  // empty: the line names no file
  QString reason;
};
std::optional<Refusal> refuseBeforeReading(const Options& options);

// Decodes, prepares, renders and writes. Failures print one line on stderr
// naming the file and the reason (memory running out is the photo's, or the
// texture's while it is read), and leave no output file behind.
int run(const Options& options);

}  // namespace vorlane_sketch
