// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Delivering the finished painting: its file in the album or as a mail
// attachment, and the mail link used where no mail program can take an
// attachment.
#include <QDateTime>
#include <QImage>
#include <QString>
#include <QUrl>

namespace document {

// "Vorlane 2026-12-06 19-30-05": the album file name without suffix.
QString albumFileBaseName(const QDateTime& when);

struct AlbumWrite {
  bool ok = false;
  QString path;    // the new file, when ok
  QString reason;  // a short lower-case phrase without final period, when not ok
};

// The n-th candidate name of a numbered series: baseName + suffix for n = 1,
// then baseName + " (2)" + suffix and so on.
QString numberedFileName(const QString& baseName, int n, const QString& suffix);
// The first name of that series not taken in folder, as Save would pick it now.
QString freeFileName(const QString& folder, const QString& baseName, const QString& suffix);

// Writes picture as a PNG into folder as baseName + ".png", or baseName +
// " (2).png" and so on when that name is taken. The file appears whole or not at
// all, and an existing file is never replaced. Any thread.
AlbumWrite writeToAlbum(const QImage& picture, const QString& folder, const QString& baseName);

// The formats a picture can be saved in, by the file name's suffix: "png" or
// "jpeg" (for .jpg and .jpeg, any case); empty for any other name.
QString pictureFormatForName(const QString& path);
// Writes picture to path (a PNG, or a JPEG of quality 1..100 on white) by its
// suffix, replacing a file of that name: the old file stays whole until the new
// one is complete, and keeps its permissions. Any thread.
AlbumWrite writePictureFile(const QImage& picture, const QString& path, int quality = 92);

// Writes picture as a JPEG of quality 85 named name into a new folder of its
// own under parent, which outlives the call (a mail program reads it later).
// Folders under parent older than a day are removed first. Any thread.
AlbumWrite writeShareAttachment(const QImage& picture, const QString& parent,
                                const QString& name = QStringLiteral("heart"));

// What a shared picture's mail says, as its subject and its text.
QString mailGreeting();

// The mail link with the addresses of the resource "maillink.plist".
QUrl mailLink();

}  // namespace document
