// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop's prompts: strips above the canvas instead of dialogs over it.
// The schedule still says when (and holds a prompt while a stroke or a dialog
// is under way); a strip only offers, never takes the focus or a key, and
// stays until it is answered, so the user can paint on and answer later.
//   the help offer ("New to Vorlane?"):  Show Help, Dismiss;
//   the rating and the more-apps moments, one strip ("Enjoying Vorlane?"):
//     Rate It    the rating prompt's "Yes" ("rated" stored, the software centre opened),
//     More Apps  the more-apps dialog, whose own buttons answer that moment,
//     Not Now    the rating prompt's "No" and the more-apps dialog's "Next time".
#include <QFrame>

class QLabel;
class QPushButton;

namespace document {
class PromptSchedule;
}

namespace desktop {

class PromptStrips : public QWidget {
  Q_OBJECT
 public:
  PromptStrips(document::PromptSchedule* schedule, QWidget* parent);

  // A moment fell due: its strip shows (once, however often it falls due).
  void offerHelp();
  void offerRate();
  void offerMore();
  // A moment was answered elsewhere (the menu's dialogs): its offer goes (a
  // rating's for the rest of the run).
  void withdrawHelp();
  void withdrawRate();
  void withdrawMore();

 signals:
  void helpWanted();
  void moreAppsWanted();

 private:
  void showOffers();

  document::PromptSchedule* schedule_;
  QFrame* help_;
  QFrame* promo_;
  QLabel* promoText_;
  QPushButton* rate_;
  QPushButton* more_;
  bool helpOffered_ = false;
  bool rateOffered_ = false;
  bool rateAnswered_ = false;
  bool moreOffered_ = false;
};

}  // namespace desktop
