// SPDX-License-Identifier: GPL-3.0-or-later
// The phone and tablet screen's prompts and commands: help text, rating prompt,
// the alert callback, the menu's Save and Share, and the keyboard shortcuts.
#include <QApplication>
#include <QKeySequence>
#include <QShortcut>

#include "canvas/VorlaneView.h"
#include "document/PromptSchedule.h"
#include "document/SketchDocument.h"
#include "platform/widgets/PictureButton.h"
#include "promo/Prompts.h"
#include "promo/UIGotoMoreView.h"
#include "screen/MainViewController.h"

namespace screen {

namespace {
constexpr float kSliderStep = 0.05f;
}

void MainViewController::helpbtnclicked() {
  schedule_->helpShown();
  promo::newHelpAlert(this, QStringLiteral("HelpText"))->show(this);
}

void MainViewController::showratedialog() {
  promo::newRateAlert(this)->show(this);
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
  if (!platform::AlertView::visibleAlerts().isEmpty()) return true;
  if (showsketchtypeview_ || showphotoAtypeview_) return true;
  if (albumDialog_ && albumDialog_->isVisible()) return true;
  if (cameraView_ && cameraView_->isVisible()) return true;
  if (gotomoreview_ && gotomoreview_->isVisible()) return true;
  return QApplication::activeModalWidget() != nullptr;
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
  add(QKeySequence(Qt::CTRL | Qt::Key_Z), onCanvas([painting] { painting->undo(); }));
  add(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), onCanvas([painting] { painting->redo(); }));
  add(QKeySequence(Qt::CTRL | Qt::Key_Y), onCanvas([painting] { painting->redo(); }));
  add(QKeySequence(Qt::Key_A), onCanvas([painting] { painting->setBrushMode(canvas::BrushMode::A); }));
  add(QKeySequence(Qt::Key_B), onCanvas([painting] { painting->setBrushMode(canvas::BrushMode::B); }));
  add(QKeySequence(Qt::Key_BracketLeft),
      onCanvas([painting] { painting->setSliderValue(painting->sliderValue() - kSliderStep); }));
  add(QKeySequence(Qt::Key_BracketRight),
      onCanvas([painting] { painting->setSliderValue(painting->sliderValue() + kSliderStep); }));
}

}  // namespace screen
