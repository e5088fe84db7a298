// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/vorlane-sketch/PhotoSketcher.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <QTemporaryFile>
#include <cerrno>
#include <cstring>
#include <functional>
#include <optional>
#include <string>

#include "document/PaintingFile.h"
#include "document/PaintingFlatten.h"
#include "platform/FileChecks.h"
#include "platform/ImageBridge.h"
#include "platform/LibraryMessages.h"
#include "platform/PhotoDecoder.h"
#include "sketch/StylePipeline.h"
#include "platform/Reason.h"

namespace vorlane_sketch {
namespace {

// What goes into the file: the render is opaque, so no alpha channel; a grey
// picture (every style) as 8-bit grey, a third of the bytes to compress.
QImage encodable(QImage image) {
  const qsizetype w = image.width();
  bool grey = image.format() == QImage::Format_ARGB32_Premultiplied;
  for (int y = 0; grey && y < image.height(); ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (qsizetype x = 0; x < w; ++x) {
      const QRgb p = row[x];
      if (qRed(p) != qBlue(p) || qGreen(p) != qBlue(p)) {
        grey = false;
        break;
      }
    }
  }
  if (!grey) {
    // Opaque premultiplied words are RGB32 words: no copy needed.
    if (image.format() == QImage::Format_ARGB32_Premultiplied) {
      image.reinterpretAsFormat(QImage::Format_RGB32);
      return image;
    }
    return image.convertToFormat(QImage::Format_RGB32);
  }
  QImage out(image.size(), QImage::Format_Grayscale8);
  if (out.isNull()) return out;
  for (int y = 0; y < image.height(); ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    uchar* dst = out.scanLine(y);
    for (qsizetype x = 0; x < w; ++x) dst[x] = uchar(qBlue(row[x]));
  }
  return out;
}

// name: the file's, for what the codec says while writing it (to the log).
bool encode(const QImage& image, QIODevice* device, const QString& name, const OutputSettings& settings,
            QString* error) {
  platform::CodecMessageCapture capture(name);
  QImageWriter writer(device, settings.format);
  if (settings.format == "jpeg") {
    writer.setQuality(settings.quality < 0 ? kJpegQuality : settings.quality);
  } else {
    writer.setCompression(settings.quality < 0 ? kPngFastEffort : settings.quality);
  }
  if (writer.write(image)) return true;
  *error = writer.errorString();
  return false;
}

// Hands the encoder's bytes to a file. Once a write fails it takes the rest
// without writing: the encoder then ends without a complaint of its own (libpng
// prints one on stderr, which a batch's jobs share) and the file keeps the
// error that says why.
class FileSink : public QIODevice {
 public:
  explicit FileSink(QFileDevice& file) : file_(file) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
  bool failed() const { return failed_; }

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* data, qint64 size) override {
    if (!failed_ && file_.write(data, size) != size) failed_ = true;
    return size;
  }

 private:
  QFileDevice& file_;
  bool failed_ = false;
};

// Encodes image into file and flushes it. On failure *reason says why: the
// device's reason when a write failed (a full disk, a file-size limit), the
// encoder's only when the file took every byte.
bool encodeToFile(const QImage& image, QFileDevice& file, const QString& name, const OutputSettings& settings,
                  QString* reason) {
  FileSink sink(file);
  QString error;
  const bool encoded = encode(image, &sink, name, settings, &error);
  if (encoded && !sink.failed() && file.flush()) return true;
  //: %1 is the image encoder's reason.
  *reason =
      file.error() != QFileDevice::NoError
          ? platform::writeFailureReason(file)
          : QCoreApplication::translate("vorlane-sketch", "the picture cannot be encoded (%1)").arg(error);
  return false;
}

QString cannotWrite(const QFileDevice& file) {
  //: %1 is the system's reason, e.g. "No space left on device".
  return QCoreApplication::translate("vorlane-sketch", "the file cannot be written (%1)")
      .arg(file.errorString());
}

// Moves from to to unless to exists (as anything, even a dangling link).
// Returns 0, or the errno: EEXIST when the name is taken.
int renameNoReplace(const QString& from, const QString& to) {
  const QByteArray src = QFile::encodeName(from), dst = QFile::encodeName(to);
  if (::renameat2(AT_FDCWD, src.constData(), AT_FDCWD, dst.constData(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return errno;
  // A file system without the flag: a hard link is just as exclusive.
  if (::link(src.constData(), dst.constData()) != 0) return errno;
  ::unlink(src.constData());
  return 0;
}

// Gives a whole file the first free name among path, "path (2)", ...; publish
// names it and returns 0, EEXIST when the name is taken, or another errno.
bool publishUnderFreeName(const QString& path, const std::function<int(const QString&)>& publish,
                          QString* writtenPath, QString* failure) {
  for (int n = 1; n < 10000; ++n) {
    const QString name = n == 1 ? path : numberedName(path, n);
    const int result = publish(name);
    if (result == EEXIST) continue;
    if (result != 0) {
      *failure = failureLine(name, platform::writeErrorReason(result));
      return false;
    }
    *writtenPath = name;
    return true;
  }
  //: The batch names its outputs "NAME.styleN.png", then "NAME.styleN (2).png", and so on.
  *failure =
      failureLine(path, QCoreApplication::translate(
                            "vorlane-sketch", "the file cannot be written (every numbered name is taken)"));
  return false;
}

}  // namespace

QString failureLine(const QString& file, const QString& reason) {
  //: A failure line (after the program's name): %1 is a file's path, %2 what went wrong with that file, e.g.
  //: "the file does not exist".
  return QCoreApplication::translate("vorlane-sketch", "%1: %2").arg(file, reason);
}

QString noMemoryReason() {
  return platform::kNoMemory;
}

void PhotoSketcher::release() {
  grey_ = {};
  textureValues_ = {};
  plane_ = {};
  std::vector<std::uint8_t>().swap(scratch_);
  painter_.reset();
}

QString numberedName(const QString& path, int n) {
  const QString suffix = QFileInfo(path).suffix();
  if (suffix.isEmpty()) return QStringLiteral("%1 (%2)").arg(path).arg(n);
  return QStringLiteral("%1 (%2).%3").arg(path.chopped(suffix.size() + 1)).arg(n).arg(suffix);
}

PhotoSketcher::PhotoSketcher(const Texture* texture, OutputSettings settings, Commit commit)
    : texture_(texture), settings_(std::move(settings)), commit_(commit) {}

bool PhotoSketcher::sketch(const QString& input, const std::vector<Target>& targets, QStringList* written,
                           QString* failure) {
  if (document::looksLikePaintingFile(input)) return flatten(input, targets, written, failure);
  QString reason;
  std::optional<platform::PreparedPhoto> photo;
  double scale = 1.0;
  QSize outputSize;
  if (settings_.size < 0) {
    photo = platform::preparePhoto(input, &reason);
  } else if (std::optional<platform::SizedPhoto> sized = platform::preparePhotoAtSize(input, settings_.size, &reason)) {
    photo = std::move(sized->photo);
    scale = sized->scale;
    outputSize = sized->size;
  }
  if (!photo) {
    *failure = failureLine(input, reason);
    return false;
  }
  bool greyReady = false;
  for (const Target& target : targets) {
    QImage image;
    if (target.style == 0) {
      image = photo->image;
    } else {
      // The grey bytes are made once per photo; every style starts from them.
      if (!greyReady) {
        const QImage readable = platform::imageAsRasterWords(photo->image);
        if (!sketch::greyPlaneOfPhoto(platform::wordsOf(readable), grey_)) {
          *failure = failureLine(input, noMemoryReason());
          return false;
        }
      }
      greyReady = true;
      if (!render(input, target.style, photo->image.size(), scale, &image, failure)) return false;
    }
    // A size below the working size: the working-size render, reduced.
    if (outputSize.isValid() && image.size() != outputSize) {
      image = image.scaled(outputSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      if (image.isNull()) {
        *failure = failureLine(input, noMemoryReason());
        return false;
      }
    }
    QString path;
    if (!write(image, target.path, &path, failure)) return false;
    if (written) written->append(path);
  }
  return true;
}

bool PhotoSketcher::flatten(const QString& input, const std::vector<Target>& targets, QStringList* written,
                            QString* failure) {
  // A painting is one picture in the styles it was painted in: the first
  // target's name takes it.
  if (targets.empty()) return true;
  QString reason;
  std::optional<document::PaintingRecord> record = document::readPaintingFile(input, &reason);
  if (!painter_) {
    painter_ = std::make_unique<document::StyleRenderer>();
    painter_->setTextureName(document::paintingTextureName());
  }
  std::optional<QImage> picture = record ? document::flattenPainting(*record, *painter_, settings_.size, &reason) : std::nullopt;
  if (!picture) {
    *failure = failureLine(input, reason);
    return false;
  }
  QString path;
  if (!write(*picture, targets.front().path, &path, failure)) return false;
  if (written) written->append(path);
  return true;
}

bool PhotoSketcher::render(const QString& input, int style, QSize size, double scale, QImage* image,
                           QString* failure) {
  if (!texture_ || texture_->image.isNull()) {
    *failure = failureLine(input, QCoreApplication::translate("vorlane-sketch", "no texture was given"));
    return false;
  }
  // The texture at exactly the photo's size; photos of one size share it. A
  // texture already of that size is taken pixel for pixel.
  if (QSize(textureValues_.width, textureValues_.height) != size) {
    textureValues_ = {};
    const QImage scaled = platform::imageAsRasterWords(
        texture_->image.size() == size ? texture_->image
                                       : platform::imageByScalingForSize(QSizeF(size), texture_->image));
    if (!sketch::textureValuesOf(platform::wordsOf(scaled), textureValues_)) {
      textureValues_ = {};
      *failure = failureLine(
          texture_->name,
          QCoreApplication::translate("vorlane-sketch", "the texture cannot be made the photo's size"));
      return false;
    }
  }
  // The render writes its words straight into the image's memory, in the
  // image's own byte order.
  QImage result(size, QImage::Format_ARGB32_Premultiplied);
  if (result.isNull() || result.bytesPerLine() != qsizetype(size.width()) * 4) {
    *failure = failureLine(input, noMemoryReason());
    return false;
  }
  std::string error;
  if (!sketch::runStyleOnGrey(grey_, style, textureValues_, sketch::WordOrder::Argb32, scale, plane_,
                              reinterpret_cast<std::uint32_t*>(result.bits()), scratch_, &error)) {
    *failure = failureLine(input, QString::fromStdString(error));
    return false;
  }
  *image = std::move(result);
  return true;
}

bool PhotoSketcher::write(const QImage& rendered, const QString& path, QString* writtenPath,
                          QString* failure) {
  const QImage image = encodable(rendered);
  if (image.isNull()) {
    *failure = failureLine(path, noMemoryReason());
    return false;
  }
  if (commit_ == Commit::Replace) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
      *failure = failureLine(path, platform::writeFailureReason(file));
      return false;
    }
    QString reason;
    if (!encodeToFile(image, file, path, settings_, &reason)) {
      *failure = failureLine(path, reason);
      file.cancelWriting();
      return false;
    }
    if (!file.commit()) {
      *failure = failureLine(path, platform::writeFailureReason(file));
      file.cancelWriting();
      return false;
    }
    *writtenPath = path;
    return true;
  }

  return writeNew(image, path, writtenPath, failure);
}

bool PhotoSketcher::writeNew(const QImage& image, const QString& path, QString* writtenPath,
                             QString* failure) {
  QString reason;
  const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
  const int fd = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
  if (fd >= 0) {
    // An unnamed file in the folder that gets its name only once it is whole:
    // nothing is left behind even when the program is killed.
    QFile file;
    if (!file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
      ::close(fd);
      *failure = failureLine(path, cannotWrite(file));
      return false;
    }
    if (!encodeToFile(image, file, path, settings_, &reason)) {
      *failure = failureLine(path, reason);
      return false;
    }
    if (::fdatasync(fd) != 0) {
      *failure = failureLine(path, platform::writeErrorReason(errno));
      return false;
    }
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    return publishUnderFreeName(
        path,
        [&](const QString& name) {
          return ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, QFile::encodeName(name).constData(),
                          AT_SYMLINK_FOLLOW) == 0
                     ? 0
                     : errno;
        },
        writtenPath, failure);
  }
  if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
    *failure = failureLine(path, platform::writeErrorReason(errno));
    return false;
  }

  // A file system without unnamed files: a hidden temporary name beside it.
  const QFileInfo info(path);
  QTemporaryFile file(info.dir().filePath("." + info.fileName() + ".XXXXXX"));
  if (!file.open()) {
    *failure = failureLine(path, cannotWrite(file));
    return false;
  }
  if (!encodeToFile(image, file, path, settings_, &reason)) {
    *failure = failureLine(path, reason);
    return false;
  }
  // A temporary file is private; a picture is not.
  if (::fchmod(file.handle(), 0644) != 0 || ::fdatasync(file.handle()) != 0) {
    *failure = failureLine(path, platform::writeErrorReason(errno));
    return false;
  }
  const bool named = publishUnderFreeName(
      path, [&](const QString& name) { return renameNoReplace(file.fileName(), name); }, writtenPath,
      failure);
  file.setAutoRemove(!named);
  return named;
}

}  // namespace vorlane_sketch
