// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application's folders.
#include <QString>

namespace platform {

// The application's home: QStandardPaths::AppDataLocation.
QString homeDirectory();
// homeDirectory() + "/Documents", created when it does not exist yet.
QString documentsDirectory();
// documentsDirectory() + "/tmpimg.png": the canvas's scratch picture.
QString scratchFilePath();
// The photo album: QStandardPaths::PicturesLocation + "/Vorlane", created when
// it does not exist yet.
QString albumDirectory();

}  // namespace platform
