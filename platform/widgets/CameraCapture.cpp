// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/widgets/CameraCapture.h"

#include <QCamera>
#include <QHBoxLayout>
#include <QImageCapture>
#include <QMediaCaptureSession>
#include <QMediaDevices>
#include <QPushButton>
#include <QVBoxLayout>
#include <QVideoWidget>

#include "platform/Log.h"
#include "platform/widgets/CameraWatch.h"

namespace platform {

CameraCapture::CameraCapture(QWidget* parent) : QWidget(parent) {
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::black);
  setPalette(p);

  preview_ = new QVideoWidget(this);
  take_ = new QPushButton(tr("Take Photo"), this);
  cancel_ = new QPushButton(tr("Cancel"), this);
  take_->setEnabled(false);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cancel_);
  buttons->addStretch(1);
  buttons->addWidget(take_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->addWidget(preview_, 1);
  layout->addLayout(buttons);

  connect(cancel_, &QPushButton::clicked, this, [this] {
    if (done_) return;
    finish();
    emit cancelled();
  });
  connect(take_, &QPushButton::clicked, this, [this] {
    if (imageCapture_ && imageCapture_->isReadyForCapture()) imageCapture_->capture();
  });
}

CameraCapture::~CameraCapture() {
  if (camera_) camera_->stop();
}

bool CameraCapture::isAvailable() {
  return cameraAvailable();
}

bool CameraCapture::isActive() const {
  return camera_ && camera_->isActive();
}

void CameraCapture::start() {
  const QList<QCameraDevice> inputs = QMediaDevices::videoInputs();
  if (inputs.isEmpty() || camera_) return;
  session_ = std::make_unique<QMediaCaptureSession>();
  camera_ = std::make_unique<QCamera>(inputs.constFirst());
  imageCapture_ = std::make_unique<QImageCapture>();
  session_->setCamera(camera_.get());
  session_->setImageCapture(imageCapture_.get());
  session_->setVideoOutput(preview_);

  connect(imageCapture_.get(), &QImageCapture::readyForCaptureChanged, take_, &QPushButton::setEnabled);
  connect(imageCapture_.get(), &QImageCapture::imageCaptured, this, [this](int, const QImage& image) {
    if (done_) return;
    finish();
    emit captured(image);
  });
  connect(imageCapture_.get(), &QImageCapture::errorOccurred, this,
          [](int, QImageCapture::Error, const QString& message) {
            qCWarning(lcVorlane) << "camera capture failed:" << message;
          });
  connect(camera_.get(), &QCamera::errorOccurred, this, [](QCamera::Error, const QString& message) {
    qCWarning(lcVorlane) << "camera failed:" << message;
  });
  camera_->start();
}

void CameraCapture::finish() {
  done_ = true;
  if (camera_) camera_->stop();
  hide();
}

}  // namespace platform
