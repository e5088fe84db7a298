// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/UniversalTestAppDelegate_iPad.h"

namespace app {

UniversalTestAppDelegate_iPad::UniversalTestAppDelegate_iPad() {
  setWindow(std::make_unique<AppWindow>(QSize(768, 1024)));
  // Owned by the window once it becomes the root.
  viewController_ = new screen::viewController_iPad(window());
  viewController_->hide();
}

bool UniversalTestAppDelegate_iPad::applicationDidFinishLaunchingWithOptions(const QVariantMap&) {
  window()->setRootViewController(viewController_);
  window()->makeKeyAndVisible();
  return true;
}

}  // namespace app
