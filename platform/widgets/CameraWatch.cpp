// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/widgets/CameraWatch.h"

#include <QCameraDevice>
#include <QList>
#include <QMediaDevices>

namespace platform {

namespace {

std::optional<int>& standIn() {
  static std::optional<int> cameras;
  return cameras;
}

QList<CameraWatch*>& watches() {
  static QList<CameraWatch*> all;
  return all;
}

}  // namespace

bool cameraAvailable() {
  if (standIn()) return *standIn() > 0;
  return !QMediaDevices::videoInputs().isEmpty();
}

void setCameraListStandIn(std::optional<int> cameras) {
  standIn() = cameras;
  for (CameraWatch* watch : watches()) watch->recheck();
}

CameraWatch::CameraWatch(QObject* parent)
    : QObject(parent), devices_(new QMediaDevices(this)), available_(cameraAvailable()) {
  watches().append(this);
  // A camera plugged in or out while the application runs.
  connect(devices_, &QMediaDevices::videoInputsChanged, this, &CameraWatch::recheck);
}

CameraWatch::~CameraWatch() {
  watches().removeOne(this);
}

void CameraWatch::recheck() {
  const bool available = cameraAvailable();
  if (available == available_) return;
  available_ = available;
  emit availableChanged(available);
}

}  // namespace platform
