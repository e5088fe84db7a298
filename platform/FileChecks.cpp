// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileChecks.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QStorageInfo>
#include <cerrno>
#include <cstring>

#include "platform/Reason.h"

namespace platform {
namespace {

bool fail(QString* reason, const QString& text) {
  if (reason) *reason = text;
  return false;
}

// Why a file cannot be opened for reading, in the words the commands use.
QString readFailure(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return QCoreApplication::translate("platform", "the file does not exist");
    case ELOOP:
      return QCoreApplication::translate("platform", "too many levels of symbolic links");
    case ENAMETOOLONG:
      return QCoreApplication::translate("platform", "the file name is too long");
    case EACCES:
    case EPERM:
      return QCoreApplication::translate("platform", "the file cannot be read");
    default:
      //: Why a file cannot be opened; %1 is the system's reason.
      return QCoreApplication::translate("platform", "the file cannot be read (%1)")
          .arg(QString::fromLocal8Bit(std::strerror(error)));
  }
}

constexpr Reason kNoSpace{"platform", QT_TRANSLATE_NOOP("platform", "no space left on the device")};
//: Why a file cannot be written: it has reached the largest size allowed.
constexpr Reason kTooLarge{"platform", QT_TRANSLATE_NOOP("platform", "file too large")};

QString cannotWrite(const QString& why) {
  //: Why a file cannot be written; %1 is the system's reason.
  return QCoreApplication::translate("platform", "the file cannot be written (%1)").arg(why);
}

}  // namespace

bool openRegularFile(const QString& path, QFile& file, QString* reason) {
  const QByteArray name = QFile::encodeName(path);
  if (name.isEmpty()) return fail(reason, readFailure(ENOENT));
  struct stat info {};
  if (::stat(name.constData(), &info) != 0) return fail(reason, readFailure(errno));
  if (!S_ISREG(info.st_mode))
    return fail(reason, QCoreApplication::translate("platform", "not a regular file"));
  // Non-blocking, so that a FIFO swapped in after the check cannot hold the open.
  const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return fail(reason, readFailure(errno));
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return fail(reason, QCoreApplication::translate("platform", "not a regular file"));
  }
  if (info.st_size == 0) {
    ::close(fd);
    return fail(reason, QCoreApplication::translate("platform", "the file is empty"));
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    return fail(reason, QCoreApplication::translate("platform", "the file cannot be read"));
  }
  return true;
}

bool isSameFile(const QString& a, const QString& b) {
  struct stat first {
  }, second{};
  return ::stat(QFile::encodeName(a).constData(), &first) == 0 &&
         ::stat(QFile::encodeName(b).constData(), &second) == 0 && first.st_dev == second.st_dev &&
         first.st_ino == second.st_ino;
}

bool existsButIsNotRegular(const QString& path) {
  struct stat info {};
  return ::stat(QFile::encodeName(path).constData(), &info) == 0 && !S_ISREG(info.st_mode);
}

QString writeErrorReason(int error) {
  if (error == ENOSPC || error == EDQUOT) return kNoSpace;
  if (error == EFBIG) return kTooLarge;
  return cannotWrite(QString::fromLocal8Bit(std::strerror(error)));
}

QString writeFailureReason(const QFileDevice& file) {
  const QString text = file.errorString();
  for (const int error : {ENOSPC, EDQUOT, EFBIG})
    if (text == QString::fromLocal8Bit(std::strerror(error))) return writeErrorReason(error);
  // Qt does not keep the system's reason for a buffered write cut short, so
  // the file itself is asked, before it is closed or removed: has it reached
  // the process's file-size limit, is its file system (next to) full?
  if (file.error() != QFileDevice::OpenError) {
    const int fd = file.handle();
    struct stat info {};
    rlimit limit{};
    if (fd >= 0 && ::fstat(fd, &info) == 0 && ::getrlimit(RLIMIT_FSIZE, &limit) == 0 &&
        limit.rlim_cur != RLIM_INFINITY && rlim_t(info.st_size) >= limit.rlim_cur)
      return kTooLarge;
    struct statvfs fs {};
    if (fd >= 0 && ::fstatvfs(fd, &fs) == 0) {
      if (qint64(fs.f_bavail) * qint64(fs.f_frsize) < 64 * 1024) return kNoSpace;
    } else if (!file.fileName().isEmpty()) {
      const QStorageInfo storage(QFileInfo(file.fileName()).absolutePath());
      if (storage.isValid() && storage.bytesAvailable() < 64 * 1024) return kNoSpace;
    }
  }
  return cannotWrite(text);
}

}  // namespace platform
