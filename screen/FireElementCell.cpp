// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen/FireElementCell.h"

namespace screen {

FireElementCell::FireElementCell(const CellProfile& profile, QWidget* parent)
    : QWidget(parent), profile_(profile) {
  setGeometry(profile_.cellFrame.toRect());
  // Taps go through to the list, which owns selection.
  setAttribute(Qt::WA_TransparentForMouseEvents);
  fireimgview_ = new platform::ImageView(this);
  fireimgview_->setGeometry(profile_.thumbnailFrame.toRect());
  fireimgview_->setAttribute(Qt::WA_TransparentForMouseEvents);
}

FireElementCell_IPhone::FireElementCell_IPhone(QWidget* parent) : FireElementCell(cellProfile(), parent) {}

CellProfile FireElementCell_IPhone::cellProfile() {
  return {"FireElementCell_IPhone", 65, QRectF(0, 0, 50, 65), QRectF(2, 2, 46, 61)};
}

FireElementCell_IPad::FireElementCell_IPad(QWidget* parent) : FireElementCell(cellProfile(), parent) {}

CellProfile FireElementCell_IPad::cellProfile() {
  return {"FireElementCell_IPad", 180, QRectF(0, 0, 140, 180), QRectF(10, 10, 120, 160)};
}

}  // namespace screen
