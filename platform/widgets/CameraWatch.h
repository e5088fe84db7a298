// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether a camera is plugged in, and word when that changes: Qt Multimedia's
// list of video inputs, or a stand-in list that tests set.
#include <QObject>
#include <optional>

class QMediaDevices;

namespace platform {

// True when at least one video input is listed.
bool cameraAvailable();

// Stands in for the list of video inputs with a number of cameras (nullopt:
// the real list again), and tells every watch. Main thread.
void setCameraListStandIn(std::optional<int> cameras);

class CameraWatch : public QObject {
  Q_OBJECT
 public:
  explicit CameraWatch(QObject* parent = nullptr);
  ~CameraWatch() override;

  bool available() const { return available_; }

 signals:
  void availableChanged(bool available);

 private:
  friend void setCameraListStandIn(std::optional<int> cameras);
  void recheck();

  QMediaDevices* devices_;
  bool available_;
};

}  // namespace platform
