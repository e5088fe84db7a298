// Help text, rating prompt, the alert callback, keyboard shortcuts and the menu
// commands that deliver the finished picture.
#include <QApplication>
#include <QFileDialog>
#include <QKeySequence>
#include <QShortcut>
#include <QUrl>
#include <algorithm>

#include "canvas/VorlaneView.h"
#include "platform/Desktop.h"
#include "platform/UserDefaults.h"
#include "platform/widgets/CameraCapture.h"
#include "platform/widgets/FloatSlider.h"
#include "platform/widgets/PictureButton.h"
#include "promo/UIGotoMoreView.h"
#include "screen/MainViewController.h"

namespace screen {

namespace {

const char* const kHelpText =
    "You can give your photos a dramatic effect by converting them to sketch(from PhotoB), while keeping "
    "the region and details that you choose in color(from PhotoA).\n"
    "1. Use your finger as a brush to 'paint' area of the sketch image, or to bring back the original "
    "color.\n"
    "2. Move photo by two-finger move.\n"
    "3. Zooming in and out by two-finger pinching.";

// The desktop's software centre, on this application's page. The id is all
// lower case because URL hosts are case-insensitive and get lower-cased.
const char* const kRatingLink = "appstream://" VORLANE_APP_ID;

constexpr float kSliderStep = 0.05f;

}  // namespace

void MainViewController::helpbtnclicked() {
  defaultsetting_->setBoolForKey(true, QStringLiteral("helphint"));
  auto* alert = new platform::AlertView(QStringLiteral("How to"), QString::fromUtf8(kHelpText), this,
                                        QStringLiteral("OK"));
  alert->show(this);
}

void MainViewController::showratedialog() {
  if (rate_kick_ != 0) return;
  rate_kick_ = 1;
  auto* alert = new platform::AlertView(QStringLiteral("Rate?"),
                                        QStringLiteral("Could you give us a rate and some suggestions to "
                                                       "improve this App?"),
                                        this, QStringLiteral("No"));
  alert->addButtonWithTitle(QStringLiteral("Yes"));
  alert->setTag(kRateAlertTag);
  alert->show(this);
}

void MainViewController::gotorate() {
  defaultsetting_->setBoolForKey(true, QStringLiteral("rated"));
  platform::openURL(QUrl(QString::fromLatin1(kRatingLink)));
}

void MainViewController::alertViewDidDismissWithButtonIndex(platform::AlertView* alertView, int buttonIndex) {
  if (buttonIndex == 1 && alertView && alertView->tag() == kRateAlertTag) {
    gotorate();
    rate_kick_ = 0;
  }
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
  return workview_ && !workview_->isHidden() && workview_->imgready() && workview_->sketchready();
}

void MainViewController::stepSlider(float delta) {
  platform::FloatSlider* slider = workview_->linesizeslider();
  if (!slider->isEnabled()) return;
  slider->setValue(std::clamp(slider->value() + delta, 0.0f, 1.0f));
  workview_->linesizechanged();
}

void MainViewController::installShortcuts() {
  auto add = [this](const QKeySequence& keys, auto action) {
    auto* shortcut = new QShortcut(keys, this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, [this, action] {
      if (!canvasCovered()) action();
    });
    shortcuts_ << shortcut;
  };
  // The same rules as the buttons: a disabled button's key does nothing; the
  // canvas's keys act only while the canvas itself would take a touch.
  auto clickCanvasButton = [this](platform::PictureButton* button) {
    if (canvasActs() && button->isEnabled()) button->click();
  };
  add(QKeySequence(Qt::CTRL | Qt::Key_O), [this] {
    if (albumbtn()->isEnabled()) albumbtnclicked();
  });
  add(QKeySequence(Qt::CTRL | Qt::Key_S), [this] { savebtnclicked(); });
  add(QKeySequence(Qt::CTRL | Qt::Key_Z),
      [this, clickCanvasButton] { clickCanvasButton(workview_->undobtn()); });
  add(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
      [this, clickCanvasButton] { clickCanvasButton(workview_->redobtn()); });
  add(QKeySequence(Qt::CTRL | Qt::Key_Y),
      [this, clickCanvasButton] { clickCanvasButton(workview_->redobtn()); });
  add(QKeySequence(Qt::Key_A), [this, clickCanvasButton] { clickCanvasButton(workview_->Abtn()); });
  add(QKeySequence(Qt::Key_B), [this, clickCanvasButton] { clickCanvasButton(workview_->Bbtn()); });
  add(QKeySequence(Qt::Key_BracketLeft), [this] {
    if (canvasActs()) stepSlider(-kSliderStep);
  });
  add(QKeySequence(Qt::Key_BracketRight), [this] {
    if (canvasActs()) stepSlider(kSliderStep);
  });
}

}  // namespace screen
