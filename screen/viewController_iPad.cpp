// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen/viewController_iPad.h"

#include "canvas/VorlaneView_iPad.h"
#include "screen/FireElementCell.h"

namespace screen {

viewController_iPad::viewController_iPad(QWidget* parent) : MainViewController(parent) {}

MainScreenProfile viewController_iPad::makeProfile() const {
  return tabletScreenProfile();
}

canvas::VorlaneView* viewController_iPad::createCanvas(const QRectF& frame, QWidget* parent) const {
  return new canvas::VorlaneView_iPad(frame, parent);
}

FireElementCell* viewController_iPad::createCell() const {
  return new FireElementCell_IPad();
}

}  // namespace screen
