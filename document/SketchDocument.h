// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The photo being worked on, without widgets: the prepared photo and its name,
// the two style numbers and their stored copies, the render pass that brings the
// canvas up to date, and delivering the painting (album, mail). Every layout
// binds to one document and its canvas model; the document never touches a
// widget and tells its views what happened through signals.
#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <functional>
#include <atomic>
#include <memory>
#include <optional>

#include "canvas/CanvasGeometry.h"
#include "document/PaintingFile.h"
#include "document/RenderBreakdown.h"
#include "document/SaveShare.h"
#include "document/SessionFolder.h"
#include "document/SourceAlertTexts.h"
#include "document/Timelapse.h"
#include "platform/PhotoDecoder.h"
#include "sketch/PixelBuffer.h"

class QThreadPool;
class QTimer;

namespace canvas {
class CanvasModel;
struct KnownOpaque;
}
namespace platform {
class UserDefaults;
}

namespace document {

class PaintingSession;
class StyleRenderer;

class SketchDocument : public QObject {
  Q_OBJECT
 public:
  static constexpr int kRenderDelayMs = 500;

  explicit SketchDocument(QObject* parent = nullptr);
  ~SketchDocument() override;

  // Reads the resource lists and the stored style numbers (on the first start
  // the sketch list opens on the first style). Once, before anything else.
  void load();

  // The canvas the pictures go to, and the shape photos are fitted to (width /
  // height of its clipping frame; 0 fits each photo to its own shape).
  void setCanvas(canvas::CanvasModel* canvas, float canvasAspect);
  canvas::CanvasModel* canvas() const { return canvas_; }

  int currenttype() const { return currenttype_; }
  int currentAtype() const { return currentAtype_; }
  bool imgchanged() const { return imgchanged_; }
  const QImage& orgimg() const { return orgimg_; }
  // The name of the photo on the canvas (or waiting for its render), and its
  // file (empty for a picture that came without one, from the camera or a drop).
  const QString& photoName() const { return photoName_; }
  const QString& photoPath() const { return photoPath_; }
  // Whether the painting has changed since the last render pass or save: a
  // stroke, undo or redo that changed the work image.
  bool isModified() const { return modified_; }
  const sketch::GrayPlane& grayimgdata() const { return grayimgdata_; }
  int lastwidth() const { return lastwidth_; }
  int lastheight() const { return lastheight_; }
  // Thumbnail resource names, one per row of the style lists (row = style number).
  const QStringList& sketchtypearray() const { return sketchtypearray_; }
  int styleCount() const { return static_cast<int>(sketchtypearray_.size()); }
  // The resource name of the sketch-brush texture the styles blend with.
  const QString& textureName() const { return textureName_; }
  // True from a pick or a style change until its render pass has run.
  bool busy() const { return busy_; }
  const RenderBreakdown& lastRenderBreakdown() const { return breakdown_; }

  // The style rows chosen in the lists; a row outside the list is ignored.
  void selectSketchStyle(int row);
  void selectPhotoAStyle(int row);
  // Renders again (after delayMs) when the selection differs from the stored
  // numbers and a picture is on the canvas; true when it will. A pass already
  // pending runs once, with the selection it finds then.
  bool renderIfChanged(int delayMs = kRenderDelayMs);

  // How long a picked photo waits for its render pass: the phone and tablet
  // keep their half second; the desktop, with nothing to wait for, renders at once.
  int pickRenderDelay() const { return pickRenderDelay_; }
  void setPickRenderDelay(int delayMs) { pickRenderDelay_ = std::max(0, delayMs); }

  // The one way a photo file comes in (file dialog, command line, file manager,
  // drops): decodes and prepares it, fits it to the canvas and schedules the
  // render pass. A file that cannot be opened raises an alert and changes
  // nothing.
  bool pickPhotoFile(const QString& path);
  // A picture that arrives decoded (camera, dropped image data).
  bool pickImage(const QImage& image, const QString& name);
  // A picture the camera view took, named as every layout names it.
  bool pickCameraPicture(const QImage& image) {
    //: A picture from the camera, first in "The camera picture could not be opened: ...".
    return pickImage(image, tr("The camera picture"));
  }

  // The render pass: photo B and photo A into the canvas, re-rendering only what
  // changed since the last pass; then the canvas starts afresh from photo B.
  void dosketch();

  // Save: the painting at the photo's working size as a PNG in the album.
  // Share: as a mail attachment where a mail program takes one, else the mail
  // link. Both are written off the main thread.
  // Each returns the ticket its saveFinished will carry, or 0 when nothing is
  // written (no picture: the "No Picture" alert is up).
  quint64 save();
  // Export: the same picture to path, PNG or JPEG (of quality 1..100) by its
  // suffix, replacing a file of that name (the caller has asked).
  quint64 exportPicture(const QString& path, int quality = 92);
  void share();
  // The desktop's share: the picture goes as an attachment named like an album
  // file (a mail program knows it for a JPEG) under a subject of its own, or
  // not at all. No mail link: it would carry the phone's addresses and no
  // picture. When no mail program takes it, only shareFailed comes, for the
  // view to offer another way.
  void setSharesAttachmentOnly(bool only) { sharesAttachmentOnly_ = only; }
  // Whether a successful save raises the "Image Saved!" alert (the desktop
  // reports it in its status bar instead).
  void setConfirmsSaves(bool confirms) { confirmsSaves_ = confirms; }

  // --- The painting as a document (the desktop's) ---
  // From now on the painting keeps its history through style and brush
  // changes, is kept as a session in sessionFolder while it is worked on (each
  // finished step committed), and is saved as a document. Once, after load().
  void setKeepsPainting(const QString& sessionFolder);
  bool keepsPainting() const { return keepsPainting_; }
  // The phone's and tablet's painting keeps its session too (each render pass
  // starts a new one, as it starts a new painting there), but its launch never
  // offers one back. Once, after setCanvas().
  void setKeepsSessions(const QString& sessionFolder);
  // Undo and redo of whole steps: a stroke, or a style change (whose pictures
  // are rendered again, the painting kept). Without a document, the canvas's.
  bool canUndo() const;
  bool canRedo() const;
  void undo();
  void redo();
  // What undo or redo would take back or bring back (the menus name it).
  enum class Step { None, Stroke, StyleChange };
  Step undoStep() const;
  Step redoStep() const;
  // The painting as its steps (the record a save writes), and the document it
  // was opened from or last saved to (empty before the first save).
  const PaintingRecord& paintingRecord() const { return record_; }
  const QString& documentPath() const { return documentPath_; }
  // Opens a painting document: its photo, styles and history; the painted
  // canvas follows with the render pass. A file that cannot be opened (or is
  // open already) raises an alert and changes nothing.
  bool openPainting(const QString& path);
  // Saves the painting as a document at path, off the main thread; the
  // outcome comes with saveFinished. 0 when there is no painting.
  quint64 savePainting(const QString& path);
  // Paintings that a Vorlane which ended without closing them left behind.
  std::vector<RecoverableSession> recoverableSessions();
  // Takes over such a session: the painting comes back with its whole history.
  bool recoverSession(const QString& sessionPath);
  void discardSession(const QString& sessionPath);
  // The painting is closed on purpose (the window closes): its session goes.
  void closeSession();
  // The photo file names a document or a photo; a document is opened as one.
  bool openFile(const QString& path);

  // The photo's own upright size (what an export at full size starts from).
  QSize photoSize() const { return photoSize_; }
  // Export at another size than the working size, and the time-lapse: long
  // renders on a thread of their own, telling their progress, stopped by
  // cancelExport() with nothing written. One at a time: 0 when one is under
  // way or there is no painting; else the ticket exportFinished carries.
  // longer: kFullPictureSize or a longer side in pixels.
  quint64 exportPictureAt(const QString& path, int quality, int longer);
  quint64 exportTimelapse(const QString& path, const TimelapseOptions& options);
  void cancelExport();
  bool exporting() const { return exportTicket_ != 0; }

  // The file dialog's filter: every image format that can be read.
  static QString openDialogFilter();
  // Where the photo library opens: Pictures, else home; empty when neither can
  // be read.
  static QString albumStartFolder();

 signals:
  void busyChanged(bool busy);
  // A new photo was accepted; its render pass is pending.
  void photoPicked();
  // At the end of every render pass; ok is false when the pass kept the
  // previous pictures because rendering failed.
  void renderPassFinished(bool ok);
  // The style numbers changed (a click, or a failed pass putting them back).
  void selectionChanged();
  void alertRequested(const document::SourceAlertTexts& alert);
  // A save has ended: ok with the new file's path, or not ok with the reason;
  // ticket: what save(), exportPicture() or savePainting() returned for it.
  void saveFinished(bool ok, const QString& pathOrReason, quint64 ticket);
  void modifiedChanged(bool modified);
  // A share has handed the picture on: with the attachment's path when a mail
  // program was started, with an empty path when the mail link opened.
  void shareHandedOn(const QString& attachmentPath);
  // No mail program took the picture (the "Cannot Share" alert is up, unless
  // the share is attachment-only).
  void shareFailed();
  // Undo or redo became possible or impossible, or changed what they name.
  void historyChanged();
  void documentPathChanged();
  void exportProgress(double done);
  // An export or time-lapse has ended: written (with its path), failed (with
  // the reason; the alert is up) or cancelled.
  void exportFinished(bool ok, const QString& pathOrReason, bool cancelled, quint64 ticket);

 private:
  // What the canvas showed before a pick whose render is still pending.
  struct PendingPick {
    QImage orgimg;
    QString photoName;
    QString photoPath;
    canvas::PictureFit fit;
    float linesize = 0;
    bool imgchanged = true;
    bool modified = false;
  };

  int clampStyle(int style) const;
  void setBusy(bool busy);
  void applyPickedPhoto(platform::PreparedPhoto photo, const QString& name, const QString& path);
  void schedulePass(int delayMs);
  void setModified(bool modified);
  // Writes the final picture off the main thread; fileName: the file an export
  // writes, named in the alert when it fails (empty for the album).
  quint64 write(const QImage& picture, const std::function<AlbumWrite(const QImage&)>& writeFile,
                const QString& fileName);
  void showOpenFailure(const QString& name, const QString& reason);
  void renderFailed(const QString& detail);
  bool finalPictureOrAlert(QImage* picture);
  void handToMailer(const AlbumWrite& written, const QString& mailer);
  void shareByMailLink();
  void cannotShare();
  QThreadPool* writer();
  // The painting document's side of the render pass, and of its steps.
  void paintingPassDone(const QImage& photoB, const QImage& photoA, canvas::KnownOpaque known);
  void recordStroke(int segments);
  void moveRecordedStroke(int by);
  void startRecord();
  bool readsPhotoBytes() const { return sessions_ != nullptr; }
  void recordStep(const PaintingStep& step);
  void moveStyles(int position);
  std::uint32_t paintingClock() const;
  void startSession();
  bool readPhotoBytes(const QString& path, QByteArray* bytes, QString* reason);
  void showPaintingFailure(const QString& name, const QString& reason);
  void setDocumentPath(const QString& path);
  // Reads a document or session file and makes its painting the pending pick;
  // an alert naming name when it cannot be.
  bool takePainting(const QString& file, const QString& name, const QString& documentPath,
                    const QString& sessionPath);

  canvas::CanvasModel* canvas_ = nullptr;
  float canvasAspect_ = 0.0f;
  platform::UserDefaults* defaultsetting_ = nullptr;
  QStringList sketchtypearray_;
  QString textureName_;
  int currenttype_ = 0;
  int currentAtype_ = 0;
  // The style pair the canvas shows, as stored in the settings (read once at
  // start, written with each pass that renders).
  int renderedType_ = 0;
  int renderedAType_ = 0;
  sketch::GrayPlane grayimgdata_;
  sketch::GrayPlane sparePlane_;  // memory for the next pass's plane
  int lastwidth_ = 0;
  int lastheight_ = 0;
  bool imgchanged_ = true;
  QImage orgimg_;
  QString photoName_;
  QString photoPath_;
  bool modified_ = false;
  // Counts the painting's changes, so that a save tells whether it holds the last.
  quint64 changeSerial_ = 0;
  quint64 lastSaveTicket_ = 0;
  QTimer* passTimer_ = nullptr;
  int pickRenderDelay_ = kRenderDelayMs;
  bool busy_ = false;
  bool confirmsSaves_ = true;
  bool sharesAttachmentOnly_ = false;
  std::optional<PendingPick> pendingPick_;
  std::unique_ptr<StyleRenderer> renderer_;
  RenderBreakdown breakdown_;
  QThreadPool* writer_ = nullptr;

  bool keepsPainting_ = false;
  PaintingRecord record_;
  QString documentPath_;
  std::unique_ptr<SessionFolder> sessions_;
  std::unique_ptr<PaintingSession> session_;
  // What the pending pass brings: a new photo's bytes, a document's record (and
  // its file), or a move along the history to this position.
  QByteArray pendingBytes_;
  std::optional<PaintingRecord> pendingRecord_;
  QString pendingDocumentPath_;
  QString pendingSessionPath_;
  std::optional<int> pendingMove_;
  qint64 clockStart_ = 0;  // msecs since epoch when the painting's time 0 was
  QSize photoSize_;

  // The long export under way.
  quint64 startExport(const std::function<bool(const std::function<bool(double)>&, QString*)>& job,
                      const QString& path);
  QThreadPool* exporter_ = nullptr;
  quint64 exportTicket_ = 0;
  std::shared_ptr<std::atomic<bool>> exportCancel_;
};

}  // namespace document
