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
// "the file cannot be read", "the file is empty".
bool openRegularFile(const QString& path, QFile& file, QString* reason);

// True when both paths lead to one existing file (the same device and inode),
// whatever relative spellings, symbolic or hard links lead there.
bool isSameFile(const QString& a, const QString& b);

// True when something other than a regular file exists at path (a device, a
// FIFO, a folder), which writing a picture there would feed or replace.
bool existsButIsNotRegular(const QString& path);

// Why writing to file failed: "no space left on the device" when that is the
// cause, otherwise "the file cannot be written (the system's reason)". Ask
// before a partly written file is removed.
QString writeFailureReason(const QFileDevice& file);

}  // namespace platform
