// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Checks on the files a command is given, made before any of them is read or
// written, so that one photo's refusal can be told apart from another's.
#include <QFile>
#include <QFileDevice>
#include <QString>

namespace platform {

// Opens path for reading if it is a regular file. A FIFO, a device, a socket
// or a folder is refused at once ("not a regular file") without being opened
// in a way that could wait on it; other reasons: "the file does not exist",
// "too many levels of symbolic links", "the file name is too long", "the file
// cannot be read" (with the system's reason unless it is a matter of
// permission), "the file is empty".
bool openRegularFile(const QString& path, QFile& file, QString* reason);

// True when both paths lead to one existing file (the same device and inode),
// whatever relative spellings, symbolic or hard links lead there.
bool isSameFile(const QString& a, const QString& b);

// True when something other than a regular file exists at path (a device, a
// FIFO, a folder), which writing a picture there would feed or replace.
bool existsButIsNotRegular(const QString& path);

// Why writing failed with the system's error: "no space left on the device"
// (a full disk or quota), "file too large" (the process's file-size limit or
// the file system's largest file), otherwise "the file cannot be written (the
// system's reason)".
QString writeErrorReason(int error);

// The same for a write through file, whose system error Qt may not have kept.
// Ask while it is still open, before a partly written file is removed.
QString writeFailureReason(const QFileDevice& file);

}  // namespace platform
