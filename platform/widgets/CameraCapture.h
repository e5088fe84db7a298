// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A capture view on the first camera that Qt Multimedia lists: the live picture,
// a "Take Photo" and a "Cancel" button. It reports the captured picture or the
// cancel once and then stops the camera.
#include <QImage>
#include <QWidget>
#include <memory>

class QCamera;
class QImageCapture;
class QMediaCaptureSession;
class QPushButton;
class QVideoWidget;

namespace platform {

class CameraCapture : public QWidget {
  Q_OBJECT
 public:
  explicit CameraCapture(QWidget* parent = nullptr);
  ~CameraCapture() override;

  // True when at least one video input is listed (see CameraWatch).
  static bool isAvailable();

  // Starts the camera. Does nothing when there is none.
  void start();
  bool isActive() const;

  QPushButton* takeButton() const { return take_; }
  QPushButton* cancelButton() const { return cancel_; }

 signals:
  void captured(const QImage& image);
  void cancelled();

 private:
  void finish();

  std::unique_ptr<QMediaCaptureSession> session_;
  std::unique_ptr<QCamera> camera_;
  std::unique_ptr<QImageCapture> imageCapture_;
  QVideoWidget* preview_ = nullptr;
  QPushButton* take_ = nullptr;
  QPushButton* cancel_ = nullptr;
  bool done_ = false;
};

}  // namespace platform
