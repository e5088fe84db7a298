// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop window's view of the picture: Zoom In and Zoom Out by round
// steps, the status bar's zoom box, the scroll bars' setting, and a toolbar
// that keeps its commands as the window narrows.
#include <QAction>
#include <QLabel>
#include <QSettings>
#include <QSlider>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "canvas/CanvasModel.h"
#include "canvas/PlateView.h"
#include "desktop/CanvasArea.h"
#include "desktop/DesktopWindow.h"
#include "desktop/ToolBarFitter.h"
#include "desktop/ZoomBox.h"

namespace desktop {

namespace {

// The brush slider's width with room to spare, and in a narrow window.
constexpr int kSliderWide = 140;
constexpr int kSliderNarrow = 90;

}  // namespace

double DesktopWindow::percentOf(double zoomFactor) const {
  return zoomFactor * plate_->devicePixelRatioF() * 100.0;
}

std::optional<double> DesktopWindow::zoomPercent() const {
  const double factor = model_->plate()->zoomFactor();
  if (!(factor > 0.0)) return std::nullopt;
  return percentOf(factor);
}

void DesktopWindow::zoomToPercent(double percent) {
  model_->plate()->zoomTo(percent / 100.0 / plate_->devicePixelRatioF());
}

void DesktopWindow::stepZoom(int direction) {
  const canvas::Plate* plate = model_->plate();
  const auto now = zoomPercent();
  if (!now || !model_->touchesActive()) return;
  zoomToPercent(zoomStep(*now, direction, percentOf(plate->minimumZoomFactor()),
                         percentOf(plate->maximumZoomFactor())));
}

void DesktopWindow::buildViewActions() {
  QAction* bars = makeAction("scrollBars", tr("Scroll &Bars"),
                             tr("Show scroll bars when the picture is larger than the window"), "", {});
  bars->setCheckable(true);
  bars->setChecked(area_->scrollBarsShown());
  connect(bars, &QAction::toggled, this, [this](bool on) {
    area_->setScrollBarsShown(on);
    QSettings settings = windowSettings();
    settings.setValue(kScrollBarsKey, on);
    settings.sync();
  });
}

void DesktopWindow::restoreViewSettings() {
  action(QStringLiteral("scrollBars"))->setChecked(windowSettings().value(kScrollBarsKey, true).toBool());
}

void DesktopWindow::buildZoomBox() {
  zoomLabel_ = new QLabel(tr("Zoom"), this);
  zoomLabel_->setObjectName(QStringLiteral("zoomLabel"));
  zoomBox_ = new ZoomBox(this);
  zoomLabel_->setBuddy(zoomBox_);
  zoomBox_->setCanvas(plate_);
  connect(zoomBox_, &ZoomBox::zoomChosen, this, &DesktopWindow::zoomToPercent);
  connect(zoomBox_, &ZoomBox::fitChosen, model_->plate(), &canvas::Plate::fitToClip);
  statusBar()->addPermanentWidget(zoomLabel_);
  statusBar()->addPermanentWidget(zoomBox_);
  showZoom();
}

void DesktopWindow::showZoom() {
  const auto percent = model_->painting()->orgimgview()->image().isNull() ? std::nullopt : zoomPercent();
  zoomLabel_->setVisible(percent.has_value());
  zoomBox_->setVisible(percent.has_value());
  zoomBox_->showZoom(percent);
}

void DesktopWindow::fitToolBar(QToolBar* bar) {
  connect(bar, &QToolBar::toolButtonStyleChanged, compareButton_, &QToolButton::setToolButtonStyle);
  new ToolBarFitter(bar, brushSlider_, kSliderWide, kSliderNarrow);
}

}  // namespace desktop
