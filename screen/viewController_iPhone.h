// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The phone main screen: 320 x screenheight points.
#include "screen/MainViewController.h"

namespace screen {

class viewController_iPhone : public MainViewController {
  Q_OBJECT
 public:
  explicit viewController_iPhone(QWidget* parent = nullptr);

 protected:
  MainScreenProfile makeProfile() const override;
  canvas::VorlaneView* createCanvas(const QRectF& frame, QWidget* parent) const override;
  FireElementCell* createCell() const override;
  bool readsScreenHeightFromView() const override { return true; }
};

}  // namespace screen
