// The render pass: photo B and photo A into the canvas, re-rendering only what
// changed since the last pass, then the canvas starts afresh from photo B.
#include <QElapsedTimer>
#include <QListWidget>

#include "canvas/VorlaneView.h"
#include "platform/Log.h"
#include "platform/UserDefaults.h"
#include "platform/widgets/ActivityIndicator.h"
#include "screen/MainViewController.h"
#include "screen/StyleRenderer.h"

namespace screen {

void MainViewController::dosketch() {
  breakdown_.clear();
  const int lastB = defaultsetting_->integerForKey(QStringLiteral("currenttype"));
  const int lastA = defaultsetting_->integerForKey(QStringLiteral("currentAtype"));
  const bool renderB = imgchanged_ || currenttype_ != lastB;
  const bool renderA = imgchanged_ || currentAtype_ != lastA;

  // Render into locals first: a pass that fails must leave the canvas, the grey
  // plane and the stored numbers as they were.
  QImage photoB = workview_->sketchimgview()->image();
  QImage photoA = workview_->orgimgview()->image();
  sketch::GrayPlane plane;
  bool planeWritten = false;
  QString error;
  if (orgimg_.isNull()) error = QStringLiteral("there is no photo");

  if (error.isEmpty() && renderB) {
    if (currenttype_ == 0) {
      photoB = orgimg_;
    } else if (auto image = renderer_->render(orgimg_, currenttype_, plane, &error, &breakdown_)) {
      photoB = *image;
      planeWritten = true;
    }
  }
  if (error.isEmpty() && renderA) {
    if (currentAtype_ == 0) {
      photoA = orgimg_;
    } else if (renderB && currentAtype_ == currenttype_) {
      // The same style of the same photo is the same rendering, pixel for pixel.
      photoA = photoB;
    } else if (auto image = renderer_->render(orgimg_, currentAtype_, plane, &error, &breakdown_)) {
      photoA = *image;
      planeWritten = true;
    }
  }
  if (!error.isEmpty()) {
    renderFailed(error);
    return;
  }

  QElapsedTimer handoff;
  handoff.start();
  // Each write goes to disk at once; a number already stored needs none.
  auto persist = [this](int value, int stored, const QString& key) {
    if (value != stored || !defaultsetting_->hasKey(key)) defaultsetting_->setIntegerForKey(value, key);
  };
  if (renderB) persist(currenttype_, lastB, QStringLiteral("currenttype"));
  if (renderA) persist(currentAtype_, lastA, QStringLiteral("currentAtype"));
  if (planeWritten) {
    grayimgdata_ = std::move(plane);
    lastwidth_ = orgimg_.width();
    lastheight_ = orgimg_.height();
  }

  // The canvas gives the work image pixels of its own before it paints on it.
  workview_->sketchimgview()->setImage(photoB);
  workview_->workimgview()->setImage(photoB);
  workview_->orgimgview()->setImage(photoA);

  imgchanged_ = false;
  pendingPick_.reset();
  workview_->setSketchready(true);
  workview_->setHidden(false);
  workview_->setImgready(true);
  workview_->writeScratchFile();
  workview_->resetBaseviewFrame();
  workview_->resetHistory();
  processindicator_->stopAnimating();
  processindicator_->setHidden(true);
  breakdown_.handoffMs = double(handoff.nsecsElapsed()) / 1e6;
  emit renderPassFinished(true);
}

void MainViewController::renderFailed(const QString& detail) {
  qCWarning(lcVorlane) << "render pass failed:" << detail;
  const QString failedName = photoName_;
  if (pendingPick_) {
    // The new photo cannot be shown: everything goes back to the photo before it.
    const PendingPick& before = *pendingPick_;
    orgimg_ = before.orgimg;
    photoName_ = before.photoName;
    imgchanged_ = before.imgchanged;
    workview_->setOffsetratio_x(before.offsetratio_x);
    workview_->setOffsetratio_y(before.offsetratio_y);
    workview_->setBigwidth(before.bigwidth);
    workview_->setLinesize(before.linesize);
    workview_->setHidden(before.canvasHidden);
    sketchtypebaseview_->setVisible(before.panelsShown);
    photoAtypebaseview_->setVisible(before.panelsShown);
    pendingPick_.reset();
  }
  // The selection goes back to what the canvas shows.
  if (workview_->imgready()) {
    currenttype_ = clampStyle(defaultsetting_->integerForKey(QStringLiteral("currenttype")));
    currentAtype_ = clampStyle(defaultsetting_->integerForKey(QStringLiteral("currentAtype")));
  }
  scrollListToRow(sketchtypetableview_, currenttype_);
  scrollListToRow(photoAtypetableview_, currentAtype_);
  if (workview_->imgready()) workview_->setSketchready(true);
  processindicator_->stopAnimating();
  processindicator_->setHidden(true);
  showOpenFailure(failedName, QStringLiteral("the picture could not be rendered"));
  emit renderPassFinished(false);
}

}  // namespace screen
