// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tablet delegate: its window holds a viewController_iPad.
#include <QPointer>

#include "app/UniversalTestAppDelegate.h"
#include "screen/viewController_iPad.h"

namespace app {

class UniversalTestAppDelegate_iPad : public UniversalTestAppDelegate {
  Q_OBJECT
 public:
  // Creates the window of the profile's size and the controller, not yet joined.
  explicit UniversalTestAppDelegate_iPad();

  screen::viewController_iPad* viewController() const { return viewController_; }
  void setViewController(screen::viewController_iPad* controller) { viewController_ = controller; }
  screen::MainViewController* mainViewController() const override { return viewController_; }

  bool applicationDidFinishLaunchingWithOptions(const QVariantMap& launchOptions) override;

 private:
  QPointer<screen::viewController_iPad> viewController_;
};

}  // namespace app
