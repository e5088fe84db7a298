// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/UniversalTestAppDelegate.h"

#include "screen/MainViewController.h"

namespace app {

UniversalTestAppDelegate::UniversalTestAppDelegate() = default;
UniversalTestAppDelegate::~UniversalTestAppDelegate() = default;

bool UniversalTestAppDelegate::applicationDidFinishLaunchingWithOptions(const QVariantMap&) {
  if (window_) window_->makeKeyAndVisible();
  return true;
}

}  // namespace app
