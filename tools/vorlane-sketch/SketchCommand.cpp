#include "tools/vorlane-sketch/SketchCommand.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <QVariant>
#include <cstdio>
#include <new>
#include <string>

#include "platform/FileChecks.h"
#include "platform/ImageBridge.h"
#include "platform/LibraryMessages.h"
#include "platform/PhotoDecoder.h"
#include "platform/PropertyList.h"
#include "platform/Resources.h"
#include "sketch/StylePipeline.h"

namespace vorlane_sketch {
namespace {

const QString kNoMemory = QStringLiteral("memory ran out");

int failed(const QString& file, const QString& reason) {
  std::fprintf(stderr, "vorlane-sketch: %s: %s\n", qPrintable(file), qPrintable(reason));
  std::fflush(stderr);
  return kExitFailed;
}

QByteArray formatForExtension(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == "png") return "png";
  if (suffix == "jpg" || suffix == "jpeg") return "jpeg";
  return {};
}

// Takes "--name value" or "--name=value"; advances i past what it consumed.
bool optionValue(const QStringList& args, qsizetype& i, const QString& name, QString* value, bool* missing) {
  const QString& arg = args[i];
  if (arg == name) {
    if (i + 1 >= args.size()) {
      *missing = true;
      return true;
    }
    *value = args[++i];
    return true;
  }
  if (arg.startsWith(name + "=")) {
    *value = arg.mid(name.size() + 1);
    return true;
  }
  return false;
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

// The texture at exactly the photo's size, as its raster; a texture already of
// that size is taken pixel for pixel.
std::optional<sketch::PixelBuffer> textureRaster(QImage texture, QSize size) {
  if (texture.size() != size) {
    texture = platform::imageByScalingForSize(QSizeF(size), texture);
    if (texture.isNull()) return std::nullopt;
  }
  return platform::GetImageData(texture);
}

int writeImage(const QImage& image, const Options& options) {
  QSaveFile file(options.output);
  if (!file.open(QIODevice::WriteOnly)) return failed(options.output, platform::writeFailureReason(file));
  QImageWriter writer(&file, options.format);
  if (options.format == "jpeg") writer.setQuality(92);
  // Everything written is opaque: no alpha channel in the file.
  const QImage encoded = image.convertToFormat(QImage::Format_RGB32);
  if (encoded.isNull()) return failed(options.input, kNoMemory);
  bool written = false;
  {
    platform::CodecMessageCapture capture;  // libpng reports a failed write on stderr itself
    written = writer.write(encoded);
  }
  if (!written) {
    // A device that failed (a full disk) says why; the encoder only that it stopped.
    const QString reason = file.error() != QFileDevice::NoError
                               ? platform::writeFailureReason(file)
                               : "the picture cannot be encoded (" + writer.errorString() + ")";
    file.cancelWriting();
    return failed(options.output, reason);
  }
  // Flushed first: a failed commit removes the partly written file before its
  // reason can be asked for.
  if (!file.flush()) {
    const QString reason = platform::writeFailureReason(file);
    file.cancelWriting();
    return failed(options.output, reason);
  }
  if (!file.commit()) return failed(options.output, platform::writeFailureReason(file));
  return kExitOk;
}

int render(const Options& options) {
  QString reason;
  std::optional<platform::PreparedPhoto> photo = platform::preparePhoto(options.input, &reason);
  if (!photo) return failed(options.input, reason);
  if (options.style == 0) return writeImage(photo->image, options);

  QImage texture;
  const QString textureName = options.texture.isEmpty() ? kAppDataList : options.texture;
  if (options.texture.isEmpty()) {
    bool outOfMemory = false;
    texture = builtInTexture(&reason, &outOfMemory);
    if (outOfMemory) return failed(options.input, kNoMemory);
    if (texture.isNull()) return failed(textureName, reason);
  } else {
    std::optional<QImage> picture = platform::readImageFile(options.texture, &reason);
    if (!picture) return failed(reason == kNoMemory ? options.input : textureName, reason);
    texture = std::move(*picture);
  }

  // From here on every failure is memory running out while this photo renders.
  const QSize size = photo->image.size();
  std::optional<sketch::PixelBuffer> textureData = textureRaster(std::move(texture), size);
  if (!textureData) return failed(options.input, kNoMemory);
  std::optional<sketch::PixelBuffer> photoData = platform::GetImageData(photo->image);
  photo.reset();
  if (!photoData) return failed(options.input, kNoMemory);

  sketch::GrayPlane plane;
  std::string error;
  std::optional<sketch::PixelBuffer> result =
      sketch::runStylePipeline(std::move(*photoData), options.style, *textureData, plane, &error);
  if (!result) return failed(options.input, QString::fromStdString(error));
  textureData.reset();
  const QImage image = platform::toQImage(*result);
  result.reset();
  if (image.isNull()) return failed(options.input, kNoMemory);
  return writeImage(image, options);
}

}  // namespace

QString usageText() {
  return QStringLiteral(
      "Usage: vorlane-sketch [--style N] [--texture FILE] INPUT OUTPUT\n"
      "\n"
      "Renders the photo INPUT as a pencil sketch and writes it to OUTPUT.\n"
      "The photo is turned upright by its orientation tag and limited to 1280 pixels\n"
      "on its longer side.\n"
      "\n"
      "  --style N       sketch style 1 to 7 (default 1); 0 writes the prepared photo\n"
      "  --texture FILE  pencil texture picture, stretched to the photo's size\n"
      "                  (default: the built-in sketch-brush texture)\n"
      "  --help          show this text\n"
      "\n"
      "OUTPUT is written as PNG or JPEG, by its extension (.png, .jpg, .jpeg).\n"
      "Exit status: 0 done, 1 a file cannot be read or written (one line on stderr\n"
      "says which and why), 2 usage error, OUTPUT naming INPUT or the texture too.\n");
}

std::optional<Options> parseArguments(const QStringList& args, QString* error) {
  Options options;
  QStringList positional;
  bool optionsEnded = false;
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& arg = args[i];
    if (optionsEnded || arg == "-" || !arg.startsWith('-')) {
      positional << arg;
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    if (arg == "--help" || arg == "-h") {
      options.help = true;
      continue;
    }
    QString value;
    bool missing = false;
    if (optionValue(args, i, "--style", &value, &missing)) {
      if (missing) {
        *error = "--style needs a number";
        return std::nullopt;
      }
      bool ok = false;
      options.style = value.toInt(&ok);
      if (!ok || options.style < 0 || options.style > 7) {
        *error = "the style must be a number from 0 to 7, not \"" + value + "\"";
        return std::nullopt;
      }
      continue;
    }
    if (optionValue(args, i, "--texture", &value, &missing)) {
      if (missing || value.isEmpty()) {
        *error = "--texture needs a file";
        return std::nullopt;
      }
      options.texture = value;
      continue;
    }
    *error = "unknown option \"" + arg + "\"";
    return std::nullopt;
  }
  if (options.help) return options;
  if (positional.size() != 2) {
    *error = positional.size() < 2 ? QStringLiteral("INPUT and OUTPUT are needed")
                                   : QStringLiteral("only one INPUT and one OUTPUT are taken");
    return std::nullopt;
  }
  options.input = positional[0];
  options.output = positional[1];
  options.format = formatForExtension(options.output);
  if (options.format.isEmpty()) {
    *error = "OUTPUT must end in .png, .jpg or .jpeg: \"" + options.output + "\"";
    return std::nullopt;
  }
  return options;
}

std::optional<Refusal> refuseBeforeReading(const Options& options) {
  if (platform::isSameFile(options.output, options.input))
    return Refusal{kExitUsage, {}, QStringLiteral("OUTPUT is the same file as INPUT")};
  if (!options.texture.isEmpty() && platform::isSameFile(options.output, options.texture))
    return Refusal{kExitUsage, {}, QStringLiteral("OUTPUT is the same file as the texture")};
  if (platform::existsButIsNotRegular(options.output))
    return Refusal{kExitFailed, options.output, QStringLiteral("not a regular file")};
  return std::nullopt;
}

int run(const Options& options) {
  if (const std::optional<Refusal> refusal = refuseBeforeReading(options)) {
    std::fprintf(stderr, "vorlane-sketch: %s%s\n",
                 qPrintable(refusal->file.isEmpty() ? QString() : refusal->file + ": "),
                 qPrintable(refusal->reason));
    return refusal->exitCode;
  }
  try {
    return render(options);
  } catch (const std::bad_alloc&) {  // the engine's and Qt's containers throw it
    return failed(options.input, kNoMemory);
  }
}

}  // namespace vorlane_sketch
