// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tablet main screen: 768 x 1024 points.
#include "screen/MainViewController.h"

namespace screen {

class viewController_iPad : public MainViewController {
  Q_OBJECT
 public:
  explicit viewController_iPad(QWidget* parent = nullptr);

 protected:
  MainScreenProfile makeProfile() const override;
  canvas::VorlaneView* createCanvas(const QRectF& frame, QWidget* parent) const override;
  FireElementCell* createCell() const override;
  bool readsScreenHeightFromView() const override { return false; }
};

}  // namespace screen
