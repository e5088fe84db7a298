// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/SketchDocument.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThreadPool>
#include <QTimer>
#include <algorithm>

#include "canvas/CanvasModel.h"
#include "document/PaintingSession.h"
#include "document/PhotoFit.h"
#include "document/StyleRenderer.h"
#include "platform/Log.h"
#include "platform/PropertyList.h"
#include "platform/Resources.h"
#include "platform/UserDefaults.h"

namespace document {

namespace {

const QString kCurrentType = QStringLiteral("currenttype");
const QString kCurrentAType = QStringLiteral("currentAtype");

QStringList stringList(const QVariant& value) {
  QStringList names;
  for (const QVariant& v : value.toList()) names << v.toString();
  return names;
}

bool readableDirectory(const QString& path) {
  const QFileInfo info(path);
  return !path.isEmpty() && info.isDir() && info.isReadable();
}

}  // namespace

SketchDocument::SketchDocument(QObject* parent)
    : QObject(parent), passTimer_(new QTimer(this)), renderer_(std::make_unique<StyleRenderer>()) {
  passTimer_->setSingleShot(true);
  connect(passTimer_, &QTimer::timeout, this, &SketchDocument::dosketch);
}

SketchDocument::~SketchDocument() {
  // Ending normally is closing the painting: no session is left to recover.
  // Quietly: the views it would tell may be half gone.
  blockSignals(true);
  // An export under way is stopped: its file is not written.
  if (exporter_) {
    cancelExport();
    exporter_->waitForDone();
  }
  if (session_) closeSession();
}

void SketchDocument::load() {
  defaultsetting_ = &platform::UserDefaults::standardUserDefaults();
  currenttype_ = defaultsetting_->integerForKey(kCurrentType);
  currentAtype_ = defaultsetting_->integerForKey(kCurrentAType);
  // First start: the sketch list opens on the first style, not on the photo.
  if (currenttype_ == 0 && !defaultsetting_->boolForKey(QStringLiteral("inited"))) {
    defaultsetting_->setBoolForKey(true, QStringLiteral("inited"));
    currenttype_ = 1;
    defaultsetting_->setIntegerForKey(1, kCurrentType);
  }
  renderedType_ = currenttype_;
  renderedAType_ = currentAtype_;
  lastwidth_ = 0;
  lastheight_ = 0;
  grayimgdata_ = sketch::GrayPlane();
  imgchanged_ = true;

  const QVariantMap appdata =
      platform::readPropertyList(platform::resourceRoot() + QStringLiteral("/data/AppDataList.plist"))
          .toMap();
  sketchtypearray_ = stringList(appdata.value(QStringLiteral("sketchtype")));
  textureName_ = stringList(appdata.value(QStringLiteral("sketchbrush"))).value(0);
  renderer_->setTextureName(textureName_);

  // A stored number that the lists (or the styles) do not offer would index past
  // the end of a list: keep it in range.
  currenttype_ = clampStyle(currenttype_);
  currentAtype_ = clampStyle(currentAtype_);
}

void SketchDocument::setCanvas(canvas::CanvasModel* canvas, float canvasAspect) {
  if (canvas_) disconnect(canvas_->painting(), nullptr, this, nullptr);
  canvas_ = canvas;
  canvasAspect_ = canvasAspect;
  if (canvas_)
    connect(canvas_->painting(), &canvas::Painting::workChanged, this, [this] {
      ++changeSerial_;
      setModified(true);
    });
}

void SketchDocument::setModified(bool modified) {
  if (modified_ == modified) return;
  modified_ = modified;
  emit modifiedChanged(modified);
}

void SketchDocument::schedulePass(int delayMs) {
  // One pass at a time: a later request only brings the pending one forward.
  if (passTimer_->isActive()) delayMs = std::min(delayMs, passTimer_->remainingTime());
  passTimer_->start(std::max(0, delayMs));
}

int SketchDocument::clampStyle(int style) const {
  // Row index = style number: 0 the photo, 1..7 the styles.
  int last = 7;
  if (!sketchtypearray_.isEmpty()) last = std::min<int>(last, sketchtypearray_.size() - 1);
  return std::clamp(style, 0, last);
}

void SketchDocument::setBusy(bool busy) {
  if (busy_ == busy) return;
  busy_ = busy;
  emit busyChanged(busy);
}

void SketchDocument::selectSketchStyle(int row) {
  if (row < 0 || row >= styleCount() || row == currenttype_) return;
  currenttype_ = row;
  emit selectionChanged();
}

void SketchDocument::selectPhotoAStyle(int row) {
  if (row < 0 || row >= styleCount() || row == currentAtype_) return;
  currentAtype_ = row;
  emit selectionChanged();
}

bool SketchDocument::renderIfChanged(int delayMs) {
  if (!canvas_->painting()->imgready() || (currenttype_ == renderedType_ && currentAtype_ == renderedAType_))
    return false;
  canvas_->painting()->setSketchready(false);
  setBusy(true);
  schedulePass(delayMs);
  return true;
}

// --- Acquisition -----------------------------------------------------------------

QString SketchDocument::openDialogFilter() {
  //: The open dialog's filter; %1 is the list of file patterns ("*.jpg *.png ...").
  return tr("Images (%1)").arg(platform::readablePhotoPatterns().join(QLatin1Char(' ')));
}

QString SketchDocument::albumStartFolder() {
  const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  if (readableDirectory(pictures)) return pictures;
  const QString home = QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
  return readableDirectory(home) ? home : QString();
}

void SketchDocument::showOpenFailure(const QString& name, const QString& reason) {
  emit alertRequested({tr("Cannot Open Photo"),
                       //: %1 is the name of the file or picture, %2 the reason (a clause in lower case).
                       tr("%1 could not be opened: %2.").arg(name, reason), tr("OK")});
}

bool SketchDocument::pickPhotoFile(const QString& path) {
  if (!canvas_) return false;
  const QString name = QFileInfo(path).fileName();
  QString reason;
  std::optional<platform::PreparedPhoto> photo;
  QByteArray bytes;
  if (readsPhotoBytes()) {
    // The document keeps the very bytes decoded, so read them once.
    if (readPhotoBytes(path, &bytes, &reason)) {
      QBuffer buffer(&bytes);
      buffer.open(QIODevice::ReadOnly);
      photo = platform::preparePhoto(buffer, &reason);
    }
  } else {
    photo = platform::preparePhoto(path, &reason);
  }
  if (!photo) {
    showOpenFailure(name, reason.isEmpty() ? tr("the file is not a picture") : reason);
    return false;
  }
  pendingRecord_.reset();
  pendingDocumentPath_.clear();
  pendingSessionPath_.clear();
  applyPickedPhoto(std::move(*photo), name, QFileInfo(path).absoluteFilePath());
  pendingBytes_ = std::move(bytes);
  return true;
}

bool SketchDocument::pickImage(const QImage& image, const QString& name) {
  if (!canvas_) return false;
  QString reason;
  std::optional<platform::PreparedPhoto> photo = platform::prepareImage(image, 0, &reason);
  if (!photo) {
    showOpenFailure(name, reason.isEmpty() ? tr("the picture is empty") : reason);
    return false;
  }
  QByteArray bytes;
  if (readsPhotoBytes()) {
    // A picture without a file is kept as a lossless PNG of what was prepared.
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    photo->image.save(&buffer, "PNG");
  }
  pendingRecord_.reset();
  pendingDocumentPath_.clear();
  pendingSessionPath_.clear();
  applyPickedPhoto(std::move(*photo), name, QString());
  pendingBytes_ = std::move(bytes);
  return true;
}

void SketchDocument::applyPickedPhoto(platform::PreparedPhoto photo, const QString& name,
                                      const QString& path) {
  if (!pendingPick_)
    pendingPick_ = PendingPick{
        orgimg_,     photoName_, photoPath_, canvas_->plate()->fit(), canvas_->painting()->linesize(),
        imgchanged_, modified_};

  // The fit comes from the full-resolution upright size, not the working size.
  const float aspect = canvasAspect_ > 0.0f
                           ? canvasAspect_
                           : float(photo.uprightSize.width()) / float(photo.uprightSize.height());
  const PhotoFit fit = fitPhoto(photo.uprightSize, aspect);
  photoSize_ = photo.uprightSize;
  canvas_->plate()->setFit({fit.offsetratio_x, fit.offsetratio_y, fit.bigwidth});

  orgimg_ = std::move(photo.image);
  photoName_ = name;
  photoPath_ = path;
  imgchanged_ = true;
  // The painting on the canvas is given up for this photo (unless its render fails).
  setModified(false);
  canvas_->painting()->setLinesize(brushWidthForPhoto(canvas_->painting()->sliderValue(), orgimg_.width()));
  setBusy(true);
  emit photoPicked();
  schedulePass(pickRenderDelay_);
}

// --- Render pass -----------------------------------------------------------------

void SketchDocument::dosketch() {
  if (!canvas_) return;
  passTimer_->stop();
  breakdown_.clear();
  const bool renderB = imgchanged_ || currenttype_ != renderedType_;
  const bool renderA = imgchanged_ || currentAtype_ != renderedAType_;

  // Render into locals first: a pass that fails must leave the canvas, the grey
  // plane and the stored numbers as they were.
  QImage photoB = canvas_->painting()->sketchimgview()->image();
  QImage photoA = canvas_->painting()->orgimgview()->image();
  // The plane is written into the memory of the one before the last, already
  // mapped, where a new one would be faulted in page by page.
  sketch::GrayPlane plane = std::move(sparePlane_);
  // A render is opaque throughout; the photo itself, and pictures kept from
  // before, are as the canvas found them.
  canvas::KnownOpaque known{canvas_->painting()->sketchimgview()->isOpaque(),
                            canvas_->painting()->orgimgview()->isOpaque()};
  bool planeWritten = false;
  QString error;
  if (orgimg_.isNull()) error = QStringLiteral("there is no photo");

  if (error.isEmpty() && renderB) {
    if (currenttype_ == 0) {
      photoB = orgimg_;
      known.photoB = false;
    } else if (auto image = renderer_->render(orgimg_, currenttype_, plane, &error, &breakdown_)) {
      photoB = *image;
      known.photoB = true;
      planeWritten = true;
    }
  }
  if (error.isEmpty() && renderA) {
    if (currentAtype_ == 0) {
      photoA = orgimg_;
      known.photoA = false;
    } else if (renderB && currentAtype_ == currenttype_) {
      // The same style of the same photo is the same rendering, pixel for pixel.
      photoA = photoB;
      known.photoA = known.photoB;
    } else if (auto image = renderer_->render(orgimg_, currentAtype_, plane, &error, &breakdown_)) {
      photoA = *image;
      known.photoA = true;
      planeWritten = true;
    }
  }
  if (!error.isEmpty()) {
    sparePlane_ = std::move(plane);
    renderFailed(error);
    return;
  }

  QElapsedTimer handoff;
  handoff.start();
  // Each write goes to disk at once; a number already stored needs none.
  auto persist = [this](int value, int& rendered, const QString& key) {
    if (value != rendered || !defaultsetting_->hasKey(key)) defaultsetting_->setIntegerForKey(value, key);
    rendered = value;
  };
  if (renderB) persist(currenttype_, renderedType_, kCurrentType);
  if (renderA) persist(currentAtype_, renderedAType_, kCurrentAType);
  if (planeWritten) {
    std::swap(grayimgdata_, plane);
    lastwidth_ = orgimg_.width();
    lastheight_ = orgimg_.height();
  }
  sparePlane_ = std::move(plane);

  imgchanged_ = false;
  pendingPick_.reset();
  if (keepsPainting_) {
    paintingPassDone(photoB, photoA, known);
  } else {
    canvas_->setPictures(photoB, photoA, known);
    setModified(false);
    if (sessions_) startRecord();
  }
  setBusy(false);
  breakdown_.handoffMs = double(handoff.nsecsElapsed()) / 1e6;
  emit renderPassFinished(true);
}

void SketchDocument::renderFailed(const QString& detail) {
  qCWarning(lcVorlane) << "render pass failed:" << detail;
  const QString failedName = photoName_;
  if (pendingPick_) {
    // The new photo cannot be shown: everything goes back to the photo before it.
    const PendingPick& before = *pendingPick_;
    orgimg_ = before.orgimg;
    photoName_ = before.photoName;
    photoPath_ = before.photoPath;
    imgchanged_ = before.imgchanged;
    canvas_->plate()->setFit(before.fit);
    canvas_->painting()->setLinesize(before.linesize);
    setModified(before.modified);
    pendingPick_.reset();
  }
  // Nothing the failed pass was to bring stays pending.
  if (!pendingDocumentPath_.isEmpty()) sessions_->releaseDocument(pendingDocumentPath_);
  if (!pendingSessionPath_.isEmpty()) sessions_->release(pendingSessionPath_, false);
  pendingBytes_.clear();
  pendingRecord_.reset();
  pendingDocumentPath_.clear();
  pendingSessionPath_.clear();
  pendingMove_.reset();
  // The selection goes back to what the canvas shows.
  if (canvas_->painting()->imgready()) {
    currenttype_ = clampStyle(renderedType_);
    currentAtype_ = clampStyle(renderedAType_);
    canvas_->painting()->setSketchready(true);
  }
  emit selectionChanged();
  setBusy(false);
  showOpenFailure(failedName, tr("the picture could not be rendered"));
  emit renderPassFinished(false);
}

}  // namespace document
