// SPDX-License-Identifier: GPL-3.0-or-later
// The phone and tablet screen's prompts and commands: help text, rating prompt,
// the alert callback, the menu's Save and Share, and the keyboard shortcuts.
#include <QKeySequence>
#include <QShortcut>

#include "canvas/CanvasCommands.h"
#include "canvas/CanvasModel.h"
#include "canvas/VorlaneView.h"
#include "document/PromptSchedule.h"
#include "document/SketchDocument.h"
#include "platform/widgets/PictureButton.h"
#include "promo/Prompts.h"
#include "promo/UIGotoMoreView.h"
#include "screen/MainViewController.h"

namespace screen {

void MainViewController::helpbtnclicked() {
  schedule_->helpShown();
  openAlert(promo::newHelpAlert(this, QStringLiteral("HelpText")));
}

void MainViewController::showratedialog() {
  openAlert(promo::newRateAlert(this));
}

void MainViewController::alertViewDidDismissWithButtonIndex(platform::AlertView* alertView, int buttonIndex) {
  if (alertView && alertView->tag() == promo::kRateAlertTag) schedule_->rateAnswered(buttonIndex);
}

void MainViewController::savebtnclicked() {
  document_->save();
}

void MainViewController::sharebtnclicked() {
  document_->share();
}

bool MainViewController::canvasCovered() const {
  // Alerts, the album's dialog, the camera and the more-apps dialog are the
  // schedule's to know.
  return showsketchtypeview_ || showphotoAtypeview_ || schedule_->dialogOpen();
}

bool MainViewController::canvasActs() const {
  return workview_ && !workview_->isHidden() && workview_->model()->touchesActive();
}

void MainViewController::installShortcuts() {
  auto add = [this](const QKeySequence& keys, auto action) {
    auto* shortcut = new QShortcut(keys, this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, [this, action] {
      if (!canvasCovered()) action();
    });
  };
  // The same rules as the buttons: the canvas's keys act only while the canvas
  // itself would take a touch.
  canvas::Painting* painting = workview_->model()->painting();
  auto onCanvas = [this](auto command) {
    return [this, command] {
      if (canvasActs()) command();
    };
  };
  add(QKeySequence(Qt::CTRL | Qt::Key_O), [this] {
    if (albumbtn()->isEnabled()) albumbtnclicked();
  });
  add(QKeySequence(Qt::CTRL | Qt::Key_S), [this] { savebtnclicked(); });
  for (const canvas::CanvasCommand& command : canvas::canvasCommands())
    for (const QKeySequence& keys : command.keys)
      add(keys, onCanvas([painting, run = command.run] { run(*painting); }));
}

}  // namespace screen
