#include "tools/vorlane-sketch/SketchCommand.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <QVariant>
#include <cstdio>
#include <string>

#include "platform/ImageBridge.h"
#include "platform/PhotoDecoder.h"
#include "platform/PropertyList.h"
#include "platform/Resources.h"
#include "sketch/StylePipeline.h"

namespace vorlane_sketch {
namespace {

int failed(const QString& file, const QString& reason) {
  std::fprintf(stderr, "vorlane-sketch: %s: %s\n", qPrintable(file), qPrintable(reason));
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

// The picture named by the first entry of the "sketchbrush" list.
QImage builtInTexture(QString* reason) {
  QString error;
  const QVariant list = platform::readPropertyList(kAppDataList, &error);
  const QString name = list.toMap().value("sketchbrush").toList().value(0).toString();
  if (name.isEmpty()) {
    *reason = QStringLiteral("names no sketch-brush texture");
    return {};
  }
  QImage texture = platform::imageNamed(name);
  if (texture.isNull()) *reason = QStringLiteral("names the texture \"%1\", which is missing").arg(name);
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
  if (!file.open(QIODevice::WriteOnly))
    return failed(options.output, "the file cannot be written (" + file.errorString() + ")");
  QImageWriter writer(&file, options.format);
  if (options.format == "jpeg") writer.setQuality(92);
  // Everything written is opaque: no alpha channel in the file.
  const QImage encoded = image.convertToFormat(QImage::Format_RGB32);
  if (!writer.write(encoded)) {
    file.cancelWriting();
    return failed(options.output, "the picture cannot be encoded (" + writer.errorString() + ")");
  }
  if (!file.commit())
    return failed(options.output, "the file cannot be written (" + file.errorString() + ")");
  return kExitOk;
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
      "Exit status: 0 done, 1 a file cannot be read or written, 2 usage error.\n");
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

int run(const Options& options) {
  QString reason;
  std::optional<platform::PreparedPhoto> photo = platform::preparePhoto(options.input, &reason);
  if (!photo) return failed(options.input, reason);
  if (options.style == 0) return writeImage(photo->image, options);

  QImage texture;
  const QString textureName = options.texture.isEmpty() ? kAppDataList : options.texture;
  if (options.texture.isEmpty()) {
    texture = builtInTexture(&reason);
    if (texture.isNull()) return failed(textureName, reason);
  } else {
    std::optional<QImage> file = platform::readImageFile(options.texture, &reason);
    if (!file) return failed(textureName, reason);
    texture = std::move(*file);
  }

  const QSize size = photo->image.size();
  std::optional<sketch::PixelBuffer> textureData = textureRaster(std::move(texture), size);
  if (!textureData) return failed(textureName, "the texture cannot be made the photo's size");
  std::optional<sketch::PixelBuffer> photoData = platform::GetImageData(photo->image);
  photo.reset();
  if (!photoData) return failed(options.input, "there is not enough memory for the picture");

  sketch::GrayPlane plane;
  std::string error;
  std::optional<sketch::PixelBuffer> result =
      sketch::runStylePipeline(std::move(*photoData), options.style, *textureData, plane, &error);
  if (!result) return failed(options.input, QString::fromStdString(error));
  textureData.reset();
  const QImage image = platform::toQImage(*result);
  result.reset();
  if (image.isNull()) return failed(options.input, "there is not enough memory for the picture");
  return writeImage(image, options);
}

}  // namespace vorlane_sketch
