// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application's only window: a fixed-size portrait window whose whole
// content is the root controller.
#include <QWidget>

namespace screen {
class MainViewController;
}

namespace app {

class AppWindow : public QWidget {
  Q_OBJECT
 public:
  // size: the profile's screen in points.
  explicit AppWindow(QSize size);

  screen::MainViewController* rootViewController() const { return root_; }
  // Installs the controller as the window's content; the controller gets the
  // window's size and then loads its view.
  void setRootViewController(screen::MainViewController* controller);
  void makeKeyAndVisible();

 private:
  screen::MainViewController* root_ = nullptr;
};

}  // namespace app
