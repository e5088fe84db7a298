// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/SaveShare.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QVariantMap>
#include <cerrno>
#include <cstring>

#include "platform/PropertyList.h"
#include "platform/Resources.h"
#include "platform/Translations.h"

namespace document {

namespace {

// How far a numbered series of names goes before giving up.
constexpr int kMaxNumberedName = 10000;

// Qt's error strings start with a capital; the alert puts them after a colon.
// In English that capital goes; a translation keeps it, as German must (it
// starts every noun).
QString phrase(QString text) {
  if (text.isEmpty()) return QCoreApplication::translate("document", "unknown error");
  if (text.size() > 1 && text.at(1).isLower() && platform::installedLanguage().isEmpty())
    text[0] = text.at(0).toLower();
  while (text.endsWith(QLatin1Char('.'))) text.chop(1);
  return text;
}

QString systemError(int error) {
  return phrase(QString::fromLocal8Bit(std::strerror(error)));
}

bool opaque(const QImage& image) {
  if (!image.hasAlphaChannel()) return true;
  const QImage argb =
      image.format() == QImage::Format_ARGB32_Premultiplied || image.format() == QImage::Format_ARGB32
          ? image
          : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < argb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    for (int x = 0; x < argb.width(); ++x)
      if (qAlpha(line[x]) != 255) return false;
  }
  return true;
}

// A photo-based picture is opaque: without the alpha channel the PNG is smaller.
QImage forPng(const QImage& picture) {
  return opaque(picture) ? picture.convertToFormat(QImage::Format_RGB32) : picture;
}

bool encode(const QImage& image, const char* format, int quality, QByteArray* bytes, QString* reason) {
  QBuffer buffer(bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  if (quality >= 0) writer.setQuality(quality);
  if (writer.write(image)) return true;
  *reason = phrase(writer.errorString());
  return false;
}

// The process's file-creation mask, read without changing it (umask() would
// have to set it, racing other threads that create files).
mode_t processUmask() {
  QFile status(QStringLiteral("/proc/self/status"));
  // Read whole: a /proc file reports no size, so it is "at its end" from the start.
  if (status.open(QIODevice::ReadOnly)) {
    for (const QByteArray& line : status.readAll().split('\n')) {
      if (line.startsWith("Umask:")) {
        bool ok = false;
        const uint mask = line.mid(6).trimmed().toUInt(&ok, 8);
        if (ok) return static_cast<mode_t>(mask & 0777);
      }
    }
  }
  return 022;
}

// Fills a new temporary file beside its final name: the whole picture, flushed
// to the disk, with the permissions the finished file is to have.
bool fillTemporary(QTemporaryFile& file, const QByteArray& bytes, mode_t mode, QString* reason) {
  if (!file.open()) {
    *reason = phrase(file.errorString());
    return false;
  }
  if (::fchmod(file.handle(), mode) != 0) {
    *reason = systemError(errno);
    return false;
  }
  if (file.write(bytes) != bytes.size() || !file.flush()) {
    *reason = phrase(file.errorString());
    return false;
  }
  if (::fsync(file.handle()) != 0) {
    *reason = systemError(errno);
    return false;
  }
  return true;
}

// A renamed file's new name is on the disk only once its folder is.
void syncFolder(const QString& folder) {
  const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// JPEG has no alpha: compose onto white rather than let transparency go black.
QImage onWhite(const QImage& picture) {
  QImage flat(picture.size(), QImage::Format_RGB32);
  flat.fill(Qt::white);
  QPainter painter(&flat);
  painter.drawImage(0, 0, picture);
  painter.end();
  return flat;
}

bool makeFolder(const QString& folder, QString* reason) {
  if (QDir().mkpath(folder)) return true;
  //: Why a picture cannot be saved; %1 is the folder's path.
  *reason = QCoreApplication::translate("document", "the folder %1 could not be made")
                .arg(QDir::toNativeSeparators(folder));
  return false;
}

}  // namespace

QString albumFileBaseName(const QDateTime& when) {
  return QStringLiteral("Vorlane ") + when.toString(QStringLiteral("yyyy-MM-dd HH-mm-ss"));
}

QString numberedFileName(const QString& baseName, int n, const QString& suffix) {
  return n <= 1 ? baseName + suffix : QStringLiteral("%1 (%2)%3").arg(baseName).arg(n).arg(suffix);
}

QString freeFileName(const QString& folder, const QString& baseName, const QString& suffix) {
  const QDir dir(folder);
  for (int n = 1; n < kMaxNumberedName; ++n) {
    const QString name = numberedFileName(baseName, n, suffix);
    if (!QFileInfo::exists(dir.filePath(name))) return name;
  }
  return numberedFileName(baseName, kMaxNumberedName, suffix);
}

AlbumWrite writeToAlbum(const QImage& picture, const QString& folder, const QString& baseName) {
  AlbumWrite result;
  if (picture.isNull()) {
    result.reason = QCoreApplication::translate("document", "there is no picture");
    return result;
  }
  if (!makeFolder(folder, &result.reason)) return result;

  QByteArray bytes;
  if (!encode(forPng(picture), "png", -1, &bytes, &result.reason)) return result;

  // Written under a temporary name and renamed when complete; the rename never
  // replaces an existing file, so a name taken meanwhile moves on to the next.
  // A temporary file is private (0600); the picture gets the permissions any
  // new file of the user gets, so other programs can read it.
  QTemporaryFile file(QDir(folder).filePath(QStringLiteral(".vorlane-XXXXXX.part")));
  if (!fillTemporary(file, bytes, 0666 & ~processUmask(), &result.reason)) return result;
  for (int n = 1; n < kMaxNumberedName; ++n) {
    const QString path = QDir(folder).filePath(numberedFileName(baseName, n, QStringLiteral(".png")));
    if (QFileInfo::exists(path)) continue;
    if (file.rename(path)) {
      file.setAutoRemove(false);
      result.ok = true;
      result.path = path;
      return result;
    }
    if (!QFileInfo::exists(path)) {
      result.reason = phrase(file.errorString());
      return result;
    }
  }
  result.reason = QCoreApplication::translate("document", "no free file name is left");
  return result;
}

AlbumWrite writeShareAttachment(const QImage& picture, const QString& parent, const QString& name) {
  AlbumWrite result;
  if (picture.isNull()) {
    result.reason = QCoreApplication::translate("document", "there is no picture");
    return result;
  }
  if (!makeFolder(parent, &result.reason)) return result;
  // Earlier attachments have long been read by their mail program.
  const QDateTime dayAgo = QDateTime::currentDateTime().addDays(-1);
  for (const QFileInfo& old : QDir(parent).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot))
    if (old.lastModified() < dayAgo) QDir(old.filePath()).removeRecursively();

  QByteArray bytes;
  if (!encode(onWhite(picture), "jpeg", 85, &bytes, &result.reason)) return result;

  QTemporaryDir folder(QDir(parent).filePath(QStringLiteral("XXXXXX")));
  if (!folder.isValid()) {
    result.reason = phrase(folder.errorString());
    return result;
  }
  folder.setAutoRemove(false);
  const QString path = folder.filePath(name);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    result.reason = phrase(file.errorString());
    folder.remove();
    return result;
  }
  result.ok = true;
  result.path = path;
  return result;
}

QString pictureFormatForName(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QLatin1String("png")) return QStringLiteral("png");
  if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) return QStringLiteral("jpeg");
  return QString();
}

AlbumWrite writePictureFile(const QImage& picture, const QString& path, int quality) {
  AlbumWrite result;
  // A symbolic link is written through, as editors do: the picture goes where
  // the links lead (a chain of them too) and the links stay.
  QFileInfo target(path);
  if (target.isSymLink()) {
    const QString canonical = target.canonicalFilePath();
    target = QFileInfo(canonical.isEmpty() ? target.symLinkTarget() : canonical);  // dangling: one step
  }
  const QString format = pictureFormatForName(target.fileName());
  if (format.isEmpty()) {
    result.reason =
        QCoreApplication::translate("document", "a picture can be saved as PNG (.png) or JPEG (.jpg) only");
    return result;
  }
  if (picture.isNull()) {
    result.reason = QCoreApplication::translate("document", "there is no picture");
    return result;
  }
  if (target.isDir()) {
    result.reason = QCoreApplication::translate("document", "a folder has that name");
    return result;
  }
  if (target.exists() && !target.isWritable()) {
    //: Why a picture cannot be saved; %1 is the file's name.
    result.reason =
        QCoreApplication::translate("document", "the file %1 is read-only").arg(target.fileName());
    return result;
  }
  const QByteArray finalName = QFile::encodeName(target.absoluteFilePath());
  QByteArray bytes;
  const bool png = format == QLatin1String("png");
  const QImage image = png ? forPng(picture) : onWhite(picture);
  if (!encode(image, png ? "png" : "jpeg", png ? -1 : std::clamp(quality, 1, 100), &bytes, &result.reason)) return result;

  // A replaced file keeps its permissions; a new one gets the user's usual ones.
  struct stat existing {};
  const mode_t mode =
      ::stat(finalName.constData(), &existing) == 0 ? (existing.st_mode & 0777) : (0666 & ~processUmask());
  QTemporaryFile file(target.absoluteDir().filePath(QStringLiteral(".vorlane-XXXXXX.part")));
  if (!fillTemporary(file, bytes, mode, &result.reason)) return result;
  // rename(2) replaces the old file in one step: readers see the old picture or
  // the new one, never a part.
  file.close();
  const QByteArray partName = QFile::encodeName(file.fileName());
  if (::rename(partName.constData(), finalName.constData()) != 0) {
    result.reason = systemError(errno);
    return result;
  }
  file.setAutoRemove(false);
  syncFolder(target.absolutePath());
  result.ok = true;
  result.path = target.absoluteFilePath();
  return result;
}

QString mailGreeting() {
  //: The subject and the whole text of a mail the picture is shared by.
  return QCoreApplication::translate("document", "Hello!");
}

QUrl mailLink() {
  const QVariantMap addresses =
      platform::readPropertyList(platform::resourceRoot() + QStringLiteral("/data/maillink.plist")).toMap();
  QStringList cc;
  for (const QVariant& address : addresses.value(QStringLiteral("cc")).toList()) cc << address.toString();
  const QString hello = mailGreeting();
  const QString text = QStringLiteral("mailto:") + addresses.value(QStringLiteral("to")).toString() +
                       QStringLiteral("?cc=") + cc.join(QLatin1Char(',')) + QStringLiteral("&subject=@") +
                       hello + QStringLiteral("&body=@") + hello;
  // Characters that may stand in a link stay as they are; the rest are escaped
  // as UTF-8.
  return QUrl::fromEncoded(QUrl::toPercentEncoding(text, QByteArrayLiteral("!#$&'()*+,/:;=?@[]~")),
                           QUrl::StrictMode);
}

}  // namespace document
