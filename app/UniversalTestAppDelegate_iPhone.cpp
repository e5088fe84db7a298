// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/UniversalTestAppDelegate_iPhone.h"

namespace app {

UniversalTestAppDelegate_iPhone::UniversalTestAppDelegate_iPhone(int screenHeight) {
  setWindow(std::make_unique<AppWindow>(QSize(320, screenHeight)));
  // Owned by the window once it becomes the root.
  viewController_ = new screen::viewController_iPhone(window());
  viewController_->hide();
}

bool UniversalTestAppDelegate_iPhone::applicationDidFinishLaunchingWithOptions(const QVariantMap&) {
  window()->setRootViewController(viewController_);
  window()->makeKeyAndVisible();
  return true;
}

}  // namespace app
