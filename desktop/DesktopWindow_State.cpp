// SPDX-License-Identifier: GPL-3.0-or-later
// What the window carries from one launch to the next and what it follows while
// it runs: the brush (its size and whether it paints colour or restores the
// sketch), and whether there is a camera to take a photo with.
#include <QAction>
#include <QSettings>
#include <QTimer>
#include <cmath>

#include "canvas/CanvasModel.h"
#include "desktop/DesktopWindow.h"
#include "platform/widgets/CameraWatch.h"

namespace desktop {

namespace {

const QString kBrushSizeKey = QStringLiteral("desktop/brushSize");
const QString kBrushModeKey = QStringLiteral("desktop/brushMode");
const QString kPaintColour = QStringLiteral("paintColour");
const QString kRestoreSketch = QStringLiteral("restoreSketch");

}  // namespace

void DesktopWindow::restoreBrush() {
  canvas::Painting* painting = model_->painting();
  QSettings settings = windowSettings();
  // A value that is not a number is passed over; one out of range is clamped.
  bool ok = false;
  const float size = settings.value(kBrushSizeKey).toFloat(&ok);
  if (ok && std::isfinite(size)) painting->setSliderValue(size);
  const QString mode = settings.value(kBrushModeKey).toString();
  if (mode == kRestoreSketch)
    painting->setBrushMode(canvas::BrushMode::B);
  else if (mode == kPaintColour)
    painting->setBrushMode(canvas::BrushMode::A);

  // Written as they change, so a crash keeps them too. The eraser end of a pen
  // switches the mode only while it touches: what comes back is the mode chosen.
  connect(painting, &canvas::Painting::brushSizeChanged, this, [this, painting] {
    QSettings settings = windowSettings();
    settings.setValue(kBrushSizeKey, painting->sliderValue());
  });
  connect(painting, &canvas::Painting::brushModeChanged, this, [this, painting](canvas::BrushMode mode) {
    if (painting->eraserHeld()) return;
    QSettings settings = windowSettings();
    settings.setValue(kBrushModeKey, mode == canvas::BrushMode::B ? kRestoreSketch : kPaintColour);
  });
}

void DesktopWindow::watchCameras() {
  // The first look at the devices starts Qt Multimedia, tens of milliseconds:
  // once the window is up. Until then Take Photo asks when it is chosen.
  QTimer::singleShot(0, this, [this] {
    auto* cameras = new platform::CameraWatch(this);
    auto show = [this](bool available) {
      QAction* take = action(QStringLiteral("takePhoto"));
      take->setEnabled(available);
      const QString tip = available ? tr("Take a photo with the camera")
                                    : tr("No camera was found on this computer");
      take->setToolTip(tip);
      take->setStatusTip(tip);
    };
    show(cameras->available());
    connect(cameras, &platform::CameraWatch::availableChanged, this, show);
  });
}

}  // namespace desktop
