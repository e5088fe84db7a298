// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Bringing the application up: the window of the chosen profile shown with its
// main screen (the phone and tablet through their delegates, the desktop as its
// main window).
#include <QWidget>
#include <memory>

#include "app/LaunchOptions.h"
#include "app/UniversalTestAppDelegate.h"
#include "desktop/DesktopWindow.h"

namespace document {
class SketchDocument;
}

namespace app {

struct Launched {
  std::unique_ptr<UniversalTestAppDelegate> delegate;  // phone and tablet
  std::unique_ptr<desktop::DesktopWindow> desktop;     // desktop
  // The shown window and the document it works on.
  QWidget* window() const;
  document::SketchDocument* document() const;
};

// Creates the profile's window, finishes the launch (window shown, start-up
// sequence run) and returns it.
Launched launch(const ChosenProfile& profile);

}  // namespace app
