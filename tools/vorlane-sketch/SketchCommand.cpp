// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/vorlane-sketch/SketchCommand.h"

#include <unistd.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <QThread>
#include <QVariant>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>

#include "document/PaintingFile.h"
#include "platform/FileChecks.h"
#include "platform/LibraryMessages.h"
#include "platform/PhotoDecoder.h"
#include "platform/PropertyList.h"
#include "platform/Resources.h"
#include "platform/Version.h"
#include "tools/vorlane-sketch/BatchPlan.h"
#include "tools/vorlane-sketch/BatchRunner.h"
#include "tools/vorlane-sketch/PhotoSketcher.h"
#include "tools/vorlane-sketch/TimelapseCommand.h"

namespace vorlane_sketch {
namespace {

int failed(const QString& line) {
  std::fprintf(stderr, "vorlane-sketch: %s\n", qPrintable(line));
  std::fflush(stderr);
  return kExitFailed;
}

QByteArray formatForExtension(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == "png") return "png";
  if (suffix == "jpg" || suffix == "jpeg") return "jpeg";
  return {};
}

// A whole number in [lo, hi], or nothing.
std::optional<int> wholeNumber(const QString& text, int lo, int hi) {
  bool ok = false;
  const int value = text.toInt(&ok);
  if (!ok || value < lo || value > hi) return std::nullopt;
  return value;
}

const QString kAppDataList = QStringLiteral(":/data/AppDataList.plist");

// The picture named by the first entry of the "sketchbrush" list. *outOfMemory
// tells a texture that is there but could not be decoded for lack of memory.
QImage builtInTexture(QString* reason, bool* outOfMemory) {
  QString error;
  const QVariant list = platform::readPropertyList(kAppDataList, &error);
  const QString name = list.toMap().value("sketchbrush").toList().value(0).toString();
  if (name.isEmpty()) {
    //: Said of the program's own list of data files.
    *reason = QCoreApplication::translate("vorlane-sketch", "names no sketch-brush texture");
    return {};
  }
  QImage texture = platform::imageNamed(name);
  if (texture.isNull()) {
    // Compiled in, it can fail to decode only for lack of memory; probe for that.
    *outOfMemory = QImage(1024, 1024, QImage::Format_ARGB32).isNull();
    //: Said of the program's own list of data files; %1 is a picture's name.
    *reason =
        QCoreApplication::translate("vorlane-sketch", "names the texture \"%1\", which is missing").arg(name);
  }
  return texture;
}

// The texture of the run, read once; a failure line naming the texture when
// it cannot be read, memory running out included: no photo is read yet.
std::optional<Texture> loadTexture(const QString& file, QString* failure) {
  const QString name = file.isEmpty() ? kAppDataList : file;
  QString reason;
  Texture texture;
  bool outOfMemory = false;
  try {
    if (file.isEmpty()) {
      texture = {builtInTexture(&reason, &outOfMemory), name};
    } else if (std::optional<QImage> image = platform::readImageFile(file, &reason)) {
      texture = {std::move(*image), name};
    }
  } catch (const std::bad_alloc&) {
    outOfMemory = true;
  }
  if (texture.image.isNull()) {
    *failure = failureLine(name, outOfMemory ? noMemoryReason() : reason);
    return std::nullopt;
  }
  return texture;
}

// The batch's folder, made when missing and found writable before any photo is
// read: a folder that cannot take the sketches would fail every photo only
// after it was decoded and rendered.
bool prepareOutputFolder(const QString& dir, QString* failure) {
  if (!QDir().mkpath(dir) || !QFileInfo(dir).isDir()) {
    *failure =
        failureLine(dir, QCoreApplication::translate("vorlane-sketch", "the folder cannot be created"));
    return false;
  }
  if (::access(QFile::encodeName(dir).constData(), W_OK | X_OK) != 0) {
    //: %1 is the system's reason, e.g. "Permission denied".
    *failure =
        failureLine(dir, QCoreApplication::translate("vorlane-sketch", "the folder cannot be written (%1)")
                             .arg(QString::fromLocal8Bit(std::strerror(errno))));
    return false;
  }
  return true;
}

int runOne(const Options& options, const Texture* texture) {
  PhotoSketcher sketcher(texture, {options.format, options.quality, options.size}, Commit::Replace);
  QString failure;
  if (!sketcher.sketch(options.inputs.value(0), {{options.styles.front(), options.output}}, nullptr,
                       &failure))
    return failed(failure);
  return kExitOk;
}

int runBatch(const Options& options, const Texture* texture) {
  const Photos photos = findPhotos(options.inputs);
  if (photos.files.isEmpty() && photos.failures.isEmpty())
    return failed(QCoreApplication::translate(
        "vorlane-sketch", "no photos among the inputs (a folder's pictures are taken by their extension)"));
  OutputNamer namer(options.outDir, options.format == "jpeg" ? QStringLiteral("jpg") : QStringLiteral("png"),
                    options.skipExisting);
  int alreadyDone = 0;
  const std::vector<PhotoJob> jobs = planJobs(photos.files, options.styles, namer, &alreadyDone);
  BatchSettings settings;
  settings.alreadyDone = alreadyDone;
  settings.jobs = options.jobs;
  settings.memoryBytes = options.memoryBytes > 0 ? options.memoryBytes : freeMemoryBudget();
  settings.progress = ::isatty(STDERR_FILENO) == 1;
  settings.texture = texture;
  settings.output = {options.format, options.quality, options.size};
  const BatchResult result = vorlane_sketch::runBatch(jobs, photos.failures, settings);
  return result.failed > 0 ? kExitFailed : kExitOk;
}

// The document's stored preview, scaled down to fit size (never up), written
// whole or not at all.
int runThumbnail(const Options& options) {
  const QString& input = options.inputs.value(0);
  QString reason;
  const std::optional<QImage> preview = document::readPaintingPreview(input, &reason);
  if (!preview) return failed(failureLine(input, reason));
  //: Said of a Vorlane document, whose preview picture --thumbnail writes.
  if (preview->isNull())
    return failed(failureLine(input, QCoreApplication::translate("vorlane-sketch", "holds no preview")));
  QImage image = *preview;
  if (image.width() > options.thumbnail || image.height() > options.thumbnail)
    image = image.scaled(options.thumbnail, options.thumbnail, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  QSaveFile file(options.output);
  QImageWriter writer(&file, "png");
  if (!file.open(QIODevice::WriteOnly) || !writer.write(image) || !file.commit()) {
    const QString why = writer.error() != QImageWriter::UnknownError ? writer.errorString() : file.errorString();
    file.cancelWriting();
    //: %1 is the system's or the image encoder's reason.
    return failed(failureLine(
        options.output, QCoreApplication::translate("vorlane-sketch", "cannot be written (%1)").arg(why)));
  }
  return kExitOk;
}

}  // namespace

QString notInRange(const QString& option, int lo, int hi, const QString& value) {
  //: %1 is an option, e.g. --jobs; %2 to %3 the numbers it takes; %4 what was given.
  return QCoreApplication::translate("vorlane-sketch", "%1 must be a number from %2 to %3, not \"%4\"")
      .arg(option)
      .arg(lo)
      .arg(hi)
      .arg(value);
}

QString goesWith(const QString& option, const QString& other) {
  //: %1 and %2 are options, e.g. --skip-existing and --out-dir: the first is taken only with the second.
  return QCoreApplication::translate("vorlane-sketch", "%1 goes with %2").arg(option, other);
}

QString takesNo(const QString& option, const QCommandLineOption& other) {
  //: %1 and %2 are options, e.g. --thumbnail and --style: the first is never taken with the second.
  return QCoreApplication::translate("vorlane-sketch", "%1 takes no %2")
      .arg(option, QStringLiteral("--") + other.names().constLast());
}

QString tryHelp() {
  //: Keep the command "vorlane-sketch --help" as it is.
  return QCoreApplication::translate("vorlane-sketch", "Try 'vorlane-sketch --help'.") + QLatin1Char('\n');
}

namespace {

// One option of the help: its column (two spaces, the option, padding) as
// typed, then its description, whose further lines are indented to line up
// under the first.
QString optionHelp(const char* column, const QString& description) {
  QString text = description;
  text.replace(QLatin1Char('\n'), QLatin1Char('\n') + QString(18, QLatin1Char(' ')));
  return QLatin1String(column) + text + QLatin1Char('\n');
}

}  // namespace

// The help is translated a paragraph or an option at a time, each a whole text.
// The option descriptions' lines are broken by hand to fit 80 columns.
QString usageText() {
  QString text;
  //: The command's forms. Translate "Usage:" and "or:" only; keep the program's name, the options and
  //: the upper-case words (the files and values the command takes) as they are.
  text += QCoreApplication::translate(
      "vorlane-sketch",
      "Usage: vorlane-sketch [--style N] [--texture FILE] INPUT OUTPUT\n"
      "  or:  vorlane-sketch --out-dir DIR [--style N|all] [OPTION]... INPUT...\n"
      "  or:  vorlane-sketch --thumbnail SIZE DOCUMENT OUTPUT\n"
      "  or:  vorlane-sketch --timelapse OUT.mp4|OUT.webp [--duration S] [--size N]\n"
      "         DOCUMENT");
  text += QLatin1String("\n\n");
  //: Lines of at most 78 characters.
  text += QCoreApplication::translate(
      "vorlane-sketch",
      "Renders photos as pencil sketches. Each photo is turned upright by its\n"
      "orientation tag and brought to its working size: a landscape photo wider\n"
      "than 1280 pixels is scaled to 1280 pixels wide (2560 x 1600 becomes\n"
      "1280 x 800); a portrait or square photo taller than 1280 pixels is scaled\n"
      "to the largest width that is a multiple of 256 pixels and keeps its height\n"
      "at most 1280 (1200 x 1600 becomes 768 x 1024); smaller photos keep their\n"
      "size.");
  text += QLatin1String("\n\n");
  //: Lines of at most 78 characters. Keep the options, INPUT, OUTPUT and DIR (as in the usage lines) and the
  //: output names "NAME.styleN.png", " (2)" and " (3)": the program names its files in English.
  text += QCoreApplication::translate(
      "vorlane-sketch",
      "The first form renders INPUT and writes OUTPUT as PNG or JPEG, by its\n"
      "extension (.png, .jpg, .jpeg).\n"
      "With --out-dir, each INPUT is a photo or a folder whose pictures are taken\n"
      "(one level deep, by extension), and each photo is written into DIR as\n"
      "NAME.styleN.png (or .jpg). A name already taken gets \" (2)\", \" (3)\", ...:\n"
      "no file is ever replaced. A photo that fails is named on one line and the\n"
      "others go on; on a terminal a progress line shows photos done, photos per\n"
      "second and the time left.");
  text += QLatin1String("\n\n");
  //: The heading of the options' list.
  text += QCoreApplication::translate("vorlane-sketch", "Options:") + QLatin1Char('\n');
  // The descriptions follow in the options' order. Their comments ask for
  // lines that fit beside the option column.
  //: Help of --style N. Lines of at most 60 characters; keep "all" and --out-dir.
  text += optionHelp("  --style N       ",
                     QCoreApplication::translate("vorlane-sketch",
                                                 "sketch style 1 to 7 (default 1); 0 writes the prepared\n"
                                                 "photo; all (with --out-dir) writes styles 1 to 7 from\n"
                                                 "one decode"));
  //: Help of --texture FILE. Lines of at most 60 characters.
  text += optionHelp("  --texture FILE  ",
                     QCoreApplication::translate("vorlane-sketch",
                                                 "pencil texture picture, stretched to each photo's size\n"
                                                 "(default: the built-in sketch-brush texture)"));
  //: Help of --out-dir DIR. Lines of at most 60 characters; DIR as in the usage lines.
  text += optionHelp(
      "  --out-dir DIR   ",
      QCoreApplication::translate("vorlane-sketch", "write the sketches into DIR (made when missing)"));
  //: Help of --skip-existing. Lines of at most 60 characters; keep --out-dir, DIR, and the output names
  //: "NAME.styleN.png" and " (2)".
  text += optionHelp("  --skip-existing ",
                     QCoreApplication::translate("vorlane-sketch",
                                                 "with --out-dir, write only the outputs whose names\n"
                                                 "(NAME.styleN.png, then \" (2)\" for a second photo of\n"
                                                 "that name) are not in DIR yet; a photo with every\n"
                                                 "output there is not read"));
  //: Help of --format F. Keep png, jpg and --out-dir: they are typed as they are.
  text += optionHelp("  --format F      ",
                     QCoreApplication::translate("vorlane-sketch", "png (default) or jpg, with --out-dir"));
  //: Help of --thumbnail SIZE. Lines of at most 60 characters; DOCUMENT, OUTPUT and SIZE as in the usage
  //: lines.
  text += optionHelp("  --thumbnail SIZE  ",
                     QCoreApplication::translate("vorlane-sketch",
                                                 "write the preview stored in the Vorlane document\n"
                                                 "DOCUMENT to OUTPUT as PNG, scaled down to fit SIZE x SIZE\n"
                                                 "(1 to 1024; never scaled up); nothing else of the\n"
                                                 "document is read"));
  //: Help of --timelapse OUT. Lines of at most 60 characters; DOCUMENT as in the usage lines.
  text += optionHelp("  --timelapse OUT ",
                     QCoreApplication::translate("vorlane-sketch",
                                                 "write the painting of the Vorlane document DOCUMENT as a\n"
                                                 "time-lapse video, H.264 (.mp4) or animated WebP (.webp),\n"
                                                 "30 frames a second: the sketch, the strokes in effect at\n"
                                                 "their painted pace (pauses over 1 s shortened), the\n"
                                                 "finished painting held for the last second"));
  //: Help of --duration S. Lines of at most 60 characters.
  text += optionHelp("  --duration S    ",
                     QCoreApplication::translate("vorlane-sketch",
                                                 "the time-lapse's length, 3 to 120 seconds (default 10)"));
  //: Help of --size S. Lines of at most 60 characters; keep "working", "full", "N" and --timelapse: they are
  //: typed as they are.
  text += optionHelp("  --size S        ",
                     QCoreApplication::translate("vorlane-sketch",
                                                 "working (default): the working size above; full: the\n"
                                                 "photo's own upright size (a photo of more than 64 MP,\n"
                                                 "8192 x 8192 pixels, is scaled to fit that); N: the\n"
                                                 "longer side in pixels, 256 to 8192 and at most the\n"
                                                 "photo's own. A larger render looks like the working-size\n"
                                                 "one with the photo's finer detail; a document is\n"
                                                 "rendered with its strokes at that size. With --timelapse:\n"
                                                 "the video's longer side, from 16 (default 1080; at most\n"
                                                 "the photo's own)"));
  //: Help of --jobs N. %1 is the number of processor cores of this machine.
  text += optionHelp("  --jobs N        ",
                     QCoreApplication::translate("vorlane-sketch",
                                                 "photos rendered at once (default: the number of cores, %1)")
                         .arg(QThread::idealThreadCount()));
  //: Help of --memory MB. Lines of at most 60 characters.
  text += optionHelp("  --memory MB     ",
                     QCoreApplication::translate("vorlane-sketch",
                                                 "the memory the photos rendered at once may take together,\n"
                                                 "in megabytes (default: three quarters of the memory free\n"
                                                 "at the start); a photo that alone needs more still runs,\n"
                                                 "by itself"));
  //: Help of --quality Q. Lines of at most 60 characters. %1 is the JPEG quality and %2 the PNG
  //: compression effort used when the option is not given.
  text += optionHelp("  --quality Q     ",
                     QCoreApplication::translate("vorlane-sketch",
                                                 "JPEG quality 0 to 100 (default %1); for PNG the\n"
                                                 "compression effort 0 to 100 (default %2, the fastest;\n"
                                                 "100 gives the smallest file)")
                         .arg(kJpegQuality)
                         .arg(kPngFastEffort));
  //: Help of -h, --help.
  text += optionHelp("  -h, --help      ", QCoreApplication::translate("vorlane-sketch", "show this text"));
  //: Help of -v, --version.
  text += optionHelp("  -v, --version   ",
                     QCoreApplication::translate("vorlane-sketch", "show the version and the licence"));
  text += QLatin1Char('\n');
  //: Lines of at most 78 characters.
  text += QCoreApplication::translate("vorlane-sketch",
                                      "Exit status: 0 done, 1 a file cannot be read or written (some photos\n"
                                      "failed), 2 usage error.");
  text += QLatin1Char('\n');
  return text;
}

QString versionText() {
  return QStringLiteral("vorlane-sketch %1\n%2")
      .arg(QString::fromLatin1(platform::kVersion),
           QCoreApplication::translate("vorlane", platform::kLicenceNote));
}

std::optional<Options> parseArguments(const QStringList& args, QString* error) {
  QCommandLineParser parser;
  const QCommandLineOption help({"h", "help"}, "show this text");
  const QCommandLineOption version({"v", "version"}, "show the version and the licence");
  const QCommandLineOption style("style", "sketch style", "N");
  const QCommandLineOption texture("texture", "pencil texture picture", "FILE");
  const QCommandLineOption outDir("out-dir", "output folder", "DIR");
  const QCommandLineOption format("format", "output format", "F");
  const QCommandLineOption jobs("jobs", "photos at once", "N");
  const QCommandLineOption memory("memory", "megabytes for the photos at once", "MB");
  const QCommandLineOption quality("quality", "JPEG quality or PNG effort", "Q");
  const QCommandLineOption skipExisting("skip-existing", "leave out outputs already there");
  const QCommandLineOption thumbnail("thumbnail", "a document's preview", "SIZE");
  const QCommandLineOption timelapse("timelapse", "a document's time-lapse", "OUT");
  const QCommandLineOption duration("duration", "the time-lapse's seconds", "S");
  // One name, read by what it goes with: the render's size, or the video's.
  const QCommandLineOption size("size", "render size", "working|full|N");
  const QList<QCommandLineOption> all{help,    version,      style,     texture,   outDir,   format, jobs,  memory,
                                      quality, skipExisting, thumbnail, timelapse, duration, size};
  parser.addOptions(all);
  // The parser takes whatever follows an option as its value: "--out-dir
  // --style 3" would name the folder "--style". No value here starts with "-".
  for (qsizetype i = 0; i + 1 < args.size() && args[i] != "--"; ++i) {
    const bool takesValue = std::any_of(all.begin(), all.end(), [&](const QCommandLineOption& o) {
      return !o.valueName().isEmpty() && args[i] == "--" + o.names().constLast();
    });
    if (!takesValue) continue;
    const QString& value = args[++i];
    if (value.startsWith('-')) {
      //: %1 is an option, e.g. --out-dir, given "-" where its value should be.
      *error =
          value == "-"
              ? QCoreApplication::translate("vorlane-sketch", "%1 needs a value, not \"-\"").arg(args[i - 1])
              //: %1 is an option, e.g. --out-dir; %2 the option that came where its value should be.
              : QCoreApplication::translate("vorlane-sketch", "%1 needs a value, not the option \"%2\"")
                    .arg(args[i - 1], value);
      return std::nullopt;
    }
  }
  if (!parser.parse(QStringList{QStringLiteral("vorlane-sketch")} + args)) {
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
      const QString& name = unknown.first();
      //: %1 is the option as typed, e.g. --colour.
      *error = QCoreApplication::translate("vorlane-sketch", "unknown option \"%1\"")
                   .arg((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name);
    } else {
      // Qt's own words, e.g. "Missing value after '--style'."
      QString text = parser.errorText();
      if (text.endsWith('.')) text.chop(1);
      if (!text.isEmpty()) text[0] = text[0].toLower();
      *error = text;
    }
    return std::nullopt;
  }

  Options options;
  options.help = parser.isSet(help);
  options.version = parser.isSet(version);
  if (options.help || options.version) return options;

  if (parser.isSet(timelapse))
    return timelapseOptions(parser, timelapse, duration, size,
                            {style, texture, outDir, format, jobs, memory, quality, skipExisting, thumbnail}, error);
  if (parser.isSet(duration)) {
    *error = goesWith(QStringLiteral("--duration"), QStringLiteral("--timelapse"));
    return std::nullopt;
  }

  if (parser.isSet(thumbnail)) {
    const std::optional<int> side = wholeNumber(parser.value(thumbnail), 1, kMaxThumbnailSide);
    if (!side) {
      *error = notInRange(QStringLiteral("--thumbnail"), 1, kMaxThumbnailSide, parser.value(thumbnail));
      return std::nullopt;
    }
    for (const QCommandLineOption& other : {style, texture, outDir, format, jobs, memory, quality, skipExisting, size})
      if (parser.isSet(other)) {
        *error = takesNo(QStringLiteral("--thumbnail"), other);
        return std::nullopt;
      }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 2) {
      //: %1 is the option --thumbnail. DOCUMENT and OUTPUT are as in the usage lines of --help.
      *error = QCoreApplication::translate("vorlane-sketch", "%1 takes one DOCUMENT and one OUTPUT")
                   .arg(QStringLiteral("--thumbnail"));
      return std::nullopt;
    }
    options.thumbnail = *side;
    options.inputs = {positional[0]};
    options.output = positional[1];
    options.styles = {0};  // no texture is read
    return options;
  }

  if (parser.isSet(size)) {
    const QString value = parser.value(size);
    if (value == "working") {
      options.size = kWorkingSize;
    } else if (value == "full") {
      options.size = kFullSize;
    } else if (const std::optional<int> side = wholeNumber(value, kMinSizeSide, kMaxSizeSide)) {
      options.size = *side;
    } else {
      //: %1 is the option --size; "working" and "full" are values it takes: keep them as they are.
      *error = QCoreApplication::translate("vorlane-sketch",
                                           "%1 must be working, full or a longer side from %2 to "
                                           "%3 pixels (%3 x %3 is the 64 MP limit), not \"%4\"")
                   .arg(QStringLiteral("--size"))
                   .arg(kMinSizeSide)
                   .arg(kMaxSizeSide)
                   .arg(value);
      return std::nullopt;
    }
  }

  options.outDir = parser.value(outDir);
  const bool batch = parser.isSet(outDir);
  options.skipExisting = parser.isSet(skipExisting);
  if (options.skipExisting && !batch) {
    *error = goesWith(QStringLiteral("--skip-existing"), QStringLiteral("--out-dir"));
    return std::nullopt;
  }
  if (batch && options.outDir.isEmpty()) {
    //: %1 is the option --out-dir, given an empty value.
    *error =
        QCoreApplication::translate("vorlane-sketch", "%1 needs a folder").arg(QStringLiteral("--out-dir"));
    return std::nullopt;
  }
  if (parser.isSet(style)) {
    const QString value = parser.value(style);
    if (value == "all") {
      if (!batch) {
        //: %1 is "--style all", %2 the option --out-dir.
        *error = QCoreApplication::translate("vorlane-sketch", "%1 writes seven files: it needs %2")
                     .arg(QStringLiteral("--style all"), QStringLiteral("--out-dir"));
        return std::nullopt;
      }
      options.styles = {1, 2, 3, 4, 5, 6, 7};
    } else if (const std::optional<int> n = wholeNumber(value, 0, 7)) {
      options.styles = {*n};
    } else {
      //: "all" is a value --style takes with --out-dir: keep it as it is. %1 is what was given.
      *error = batch ? QCoreApplication::translate(
                           "vorlane-sketch", "the style must be a number from 0 to 7 or all, not \"%1\"")
                           .arg(value)
                     //: %1 is what was given for --style.
                     : QCoreApplication::translate("vorlane-sketch",
                                                   "the style must be a number from 0 to 7, not \"%1\"")
                           .arg(value);
      return std::nullopt;
    }
  }
  if (parser.isSet(texture)) {
    options.texture = parser.value(texture);
    if (options.texture.isEmpty()) {
      //: %1 is the option --texture, given an empty value.
      *error =
          QCoreApplication::translate("vorlane-sketch", "%1 needs a file").arg(QStringLiteral("--texture"));
      return std::nullopt;
    }
  }
  options.jobs = QThread::idealThreadCount();
  if (parser.isSet(jobs)) {
    const std::optional<int> n = wholeNumber(parser.value(jobs), 1, kMaxJobs);
    if (!n) {
      *error = notInRange(QStringLiteral("--jobs"), 1, kMaxJobs, parser.value(jobs));
      return std::nullopt;
    }
    options.jobs = *n;
  }
  if (parser.isSet(memory)) {
    const std::optional<int> mb = wholeNumber(parser.value(memory), 1, kMaxMemoryMegabytes);
    if (!mb) {
      //: %1 is the option --memory; %2 to %3 the megabytes it takes; %4 what was given.
      *error = QCoreApplication::translate("vorlane-sketch",
                                           "%1 must be a number of megabytes from %2 to %3, not \"%4\"")
                   .arg(QStringLiteral("--memory"))
                   .arg(1)
                   .arg(kMaxMemoryMegabytes)
                   .arg(parser.value(memory));
      return std::nullopt;
    }
    options.memoryBytes = qint64(*mb) << 20;
  }
  if (parser.isSet(quality)) {
    const std::optional<int> q = wholeNumber(parser.value(quality), 0, 100);
    if (!q) {
      *error = notInRange(QStringLiteral("--quality"), 0, 100, parser.value(quality));
      return std::nullopt;
    }
    options.quality = *q;
  }

  const QStringList positional = parser.positionalArguments();
  if (batch) {
    options.format = "png";
    if (parser.isSet(format)) {
      const QString value = parser.value(format).toLower();
      if (value != "png" && value != "jpg" && value != "jpeg") {
        //: %1 is the option --format; "png" and "jpg" are the values it takes: keep them. %2 is what was
        //: given.
        *error = QCoreApplication::translate("vorlane-sketch", "%1 must be png or jpg, not \"%2\"")
                     .arg(QStringLiteral("--format"), parser.value(format));
        return std::nullopt;
      }
      options.format = value == "png" ? "png" : "jpeg";
    }
    if (positional.isEmpty()) {
      //: INPUT is as in the usage lines of --help.
      *error = QCoreApplication::translate("vorlane-sketch", "no INPUT given");
      return std::nullopt;
    }
    options.inputs = positional;
    return options;
  }

  if (parser.isSet(format)) {
    //: %1 is the option --format, %2 the option --out-dir; OUTPUT is as in the usage lines of --help.
    *error =
        QCoreApplication::translate("vorlane-sketch", "%1 goes with %2; OUTPUT's extension gives the format")
            .arg(QStringLiteral("--format"), QStringLiteral("--out-dir"));
    return std::nullopt;
  }
  if (positional.size() < 2) {
    //: INPUT and OUTPUT are as in the usage lines of --help.
    *error = QCoreApplication::translate("vorlane-sketch", "INPUT and OUTPUT are needed");
    return std::nullopt;
  }
  if (positional.size() > 2) {
    //: INPUT and OUTPUT are as in the usage lines of --help; %1 is the option --out-dir.
    *error = QCoreApplication::translate("vorlane-sketch",
                                         "only one INPUT and one OUTPUT are taken (%1 takes many)")
                 .arg(QStringLiteral("--out-dir"));
    return std::nullopt;
  }
  options.inputs = {positional[0]};
  options.output = positional[1];
  options.format = formatForExtension(options.output);
  if (options.format.isEmpty()) {
    //: OUTPUT is as in the usage lines of --help; %1 is the name given for it.
    *error = QCoreApplication::translate("vorlane-sketch", "OUTPUT must end in .png, .jpg or .jpeg: \"%1\"")
                 .arg(options.output);
    return std::nullopt;
  }
  return options;
}

std::optional<Refusal> refuseBeforeReading(const Options& options) {
  if (platform::isSameFile(options.output, options.inputs.value(0))) {
    //: OUTPUT and INPUT are as in the usage lines of --help.
    const QString reason = QCoreApplication::translate("vorlane-sketch", "OUTPUT is the same file as INPUT");
    return Refusal{kExitUsage, {}, reason};
  }
  if (!options.texture.isEmpty() && platform::isSameFile(options.output, options.texture)) {
    //: OUTPUT is as in the usage lines of --help; the texture is the picture --texture names.
    const QString reason =
        QCoreApplication::translate("vorlane-sketch", "OUTPUT is the same file as the texture");
    return Refusal{kExitUsage, {}, reason};
  }
  if (platform::existsButIsNotRegular(options.output)) {
    //: Said of OUTPUT when it names a folder, a device or the like.
    const QString reason = QCoreApplication::translate("vorlane-sketch", "not a regular file");
    return Refusal{kExitFailed, options.output, reason};
  }
  return std::nullopt;
}

int run(const Options& options) {
  // A file the single form would overwrite or could not write is refused
  // before anything is read (the batch form never replaces a file).
  if (options.outDir.isEmpty()) {
    if (const std::optional<Refusal> refusal = refuseBeforeReading(options)) {
      // A usage error says where help is, as every other one does.
      const QString line =
          refusal->file.isEmpty() ? refusal->reason : failureLine(refusal->file, refusal->reason);
      std::fprintf(stderr, "vorlane-sketch: %s\n%s", qPrintable(line),
                   qPrintable(refusal->exitCode == kExitUsage ? tryHelp() : QString()));
      return refusal->exitCode;
    }
  }
  if (options.thumbnail > 0) return runThumbnail(options);
  if (options.timelapse) return runTimelapse(options);
  QString failure;
  if (!options.outDir.isEmpty() && !prepareOutputFolder(options.outDir, &failure)) return failed(failure);
  try {
    // The texture is read once for the whole run, and only when a style needs it.
    std::optional<Texture> texture;
    if (std::any_of(options.styles.begin(), options.styles.end(), [](int s) { return s != 0; })) {
      texture = loadTexture(options.texture, &failure);
      if (!texture) return failed(failure);
    }
    const Texture* shared = texture ? &*texture : nullptr;
    return options.outDir.isEmpty() ? runOne(options, shared) : runBatch(options, shared);
  } catch (const std::bad_alloc&) {  // the engine's and Qt's containers throw it
    return failed(failureLine(options.inputs.value(0), noMemoryReason()));
  }
}

}  // namespace vorlane_sketch
