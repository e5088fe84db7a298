// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Show in Folder" for a file the user has just written: the desktop's file
// manager shows the file selected in its folder; when no file manager answers
// that call, the folder is opened with the default handler instead.
#include <QString>
#include <functional>

class QObject;

namespace desktop {

// Asks a file manager to show path selected; answered(true) once it has,
// answered(false) when none took the call. The default asks over the session
// bus (org.freedesktop.FileManager1.ShowItems) and waits a few seconds at most.
using ShowItemCall =
    std::function<void(const QString& path, QObject* context, std::function<void(bool)> answered)>;

// Shows path in its folder; then done(true), or done(false) when neither a file
// manager nor the default handler answered. Nothing is called once context goes.
void showInFolder(const QString& path, QObject* context, std::function<void(bool)> done);

// Replaces the file manager's call (an empty function restores the session
// bus's), as platform::setUrlOpener does for links.
void setShowItemCall(ShowItemCall call);

}  // namespace desktop
