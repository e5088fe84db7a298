// Bringing a photo in: the album's file dialog, the camera, the command line,
// the file manager and drops all end in the same pick path.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QStandardPaths>
#include <QTimer>

#include "canvas/VorlaneView.h"
#include "platform/widgets/ActivityIndicator.h"
#include "platform/widgets/CameraCapture.h"
#include "platform/widgets/FloatSlider.h"
#include "screen/MainViewController.h"
#include "screen/PhotoFit.h"

namespace screen {

namespace {

QString imageNameFilter() {
  return QStringLiteral("Images (%1)").arg(platform::readablePhotoPatterns().join(QLatin1Char(' ')));
}

bool readableDirectory(const QString& path) {
  const QFileInfo info(path);
  return !path.isEmpty() && info.isDir() && info.isReadable();
}

// The local image file a drop carries, if it carries exactly one.
QString droppedFile(const QMimeData* mime) {
  if (!mime || !mime->hasUrls() || mime->urls().size() != 1) return {};
  const QUrl url = mime->urls().constFirst();
  return url.isLocalFile() ? url.toLocalFile() : QString();
}

}  // namespace

void MainViewController::showSourceAlert(const SourceAlertTexts& texts) {
  auto* alert = new platform::AlertView(texts.title, texts.message, nullptr, texts.button);
  alert->show(this);
}

void MainViewController::showOpenFailure(const QString& name, const QString& reason) {
  auto* alert = new platform::AlertView(QStringLiteral("Cannot Open Photo"),
                                        QStringLiteral("%1 could not be opened: %2.").arg(name, reason), this,
                                        QStringLiteral("OK"));
  alert->show(this);
}

void MainViewController::albumbtnclicked() {
  const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  const QString home = QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
  QString start;
  if (readableDirectory(pictures))
    start = pictures;
  else if (readableDirectory(home))
    start = home;
  if (start.isEmpty()) {
    showSourceAlert(profile_.noLibrary);
    return;
  }
  if (albumDialog_) albumDialog_->close();
  auto* dialog = new QFileDialog(this, QStringLiteral("Load"), start, imageNameFilter());
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  dialog->setFileMode(QFileDialog::ExistingFile);
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& path) { pickPhotoFile(path); });
  connect(dialog, &QDialog::rejected, this, &MainViewController::imagePickerControllerDidCancel);
  albumDialog_ = dialog;
  dialog->open();
}

void MainViewController::camerabtnclicked() {
  if (!platform::CameraCapture::isAvailable()) {
    showSourceAlert(profile_.noCamera);
    return;
  }
  if (cameraView_) cameraView_->deleteLater();
  auto* camera = new platform::CameraCapture(this);
  camera->setGeometry(rect());
  connect(camera, &platform::CameraCapture::captured, this, [this, camera](const QImage& image) {
    camera->deleteLater();
    pickImage(image, QStringLiteral("The camera picture"));
  });
  connect(camera, &platform::CameraCapture::cancelled, this, [this, camera] {
    camera->deleteLater();
    imagePickerControllerDidCancel();
  });
  cameraView_ = camera;
  camera->show();
  camera->raise();
  camera->start();
}

void MainViewController::imagePickerControllerDidCancel() {
  // Nothing to undo: a cancelled picker has changed nothing.
}

bool MainViewController::pickPhotoFile(const QString& path) {
  if (!viewLoaded_) return false;
  const QString name = QFileInfo(path).fileName();
  QString reason;
  std::optional<platform::PreparedPhoto> photo = platform::preparePhoto(path, &reason);
  if (!photo) {
    showOpenFailure(name, reason.isEmpty() ? QStringLiteral("the file is not a picture") : reason);
    return false;
  }
  applyPickedPhoto(std::move(*photo), name);
  return true;
}

bool MainViewController::pickImage(const QImage& image, const QString& name) {
  if (!viewLoaded_) return false;
  QString reason;
  std::optional<platform::PreparedPhoto> photo = platform::prepareImage(image, 0, &reason);
  if (!photo) {
    showOpenFailure(name, reason.isEmpty() ? QStringLiteral("the picture is empty") : reason);
    return false;
  }
  applyPickedPhoto(std::move(*photo), name);
  return true;
}

void MainViewController::applyPickedPhoto(platform::PreparedPhoto photo, const QString& name) {
  if (albumDialog_) albumDialog_->close();
  if (!pendingPick_) {
    PendingPick before;
    before.orgimg = orgimg_;
    before.photoName = photoName_;
    before.offsetratio_x = workview_->offsetratio_x();
    before.offsetratio_y = workview_->offsetratio_y();
    before.bigwidth = workview_->bigwidth();
    before.linesize = workview_->linesize();
    before.imgchanged = imgchanged_;
    before.canvasHidden = workview_->isHidden();
    before.panelsShown = !sketchtypebaseview_->isHidden();
    pendingPick_ = before;
  }

  // Busy until the render pass has run.
  if (profile_.hideCanvasWhileBusy) workview_->setHidden(true);
  processindicator_->setHidden(false);
  processindicator_->startAnimating();
  sketchtypebaseview_->setHidden(false);
  photoAtypebaseview_->setHidden(false);

  // The fit comes from the full-resolution upright size, not the working size.
  const PhotoFit fit = fitPhoto(photo.uprightSize, profile_.canvasAspect);
  if (fit.bigwidth) {
    workview_->setOffsetratio_x(fit.offsetratio_x);
    workview_->setOffsetratio_y(fit.offsetratio_y);
  } else {
    workview_->setOffsetratio_y(fit.offsetratio_y);
    workview_->setOffsetratio_x(fit.offsetratio_x);
  }
  workview_->setBigwidth(fit.bigwidth);

  orgimg_ = std::move(photo.image);
  photoName_ = name;
  imgchanged_ = true;
  workview_->setLinesize(brushWidthForPhoto(workview_->linesizeslider()->value(), orgimg_.width()));
  QTimer::singleShot(kRenderDelayMs, this, &MainViewController::dosketch);
}

void MainViewController::dragEnterEvent(QDragEnterEvent* event) {
  const QMimeData* mime = event->mimeData();
  if (!canvasCovered() && (!droppedFile(mime).isEmpty() || (mime && mime->hasImage())))
    event->acceptProposedAction();
}

void MainViewController::dropEvent(QDropEvent* event) {
  if (canvasCovered()) return;
  const QMimeData* mime = event->mimeData();
  const QString path = droppedFile(mime);
  if (!path.isEmpty()) {
    event->acceptProposedAction();
    pickPhotoFile(path);
  } else if (mime && mime->hasImage()) {
    event->acceptProposedAction();
    pickImage(qvariant_cast<QImage>(mime->imageData()), QStringLiteral("The dropped picture"));
  }
}

}  // namespace screen
