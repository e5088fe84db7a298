// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen/viewController_iPhone.h"

#include "canvas/VorlaneView_iPhone.h"
#include "platform/DeviceProfile.h"
#include "screen/FireElementCell.h"

namespace screen {

viewController_iPhone::viewController_iPhone(QWidget* parent) : MainViewController(parent) {}

MainScreenProfile viewController_iPhone::makeProfile() const {
  return phoneScreenProfile(platform::screenheight());
}

canvas::VorlaneView* viewController_iPhone::createCanvas(const QRectF& frame, QWidget* parent) const {
  return new canvas::VorlaneView_iPhone(frame, parent);
}

FireElementCell* viewController_iPhone::createCell() const {
  return new FireElementCell_IPhone();
}

}  // namespace screen
