// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Delivering the finished painting: its file in the album or as a mail
// attachment, and the mail link used where no mail program can take an
// attachment.
#include <QDateTime>
#include <QImage>
#include <QString>
#include <QUrl>

namespace screen {

// "Vorlane 2026-12-06 19-30-05": the album file name without suffix.
QString albumFileBaseName(const QDateTime& when);

struct AlbumWrite {
  bool ok = false;
  QString path;    // the new file, when ok
  QString reason;  // a short lower-case phrase without final period, when not ok
};

// Writes picture as a PNG into folder as baseName + ".png", or baseName +
// " (2).png" and so on when that name is taken. The file appears whole or not at
// all, and an existing file is never replaced. Any thread.
AlbumWrite writeToAlbum(const QImage& picture, const QString& folder, const QString& baseName);

// Writes picture as a JPEG of quality 85 named "heart" into a new folder of its
// own under parent, which outlives the call (a mail program reads it later).
// Folders under parent older than a day are removed first. Any thread.
AlbumWrite writeShareAttachment(const QImage& picture, const QString& parent);

// The mail link with the addresses of the resource "maillink.plist".
QUrl mailLink();

}  // namespace screen
