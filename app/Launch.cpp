// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Launch.h"

#include "app/UniversalTestAppDelegate_iPad.h"
#include "app/UniversalTestAppDelegate_iPhone.h"
#include "platform/DeviceProfile.h"
#include "screen/MainViewController.h"

namespace app {

QWidget* Launched::window() const {
  if (desktop) return desktop.get();
  return delegate ? delegate->window() : nullptr;
}

document::SketchDocument* Launched::document() const {
  if (desktop) return desktop->document();
  screen::MainViewController* controller = delegate ? delegate->mainViewController() : nullptr;
  return controller ? controller->document() : nullptr;
}

Launched launch(const ChosenProfile& profile) {
  Launched launched;
  switch (profile.profile) {
    case Profile::Desktop:
      platform::setDeviceModel(QStringLiteral("Desktop"));
      launched.desktop = std::make_unique<desktop::DesktopWindow>();
      launched.desktop->start();
      launched.desktop->show();
      return launched;
    case Profile::Tablet:
      platform::setDeviceModel(QStringLiteral("iPad"));
      launched.delegate = std::make_unique<UniversalTestAppDelegate_iPad>();
      break;
    case Profile::Phone:
    case Profile::Automatic:
      platform::setDeviceModel(QStringLiteral("iPhone"));
      launched.delegate = std::make_unique<UniversalTestAppDelegate_iPhone>(profile.screenHeight);
      break;
  }
  launched.delegate->applicationDidFinishLaunchingWithOptions({});
  if (profile.maximised) {
    // A phone's screen: the window takes all of it, the layout keeps its size.
    AppWindow* window = launched.delegate->window();
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window->showMaximized();
  }
  return launched;
}

}  // namespace app
