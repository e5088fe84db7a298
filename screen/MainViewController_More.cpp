// The more-apps dialog: when it comes up, and what its buttons do to the counter
// "more_times". Each entry is offered up to three times; the dialog retires for
// good once every entry has had its turn.
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <climits>

#include "platform/Desktop.h"
#include "platform/UserDefaults.h"
#include "promo/UIGotoMoreView.h"
#include "screen/MainViewController.h"

namespace screen {

namespace {
const QString kMoreTimes = QStringLiteral("more_times");
}

UIGotoMoreView* MainViewController::gotomoreview() const {
  return gotomoreview_.data();
}

void MainViewController::showmoredlgafter(int seconds) {
  more_times_ = defaultsetting_->integerForKey(kMoreTimes);
  // Unsigned: a negative counter (a damaged store) retires the dialog as well.
  if (!(static_cast<unsigned>(more_times_) < 3u * static_cast<unsigned>(more_array_.size()))) return;
  if (more_kick_ != 0) return;
  more_kick_ = 1;
  const long long ms = std::clamp<long long>(static_cast<long long>(seconds) * 1000, 0, INT_MAX);
  moreTimer_->start(static_cast<int>(ms));
}

void MainViewController::doshowmoredlg() {
  closeMoreDialog();
  const QRectF frame(0, 0, profile_.screenWidth, profile_.screenHeight);
  gotomoreview_ = new UIGotoMoreView(frame, this);
  gotomoreview_->show();
  gotomoreview_->raise();
}

void MainViewController::closeMoreDialog() {
  if (!gotomoreview_) return;
  // The buttons' own click handlers lead here: the dialog goes once they return.
  gotomoreview_->hide();
  gotomoreview_->deleteLater();
  gotomoreview_ = nullptr;
}

void MainViewController::gotomore(const QVariant& object) {
  bool isNumber = false;
  const int k = object.toInt(&isNumber);
  // An index that names no entry has no link to open: treat it as "Next time".
  if (!isNumber || k < 0 || k >= more_array_.size()) {
    killmore();
    return;
  }
  closeMoreDialog();
  platform::openURL(QUrl(more_array_.at(k).toMap().value(QStringLiteral("link")).toString()));
  // "Get it" on the entry the dialog opened with moves on to the next entry;
  // after flipping with "More" it counts as one showing only.
  more_times_ = k == more_times_ / 3 ? 3 * k + 3 : std::min(more_times_, INT_MAX - 1) + 1;
  defaultsetting_->setIntegerForKey(more_times_, kMoreTimes);
  more_kick_ = 0;
  showmoredlgafter(kMoreAgainDelayS);
}

void MainViewController::killmore() {
  closeMoreDialog();
  if (more_times_ < INT_MAX) more_times_ += 1;
  defaultsetting_->setIntegerForKey(more_times_, kMoreTimes);
  more_kick_ = 0;
  showmoredlgafter(kMoreAgainDelayS);
}

}  // namespace screen
