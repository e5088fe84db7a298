// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening links in other applications.
#include <QUrl>
#include <functional>

namespace platform {

// Opens url with the desktop's handler (QDesktopServices), or hands it to the
// opener installed with setUrlOpener. An invalid or empty URL opens nothing and
// gives false.
bool openURL(const QUrl& url);

// Installs an opener that receives every opened link instead of the desktop
// (tests capture links this way); an empty function restores the desktop.
void setUrlOpener(std::function<bool(const QUrl&)> opener);

}  // namespace platform
