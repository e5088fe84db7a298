// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileChecks.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>
#include <QStorageInfo>
#include <cerrno>
#include <cstring>

namespace platform {
namespace {

bool fail(QString* reason, const char* text) {
  if (reason) *reason = QString::fromLatin1(text);
  return false;
}

}  // namespace

bool openRegularFile(const QString& path, QFile& file, QString* reason) {
  const QByteArray name = QFile::encodeName(path);
  struct stat info {};
  if (name.isEmpty() || ::stat(name.constData(), &info) != 0)
    return fail(reason, errno == EACCES ? "the file cannot be read" : "the file does not exist");
  if (!S_ISREG(info.st_mode)) return fail(reason, "not a regular file");
  // Non-blocking, so that a FIFO swapped in after the check cannot hold the open.
  const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return fail(reason, "the file cannot be read");
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return fail(reason, "not a regular file");
  }
  if (info.st_size == 0) {
    ::close(fd);
    return fail(reason, "the file is empty");
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    return fail(reason, "the file cannot be read");
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

QString writeFailureReason(const QFileDevice& file) {
  const QString text = file.errorString();
  bool full = false;
  for (const int error : {ENOSPC, EDQUOT})
    full = full || text == QString::fromLocal8Bit(std::strerror(error));
  // Qt does not always keep the system's reason for a failed buffered write; a
  // file system with (next to) nothing left tells it as well. Asked before the
  // partly written file is removed.
  if (!full && file.error() != QFileDevice::OpenError) {
    const QStorageInfo storage(QFileInfo(file.fileName()).absolutePath());
    full = storage.isValid() && storage.bytesAvailable() < 64 * 1024;
  }
  return full ? QStringLiteral("no space left on the device")
              : QStringLiteral("the file cannot be written (%1)").arg(text);
}

}  // namespace platform
