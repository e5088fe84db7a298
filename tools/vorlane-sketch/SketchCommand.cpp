// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/vorlane-sketch/SketchCommand.h"

#include <unistd.h>

#include <QCommandLineParser>
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

const QString kNoMemory = QStringLiteral("memory ran out");

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
    *reason = QStringLiteral("names no sketch-brush texture");
    return {};
  }
  QImage texture = platform::imageNamed(name);
  if (texture.isNull()) {
    // Compiled in, it can fail to decode only for lack of memory; probe for that.
    *outOfMemory = QImage(1024, 1024, QImage::Format_ARGB32).isNull();
    *reason = QStringLiteral("names the texture \"%1\", which is missing").arg(name);
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
    *failure = name + ": " + (outOfMemory ? kNoMemory : reason);
    return std::nullopt;
  }
  return texture;
}

// The batch's folder, made when missing and found writable before any photo is
// read: a folder that cannot take the sketches would fail every photo only
// after it was decoded and rendered.
bool prepareOutputFolder(const QString& dir, QString* failure) {
  if (!QDir().mkpath(dir) || !QFileInfo(dir).isDir()) {
    *failure = dir + ": the folder cannot be created";
    return false;
  }
  if (::access(QFile::encodeName(dir).constData(), W_OK | X_OK) != 0) {
    *failure = dir + ": the folder cannot be written (" + QString::fromLocal8Bit(std::strerror(errno)) + ")";
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
    return failed(
        QStringLiteral("no photos among the inputs (a folder's pictures are taken by their extension)"));
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
  if (!preview) return failed(input + ": " + reason);
  if (preview->isNull()) return failed(input + ": holds no preview");
  QImage image = *preview;
  if (image.width() > options.thumbnail || image.height() > options.thumbnail)
    image = image.scaled(options.thumbnail, options.thumbnail, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  QSaveFile file(options.output);
  QImageWriter writer(&file, "png");
  if (!file.open(QIODevice::WriteOnly) || !writer.write(image) || !file.commit()) {
    const QString why = writer.error() != QImageWriter::UnknownError ? writer.errorString() : file.errorString();
    file.cancelWriting();
    return failed(options.output + ": cannot be written (" + why + ")");
  }
  return kExitOk;
}

}  // namespace

QString usageText() {
  return QStringLiteral(
             "Usage: vorlane-sketch [--style N] [--texture FILE] INPUT OUTPUT\n"
             "  or:  vorlane-sketch --out-dir DIR [--style N|all] [OPTION]... INPUT...\n"
             "  or:  vorlane-sketch --thumbnail SIZE DOCUMENT OUTPUT\n"
             "  or:  vorlane-sketch --timelapse OUT.mp4|OUT.webp [--duration S] [--size N]\n"
             "         DOCUMENT\n"
             "\n"
             "Renders photos as pencil sketches. Each photo is turned upright by its\n"
             "orientation tag and brought to its working size: a landscape photo wider\n"
             "than 1280 pixels is scaled to 1280 pixels wide (2560 x 1600 becomes\n"
             "1280 x 800); a portrait or square photo taller than 1280 pixels is scaled\n"
             "to the largest width that is a multiple of 256 pixels and keeps its height\n"
             "at most 1280 (1200 x 1600 becomes 768 x 1024); smaller photos keep their\n"
             "size.\n"
             "\n"
             "The first form renders INPUT and writes OUTPUT as PNG or JPEG, by its\n"
             "extension (.png, .jpg, .jpeg).\n"
             "With --out-dir, each INPUT is a photo or a folder whose pictures are taken\n"
             "(one level deep, by extension), and each photo is written into DIR as\n"
             "NAME.styleN.png (or .jpg). A name already taken gets \" (2)\", \" (3)\", ...:\n"
             "no file is ever replaced. A photo that fails is named on one line and the\n"
             "others go on; on a terminal a progress line shows photos done, photos per\n"
             "second and the time left.\n"
             "\n"
             "Options:\n"
             "  --style N       sketch style 1 to 7 (default 1); 0 writes the prepared\n"
             "                  photo; all (with --out-dir) writes styles 1 to 7 from\n"
             "                  one decode\n"
             "  --texture FILE  pencil texture picture, stretched to each photo's size\n"
             "                  (default: the built-in sketch-brush texture)\n"
             "  --out-dir DIR   write the sketches into DIR (made when missing)\n"
             "  --skip-existing with --out-dir, write only the outputs whose names\n"
             "                  (NAME.styleN.png, then \" (2)\" for a second photo of\n"
             "                  that name) are not in DIR yet; a photo with every\n"
             "                  output there is not read\n"
             "  --format F      png (default) or jpg, with --out-dir\n"
             "  --thumbnail SIZE  write the preview stored in the Vorlane document\n"
             "                  DOCUMENT to OUTPUT as PNG, scaled down to fit SIZE x SIZE\n"
             "                  (1 to 1024; never scaled up); nothing else of the\n"
             "                  document is read\n"
             "  --timelapse OUT write the painting of the Vorlane document DOCUMENT as a\n"
             "                  time-lapse video, H.264 (.mp4) or animated WebP (.webp),\n"
             "                  30 frames a second: the sketch, the strokes in effect at\n"
             "                  their painted pace (pauses over 1 s shortened), the\n"
             "                  finished painting held for the last second\n"
             "  --duration S    the time-lapse's length, 3 to 120 seconds (default 10)\n"
             "  --size S        working (default): the working size above; full: the\n"
             "                  photo's own upright size (a photo of more than 64 MP,\n"
             "                  8192 x 8192 pixels, is scaled to fit that); N: the\n"
             "                  longer side in pixels, 256 to 8192 and at most the\n"
             "                  photo's own. A larger render looks like the working-size\n"
             "                  one with the photo's finer detail; a document is\n"
             "                  rendered with its strokes at that size. With --timelapse:\n"
             "                  the video's longer side, from 16 (default 1080; at most\n"
             "                  the photo's own)\n"
             "  --jobs N        photos rendered at once (default: the number of cores, %1)\n"
             "  --memory MB     the memory the photos rendered at once may take together,\n"
             "                  in megabytes (default: three quarters of the memory free\n"
             "                  at the start); a photo that alone needs more still runs,\n"
             "                  by itself\n"
             "  --quality Q     JPEG quality 0 to 100 (default %2); for PNG the\n"
             "                  compression effort 0 to 100 (default %3, the fastest;\n"
             "                  100 gives the smallest file)\n"
             "  -h, --help      show this text\n"
             "  -v, --version   show the version and the licence\n"
             "\n"
             "Exit status: 0 done, 1 a file cannot be read or written (some photos\n"
             "failed), 2 usage error.\n")
      .arg(QThread::idealThreadCount())
      .arg(kJpegQuality)
      .arg(kPngFastEffort);
}

QString versionText() {
  return QStringLiteral("vorlane-sketch %1\n%2").arg(platform::kVersion, platform::kLicenceNote);
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
      *error = value == "-"
                   ? QStringLiteral("%1 needs a value, not \"-\"").arg(args[i - 1])
                   : QStringLiteral("%1 needs a value, not the option \"%2\"").arg(args[i - 1], value);
      return std::nullopt;
    }
  }
  if (!parser.parse(QStringList{QStringLiteral("vorlane-sketch")} + args)) {
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
      const QString& name = unknown.first();
      *error = QStringLiteral("unknown option \"%1%2\"").arg(name.size() == 1 ? "-" : "--", name);
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
    *error = QStringLiteral("--duration goes with --timelapse");
    return std::nullopt;
  }

  if (parser.isSet(thumbnail)) {
    const std::optional<int> side = wholeNumber(parser.value(thumbnail), 1, kMaxThumbnailSide);
    if (!side) {
      *error = QStringLiteral("--thumbnail must be a number from 1 to %1, not \"%2\"")
                   .arg(kMaxThumbnailSide)
                   .arg(parser.value(thumbnail));
      return std::nullopt;
    }
    for (const QCommandLineOption& other : {style, texture, outDir, format, jobs, memory, quality, skipExisting, size})
      if (parser.isSet(other)) {
        *error = "--thumbnail takes no --" + other.names().constLast();
        return std::nullopt;
      }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 2) {
      *error = QStringLiteral("--thumbnail takes one DOCUMENT and one OUTPUT");
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
      *error = QStringLiteral("--size must be working, full or a longer side from %1 to %2 pixels (%2 x %2 is "
                              "the 64 MP limit), not \"%3\"")
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
    *error = QStringLiteral("--skip-existing goes with --out-dir");
    return std::nullopt;
  }
  if (batch && options.outDir.isEmpty()) {
    *error = QStringLiteral("--out-dir needs a folder");
    return std::nullopt;
  }
  if (parser.isSet(style)) {
    const QString value = parser.value(style);
    if (value == "all") {
      if (!batch) {
        *error = QStringLiteral("--style all writes seven files: it needs --out-dir");
        return std::nullopt;
      }
      options.styles = {1, 2, 3, 4, 5, 6, 7};
    } else if (const std::optional<int> n = wholeNumber(value, 0, 7)) {
      options.styles = {*n};
    } else {
      *error = "the style must be a number from 0 to 7" + QString(batch ? " or all" : "") + ", not \"" +
               value + "\"";
      return std::nullopt;
    }
  }
  if (parser.isSet(texture)) {
    options.texture = parser.value(texture);
    if (options.texture.isEmpty()) {
      *error = QStringLiteral("--texture needs a file");
      return std::nullopt;
    }
  }
  options.jobs = QThread::idealThreadCount();
  if (parser.isSet(jobs)) {
    const std::optional<int> n = wholeNumber(parser.value(jobs), 1, kMaxJobs);
    if (!n) {
      *error = QStringLiteral("--jobs must be a number from 1 to %1, not \"%2\"")
                   .arg(kMaxJobs)
                   .arg(parser.value(jobs));
      return std::nullopt;
    }
    options.jobs = *n;
  }
  if (parser.isSet(memory)) {
    const std::optional<int> mb = wholeNumber(parser.value(memory), 1, kMaxMemoryMegabytes);
    if (!mb) {
      *error = QStringLiteral("--memory must be a number of megabytes from 1 to %1, not \"%2\"")
                   .arg(kMaxMemoryMegabytes)
                   .arg(parser.value(memory));
      return std::nullopt;
    }
    options.memoryBytes = qint64(*mb) << 20;
  }
  if (parser.isSet(quality)) {
    const std::optional<int> q = wholeNumber(parser.value(quality), 0, 100);
    if (!q) {
      *error = "--quality must be a number from 0 to 100, not \"" + parser.value(quality) + "\"";
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
        *error = "--format must be png or jpg, not \"" + parser.value(format) + "\"";
        return std::nullopt;
      }
      options.format = value == "png" ? "png" : "jpeg";
    }
    if (positional.isEmpty()) {
      *error = QStringLiteral("no INPUT given");
      return std::nullopt;
    }
    options.inputs = positional;
    return options;
  }

  if (parser.isSet(format)) {
    *error = QStringLiteral("--format goes with --out-dir; OUTPUT's extension gives the format");
    return std::nullopt;
  }
  if (positional.size() != 2) {
    *error = positional.size() < 2
                 ? QStringLiteral("INPUT and OUTPUT are needed")
                 : QStringLiteral("only one INPUT and one OUTPUT are taken (--out-dir takes many)");
    return std::nullopt;
  }
  options.inputs = {positional[0]};
  options.output = positional[1];
  options.format = formatForExtension(options.output);
  if (options.format.isEmpty()) {
    *error = "OUTPUT must end in .png, .jpg or .jpeg: \"" + options.output + "\"";
    return std::nullopt;
  }
  return options;
}

std::optional<Refusal> refuseBeforeReading(const Options& options) {
  if (platform::isSameFile(options.output, options.inputs.value(0)))
    return Refusal{kExitUsage, {}, QStringLiteral("OUTPUT is the same file as INPUT")};
  if (!options.texture.isEmpty() && platform::isSameFile(options.output, options.texture))
    return Refusal{kExitUsage, {}, QStringLiteral("OUTPUT is the same file as the texture")};
  if (platform::existsButIsNotRegular(options.output))
    return Refusal{kExitFailed, options.output, QStringLiteral("not a regular file")};
  return std::nullopt;
}

int run(const Options& options) {
  // A file the single form would overwrite or could not write is refused
  // before anything is read (the batch form never replaces a file).
  if (options.outDir.isEmpty()) {
    if (const std::optional<Refusal> refusal = refuseBeforeReading(options)) {
      // A usage error says where help is, as every other one does.
      std::fprintf(stderr, "vorlane-sketch: %s%s\n%s",
                   qPrintable(refusal->file.isEmpty() ? QString() : refusal->file + ": "),
                   qPrintable(refusal->reason), refusal->exitCode == kExitUsage ? kTryHelp : "");
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
    return failed(options.inputs.value(0) + ": " + kNoMemory);
  }
}

}  // namespace vorlane_sketch
