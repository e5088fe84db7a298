// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The phone delegate: its window holds a viewController_iPhone.
#include <QPointer>

#include "app/UniversalTestAppDelegate.h"
#include "screen/viewController_iPhone.h"

namespace app {

class UniversalTestAppDelegate_iPhone : public UniversalTestAppDelegate {
  Q_OBJECT
 public:
  // Creates the window of the profile's size and the controller, not yet joined.
  explicit UniversalTestAppDelegate_iPhone(int screenHeight);

  screen::viewController_iPhone* viewController() const { return viewController_; }
  void setViewController(screen::viewController_iPhone* controller) { viewController_ = controller; }
  screen::MainViewController* mainViewController() const override { return viewController_; }

  bool applicationDidFinishLaunchingWithOptions(const QVariantMap& launchOptions) override;

 private:
  QPointer<screen::viewController_iPhone> viewController_;
};

}  // namespace app
