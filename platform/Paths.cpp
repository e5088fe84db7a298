// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Paths.h"

#include <QDir>
#include <QStandardPaths>

#include "platform/Log.h"

namespace platform {
namespace {

QString ensured(const QString& path) {
  if (!QDir().mkpath(path)) qCWarning(lcVorlane) << "could not create the folder" << path;
  return path;
}

}  // namespace

QString homeDirectory() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString documentsDirectory() {
  return ensured(homeDirectory() + QStringLiteral("/Documents"));
}

QString scratchFilePath() {
  return documentsDirectory() + QStringLiteral("/tmpimg.png");
}

QString albumDirectory() {
  return ensured(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) +
                 QStringLiteral("/Vorlane"));
}

}  // namespace platform
