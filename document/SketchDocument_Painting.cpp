// SPDX-License-Identifier: GPL-3.0-or-later
// The painting as a document (the desktop's): one history of steps, strokes
// and style changes, kept in a session file while it is worked on, saved and
// opened as a `.vorlane` document, and recovered after a crash. The canvas's
// history holds the strokes; this file keeps the steps between them and moves
// both together.
#include <QBuffer>
#include <QDateTime>
#include <QFileInfo>
#include <QThreadPool>
#include <algorithm>

#include "canvas/CanvasModel.h"
#include "document/PaintingFlatten.h"
#include "document/PaintingSession.h"
#include "document/SketchDocument.h"
#include "platform/FileChecks.h"
#include "platform/Log.h"

namespace document {

namespace {

// A photo file larger than this is not kept inside a document.
constexpr qint64 kMaxPhotoBytes = qint64(256) << 20;


std::uint32_t lastTime(const PaintingRecord& record) {
  std::uint32_t last = 0;
  for (const PaintingStep& step : record.steps) {
    last = std::max(last, step.timeMs);
    if (!step.segments.empty()) last = std::max(last, step.segments.back().timeMs);
  }
  return last;
}

}  // namespace

void SketchDocument::setKeepsPainting(const QString& sessionFolder) {
  keepsPainting_ = true;
  sessions_ = std::make_unique<SessionFolder>(sessionFolder);
  if (canvas_) {
    canvas_->painting()->setKeepsHistory(true);
    canvas_->painting()->setClock([this] { return paintingClock(); });
    connect(canvas_->painting(), &canvas::Painting::strokeFinished, this, &SketchDocument::recordStroke);
  }
}

void SketchDocument::setKeepsSessions(const QString& sessionFolder) {
  sessions_ = std::make_unique<SessionFolder>(sessionFolder);
  if (!canvas_) return;
  canvas::Painting* painting = canvas_->painting();
  painting->setClock([this] { return paintingClock(); });
  connect(painting, &canvas::Painting::strokeFinished, this, &SketchDocument::recordStroke);
  // The canvas's own buttons undo and redo here: the record follows them.
  connect(painting, &canvas::Painting::strokeUndone, this, [this] { moveRecordedStroke(-1); });
  connect(painting, &canvas::Painting::strokeRedone, this, [this] { moveRecordedStroke(+1); });
}

void SketchDocument::moveRecordedStroke(int by) {
  const int position = std::clamp(record_.undoPosition + by, 0, int(record_.steps.size()));
  if (position == record_.undoPosition || record_.photoBytes.isEmpty()) return;
  record_.undoPosition = position;
  if (session_) session_->setUndoPosition(position);
}

void SketchDocument::startRecord() {
  // Every pass starts the painting afresh here: a record of the pictures shown,
  // with no step yet; the photo's bytes stay from the pick.
  PaintingRecord record;
  record.photoBytes = pendingBytes_.isEmpty() ? record_.photoBytes : std::move(pendingBytes_);
  pendingBytes_.clear();
  record.photoName = photoName_;
  record.workingSize = orgimg_.size();
  record.firstSketchStyle = currenttype_;
  record.firstColourStyle = currentAtype_;
  record.created = record.modified = QDateTime::currentDateTimeUtc();
  record_ = std::move(record);
  clockStart_ = QDateTime::currentMSecsSinceEpoch();
  if (!record_.photoBytes.isEmpty()) startSession();
}

std::uint32_t SketchDocument::paintingClock() const {
  const qint64 elapsed = QDateTime::currentMSecsSinceEpoch() - clockStart_;
  return std::uint32_t(std::clamp<qint64>(elapsed, 0, qint64(UINT32_MAX)));
}

// --- Undo and redo of steps --------------------------------------------------------

bool SketchDocument::canUndo() const {
  if (!keepsPainting_) return canvas_ && canvas_->painting()->canUndo();
  return record_.undoPosition > 0;
}

bool SketchDocument::canRedo() const {
  if (!keepsPainting_) return canvas_ && canvas_->painting()->canRedo();
  return record_.undoPosition < int(record_.steps.size());
}

SketchDocument::Step SketchDocument::undoStep() const {
  if (!canUndo()) return Step::None;
  if (!keepsPainting_) return Step::Stroke;
  return record_.steps[std::size_t(record_.undoPosition - 1)].kind == PaintingStep::Kind::Style ? Step::StyleChange
                                                                                                : Step::Stroke;
}

SketchDocument::Step SketchDocument::redoStep() const {
  if (!canRedo()) return Step::None;
  if (!keepsPainting_) return Step::Stroke;
  return record_.steps[std::size_t(record_.undoPosition)].kind == PaintingStep::Kind::Style ? Step::StyleChange
                                                                                            : Step::Stroke;
}

void SketchDocument::undo() {
  if (!canUndo() || busy_) return;
  if (!keepsPainting_) {
    canvas_->painting()->undo();
    return;
  }
  const int position = record_.undoPosition - 1;
  if (record_.steps[std::size_t(position)].kind == PaintingStep::Kind::Style) {
    moveStyles(position);
    return;
  }
  canvas_->painting()->undo();
  record_.undoPosition = position;
  if (session_) session_->setUndoPosition(position);
  emit historyChanged();
}

void SketchDocument::redo() {
  if (!canRedo() || busy_) return;
  if (!keepsPainting_) {
    canvas_->painting()->redo();
    return;
  }
  const int position = record_.undoPosition + 1;
  if (record_.steps[std::size_t(position - 1)].kind == PaintingStep::Kind::Style) {
    moveStyles(position);
    return;
  }
  canvas_->painting()->redo();
  record_.undoPosition = position;
  if (session_) session_->setUndoPosition(position);
  emit historyChanged();
}

void SketchDocument::moveStyles(int position) {
  // The pictures of the styles in force there, under the same painting.
  const auto [sketchStyle, colourStyle] = record_.stylesAt(position);
  currenttype_ = clampStyle(sketchStyle);
  currentAtype_ = clampStyle(colourStyle);
  pendingMove_ = position;
  emit selectionChanged();
  if (!renderIfChanged(0)) {
    // The same pair on both sides: nothing to render, only the position moves.
    pendingMove_.reset();
    record_.undoPosition = position;
    if (session_) session_->setUndoPosition(position);
    emit historyChanged();
  }
}

// --- Recording ---------------------------------------------------------------------

void SketchDocument::recordStroke(int segments) {
  if (!sessions_ || record_.photoBytes.isEmpty()) return;
  const canvas::StrokeHistory& history = canvas_->painting()->history();
  const int end = history.currentstep();
  const int begin = std::max(0, end - segments);
  PaintingStep step;
  step.kind = PaintingStep::Kind::Stroke;
  step.segments.assign(history.steps().begin() + begin, history.steps().begin() + end);
  step.timeMs = step.segments.empty() ? paintingClock() : step.segments.front().timeMs;
  recordStep(step);
}

void SketchDocument::recordStep(const PaintingStep& step) {
  // A new step drops what redo could have brought back.
  const int position = record_.undoPosition;
  record_.steps.resize(std::size_t(position));
  record_.steps.push_back(step);
  record_.undoPosition = position + 1;
  record_.modified = QDateTime::currentDateTimeUtc();
  ++changeSerial_;
  if (session_) session_->appendStep(position, step);
  emit historyChanged();
}

// --- The render pass's hand-off ----------------------------------------------------

void SketchDocument::paintingPassDone(const QImage& photoB, const QImage& photoA, canvas::KnownOpaque known) {
  canvas::Painting* painting = canvas_->painting();
  if (pendingRecord_ || !pendingBytes_.isEmpty()) {
    // A new painting: a new photo, an opened document or a recovered session.
    PaintingRecord record;
    if (pendingRecord_) {
      record = std::move(*pendingRecord_);
    } else {
      record.photoBytes = std::move(pendingBytes_);
      record.photoName = photoName_;
      record.workingSize = orgimg_.size();
      record.firstSketchStyle = currenttype_;
      record.firstColourStyle = currentAtype_;
      record.created = record.modified = QDateTime::currentDateTimeUtc();
    }
    const bool recovered = !pendingSessionPath_.isEmpty();
    pendingRecord_.reset();
    pendingBytes_.clear();
    record_ = std::move(record);
    clockStart_ = QDateTime::currentMSecsSinceEpoch() - qint64(lastTime(record_));

    int inEffect = 0;
    std::vector<canvas::StrokeSegment> segments = record_.strokeSegments(&inEffect);
    painting->loadHistory(std::move(segments), inEffect);
    // A document saved with its work image opens without replaying its strokes.
    const WorkCheckpoint* stored = record_.matchingWork();
    painting->replacePictures(photoB, photoA, known, stored ? &stored->code : nullptr);
    record_.work.reset();
    canvas_->plate()->resetBaseviewFrame();

    setDocumentPath(pendingDocumentPath_);
    pendingDocumentPath_.clear();
    startSession();
    if (recovered) sessions_->release(pendingSessionPath_, true);
    pendingSessionPath_.clear();
    // A recovered painting is saved nowhere yet.
    setModified(recovered);
  } else if (pendingMove_) {
    painting->replacePictures(photoB, photoA, known);
    record_.undoPosition = *pendingMove_;
    pendingMove_.reset();
    record_.modified = QDateTime::currentDateTimeUtc();
    ++changeSerial_;
    if (session_) session_->setUndoPosition(record_.undoPosition);
    setModified(true);
  } else {
    // Another style: the same painting over the new pictures, and one more step.
    painting->replacePictures(photoB, photoA, known);
    painting->discardRedo();
    PaintingStep step;
    step.kind = PaintingStep::Kind::Style;
    step.timeMs = paintingClock();
    step.sketchStyle = currenttype_;
    step.colourStyle = currentAtype_;
    recordStep(step);
    setModified(true);
  }
  emit historyChanged();
}

void SketchDocument::startSession() {
  // A working session takes the new painting in place, on its own thread: no
  // file, lock or thread is made again on the main one.
  if (session_ && session_->lastError().isEmpty()) {
    session_->replace(record_);
    return;
  }
  if (session_) {
    const QString old = session_->path();
    session_->close(true);
    session_.reset();
    sessions_->release(old, true);
  }
  const QString path = sessions_->claimNew();
  QString reason;
  if (!path.isEmpty()) session_ = PaintingSession::create(path, record_, &reason);
  // Painting goes on without one; only recovery is lost, so say it in the log.
  if (!session_) {
    qCWarning(lcVorlane) << "no session for the painting:" << (path.isEmpty() ? QStringLiteral("no folder") : reason);
    if (!path.isEmpty()) sessions_->release(path, true);
  }
}

void SketchDocument::closeSession() {
  if (session_) {
    const QString path = session_->path();
    session_->close(true);
    session_.reset();
    sessions_->release(path, true);
  }
  setDocumentPath(QString());
}

// --- Opening -----------------------------------------------------------------------

bool SketchDocument::readPhotoBytes(const QString& path, QByteArray* bytes, QString* reason) {
  QFile file;
  if (path.startsWith(QLatin1Char(':'))) {  // compiled into the program (the sample photo)
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly)) {
      *reason = tr("the file does not exist");
      return false;
    }
  } else if (!platform::openRegularFile(path, file, reason)) {
    return false;
  }
  if (file.size() > kMaxPhotoBytes) {
    *reason = tr("the file is too large");
    return false;
  }
  *bytes = file.read(kMaxPhotoBytes + 1);
  if (bytes->size() > kMaxPhotoBytes) {
    *reason = tr("the file is too large");
    return false;
  }
  return true;
}

bool SketchDocument::openFile(const QString& path) {
  if (keepsPainting_ &&
      (looksLikePaintingFile(path) || QFileInfo(path).suffix().compare(QStringLiteral("vorlane"), Qt::CaseInsensitive) == 0))
    return openPainting(path);
  return pickPhotoFile(path);
}

void SketchDocument::showPaintingFailure(const QString& name, const QString& reason) {
  emit alertRequested({tr("Cannot Open Painting"),
                       //: %1 is the name of the file or picture, %2 the reason (a clause in lower case).
                       tr("%1 could not be opened: %2.").arg(name, reason), tr("OK")});
}

bool SketchDocument::openPainting(const QString& path) {
  if (!canvas_ || !keepsPainting_) return false;
  const QString name = QFileInfo(path).fileName();
  const QString absolute = QFileInfo(path).absoluteFilePath();
  if (absolute == documentPath_ || !sessions_->holdDocument(absolute)) {
    showPaintingFailure(name, tr("it is open in Vorlane already"));
    return false;
  }
  if (!takePainting(absolute, name, absolute, QString())) {
    sessions_->releaseDocument(absolute);
    return false;
  }
  return true;
}

bool SketchDocument::takePainting(const QString& file, const QString& name, const QString& documentPath,
                                  const QString& sessionPath) {
  QString reason;
  std::optional<PaintingRecord> record = readPaintingFile(file, &reason);
  std::optional<platform::PreparedPhoto> photo;
  if (record) {
    // The photo inside is as hostile as any other: the same checks.
    QBuffer buffer(&record->photoBytes);
    buffer.open(QIODevice::ReadOnly);
    photo = platform::preparePhoto(buffer, &reason);
    if (photo && photo->image.size() != record->workingSize) {
      photo.reset();
      reason = kPhotoMismatch;
    }
  }
  if (!record || !photo) {
    showPaintingFailure(name, reason.isEmpty() ? tr("the file is damaged") : reason);
    return false;
  }
  const QString photoName = record->photoName;
  const auto [sketchStyle, colourStyle] = record->stylesAt(record->undoPosition);
  pendingRecord_ = std::move(record);
  pendingDocumentPath_ = documentPath;
  pendingSessionPath_ = sessionPath;
  currenttype_ = clampStyle(sketchStyle);
  currentAtype_ = clampStyle(colourStyle);
  emit selectionChanged();
  applyPickedPhoto(std::move(*photo), photoName, QString());
  return true;
}

std::vector<RecoverableSession> SketchDocument::recoverableSessions() {
  return sessions_ ? sessions_->orphans() : std::vector<RecoverableSession>{};
}

bool SketchDocument::recoverSession(const QString& sessionPath) {
  if (!canvas_ || !sessions_ || !sessions_->claim(sessionPath)) return false;
  if (!takePainting(sessionPath, QFileInfo(sessionPath).fileName(), QString(), sessionPath)) {
    sessions_->release(sessionPath, false);
    return false;
  }
  return true;
}

void SketchDocument::discardSession(const QString& sessionPath) {
  if (sessions_ && sessions_->claim(sessionPath)) sessions_->release(sessionPath, true);
}

void SketchDocument::setDocumentPath(const QString& path) {
  if (documentPath_ == path) return;
  if (!documentPath_.isEmpty() && sessions_) sessions_->releaseDocument(documentPath_);
  documentPath_ = path;
  emit documentPathChanged();
}

// --- Saving ------------------------------------------------------------------------

quint64 SketchDocument::savePainting(const QString& path) {
  QImage picture;
  if (!keepsPainting_ || !finalPictureOrAlert(&picture) || record_.photoBytes.isEmpty()) return 0;
  const QString absolute = QFileInfo(path).absoluteFilePath();
  const quint64 ticket = ++lastSaveTicket_;
  if (absolute != documentPath_ && !sessions_->holdDocument(absolute)) {
    const QString reason = tr("it is open in Vorlane already");
    emit alertRequested(
        {tr("Painting Not Saved"),
         //: %1 is the document's file name, %2 the reason (a clause in lower case).
         tr("The painting could not be saved as %1: %2.").arg(QFileInfo(path).fileName(), reason), tr("OK")});
    emit saveFinished(false, reason, ticket);
    return ticket;
  }
  PaintingRecord record = record_;
  record.modified = QDateTime::currentDateTimeUtc();
  // The work image goes with it, so that opening need not replay every stroke.
  const auto [sketchStyle, colourStyle] = record.stylesAt(record.undoPosition);
  const canvas::Painting* painting = canvas_->painting();
  record.work = WorkCheckpoint{record.undoPosition, sketchStyle, colourStyle, record.replayDigest(record.undoPosition),
                               painting->history().encodeWork(painting->workimgview()->image())};
  record.preview = picture.width() > kPreviewSide || picture.height() > kPreviewSide
                       ? picture.scaled(kPreviewSide, kPreviewSide, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                       : picture;
  const quint64 serial = changeSerial_;
  writer()->start([this, record = std::move(record), absolute, serial, ticket] {
    QString reason;
    const bool ok = writePaintingFile(absolute, record, &reason);
    QMetaObject::invokeMethod(
        this,
        [this, ok, reason, absolute, serial, ticket] {
          if (ok) {
            if (serial == changeSerial_) setModified(false);
            setDocumentPath(absolute);
          } else {
            if (absolute != documentPath_) sessions_->releaseDocument(absolute);
            qCWarning(lcVorlane) << "could not save the painting:" << reason;
            emit alertRequested(
                {tr("Painting Not Saved"),
                 //: %1 is the document's file name, %2 the reason (a clause in lower case).
                 tr("The painting could not be saved as %1: %2.").arg(QFileInfo(absolute).fileName(), reason),
                 tr("OK")});
          }
          emit saveFinished(ok, ok ? absolute : reason, ticket);
        },
        Qt::QueuedConnection);
  });
  return ticket;
}

}  // namespace document
