// SPDX-License-Identifier: GPL-3.0-or-later
// The more-apps dialog on the phone and tablet screen: a full-screen overlay over
// everything else; the schedule says when, the dialog's buttons say what next.
#include "document/PromptSchedule.h"
#include "promo/UIGotoMoreView.h"
#include "screen/MainViewController.h"

namespace screen {

promo::UIGotoMoreView* MainViewController::gotomoreview() const {
  return gotomoreview_.data();
}

void MainViewController::doshowmoredlg() {
  closeMoreDialog();
  const QRectF frame(0, 0, profile_.screenWidth, profile_.screenHeight);
  gotomoreview_ = new promo::UIGotoMoreView(frame, this);
  gotomoreview_->show();
  gotomoreview_->raise();
  schedule_->dialogOpened(gotomoreview_);
}

void MainViewController::closeMoreDialog() {
  if (!gotomoreview_) return;
  // The buttons' own click handlers lead here: the dialog goes once they return.
  schedule_->dialogClosed(gotomoreview_);
  gotomoreview_->hide();
  gotomoreview_->deleteLater();
  gotomoreview_ = nullptr;
}

}  // namespace screen
