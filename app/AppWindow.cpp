// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppWindow.h"

#include <QIcon>

#include "screen/MainViewController.h"

namespace app {

AppWindow::AppWindow(QSize size) {
  setFixedSize(size);
  setWindowTitle(QStringLiteral("Vorlane"));
  setWindowIcon(QIcon(QStringLiteral(":/images/vorlane.png")));
}

void AppWindow::setRootViewController(screen::MainViewController* controller) {
  if (root_ == controller) return;
  if (root_) root_->deleteLater();
  root_ = controller;
  if (!controller) return;
  controller->setParent(this);
  // The view has its final size before it loads: the phone reads its height.
  controller->setGeometry(0, 0, width(), height());
  controller->loadViewIfNeeded();
  controller->show();
  controller->setFocus();
}

void AppWindow::makeKeyAndVisible() {
  show();
  raise();
  activateWindow();
}

}  // namespace app
