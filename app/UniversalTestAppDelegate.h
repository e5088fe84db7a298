// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application delegate: owns the window; the profile's delegate installs
// its main screen controller as the window's root when the launch finishes.
#include <QObject>
#include <QVariantMap>
#include <memory>

#include "app/AppWindow.h"

namespace app {

class UniversalTestAppDelegate : public QObject {
  Q_OBJECT
 public:
  UniversalTestAppDelegate();
  ~UniversalTestAppDelegate() override;

  AppWindow* window() const { return window_.get(); }
  void setWindow(std::unique_ptr<AppWindow> window) { window_ = std::move(window); }

  virtual bool applicationDidFinishLaunchingWithOptions(const QVariantMap& launchOptions);

  // Nothing is saved on the way to the background or out: settings are written
  // when they change.
  void applicationWillResignActive() {}
  void applicationDidEnterBackground() {}
  void applicationWillEnterForeground() {}
  void applicationDidBecomeActive() {}
  void applicationWillTerminate() {}

  // The root controller, whichever profile it belongs to.
  virtual screen::MainViewController* mainViewController() const { return nullptr; }

 private:
  std::unique_ptr<AppWindow> window_;
};

}  // namespace app
