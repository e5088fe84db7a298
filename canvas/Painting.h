// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The painting without widgets and without a viewport: the three picture layers,
// the brush (mode and size), the history with undo and redo, the scratch file
// and the final picture. Everything here is in picture pixels; where the picture
// sits on screen is the Plate's business.
#include <QImage>
#include <QObject>
#include <QPointF>
#include <QRectF>
#include <functional>
#include <optional>

#include "canvas/FinalPicture.h"
#include "canvas/StrokeHistory.h"
#include "canvas/StrokeSegment.h"

namespace canvas {

// One picture layer of the plate: its picture and its hidden flag.
class ImageLayer {
 public:
  explicit ImageLayer(std::function<void()> changed) : changed_(std::move(changed)) {}
  const QImage& image() const { return image_; }
  void setImage(const QImage& image);
  bool isHidden() const { return hidden_; }
  void setHidden(bool hidden);
  // Every pixel of the picture is opaque (known when the picture is set): what
  // lies under it need not be painted.
  bool isOpaque() const { return opaque_; }

 private:
  friend class Painting;  // paints in place on the work image
  void setImage(const QImage& image, const ImageLayer* sameAs, bool knownOpaque = false);
  QImage image_;
  bool hidden_ = false;
  bool opaque_ = false;
  std::function<void()> changed_;
};

// What the giver of pictures knows of them: a render is opaque throughout, and
// saying so spares reading every pixel to find out. Pictures not known so are
// scanned.
struct KnownOpaque {
  bool photoB = false;
  bool photoA = false;
};

// A paints photo A back; B brings the sketch back.
enum class BrushMode { A, B };

class Painting : public QObject {
  Q_OBJECT
 public:
  // Records seg in history and paints it onto work; returns the picture pixels
  // that changed. Empty: the history's own in-place painting.
  using SegmentRecorder =
      std::function<QRect(const StrokeSegment& seg, StrokeHistory& history, QImage& work)>;

  explicit Painting(QObject* parent = nullptr);

  ImageLayer* sketchimgview() { return &sketch_; }
  ImageLayer* orgimgview() { return &org_; }
  ImageLayer* workimgview() { return &work_; }
  const ImageLayer* sketchimgview() const { return &sketch_; }
  const ImageLayer* orgimgview() const { return &org_; }
  const ImageLayer* workimgview() const { return &work_; }

  bool imgready() const { return imgready_; }
  void setImgready(bool ready);
  bool sketchready() const { return sketchready_; }
  void setSketchready(bool ready);

  // The brush-size slider (clamped to 0..1); the brush width follows it and
  // photo A's width.
  float sliderValue() const { return sliderValue_; }
  void setSliderValue(float value);
  // The brush width in picture pixels, set directly (a new photo's width before
  // its pictures arrive).
  float linesize() const { return linesize_; }
  void setLinesize(float size);

  // A change of mode starts afresh from what is shown: the layers flattened into
  // the work image, the history emptied, the scratch file rewritten; in B photo A
  // is hidden. A painting that keeps its history changes only the brush: mode B
  // paints photo B back onto the work image, photo A stays under it.
  BrushMode brushMode() const { return mode_; }
  void setBrushMode(BrushMode mode);
  // A pen's eraser end: brush B while it touches, then back to the mode it
  // interrupted. A mode chosen meanwhile is the one it goes back to.
  void setEraserHeld(bool held);
  bool eraserHeld() const { return eraserHeld_; }

  // The share of the brush width a segment is painted with (a pen's pressure,
  // 0.25..1); 1 for fingers and the mouse. Segments record the scaled width.
  float widthScale() const { return widthScale_; }
  void setWidthScale(float scale);

  // The desktop's painting: its history lives as long as the photo does,
  // through brush-mode switches and new pictures of the same photo, and every
  // segment carries its time from clock (milliseconds since the painting
  // began).
  void setKeepsHistory(bool keeps);
  bool keepsHistory() const { return keepsHistory_; }
  void setClock(std::function<std::uint32_t()> clock) { clock_ = std::move(clock); }

  const StrokeHistory& history() const { return history_; }
  bool canUndo() const { return history_.canUndo(); }
  bool canRedo() const { return history_.canRedo(); }
  void undo();
  void redo();
  // The tablet also logs the history after an undo.
  void setLogsUndo(bool logs) { logsUndo_ = logs; }

  // Paints one segment of the current stroke from start to end (picture pixels)
  // with the current brush and records it.
  void paintSegment(QPointF start, QPointF end);
  // The stroke is over: the next segment starts the next one.
  void finishStroke();
  void setSegmentRecorder(SegmentRecorder recorder) { recorder_ = std::move(recorder); }

  // Hand-off from the render pass: photo B, the work image (a copy of photo B)
  // and photo A; then the painting starts afresh (ready, scratch file, history).
  void setPictures(const QImage& photoB, const QImage& photoA, KnownOpaque known = {});
  // New pictures of the same photo (another style) under the same painting:
  // the segments in effect are replayed over the new photo B, the history
  // stays. A painting that does not keep its history starts afresh instead.
  // With a stored work image (coded against photo B, see StrokeHistory) that
  // decodes, it is taken as it is instead of replaying.
  void replacePictures(const QImage& photoB, const QImage& photoA, KnownOpaque known = {},
                       const std::vector<std::uint32_t>* storedWork = nullptr);
  // A history read from a document, to be replayed by the next
  // replacePictures(): steps with the first currentstep in effect.
  void loadHistory(std::vector<StrokeSegment> steps, int currentstep);
  // Drops what redo could bring back (another kind of step was taken).
  void discardRedo();

  // Photo B, photo A unless hidden and the work image, composed at the size of
  // photo A's picture, and the brush-size indicator where given (in picture
  // pixels). A null image when photo A has no picture.
  QImage renderFinalPicture(std::optional<QRectF> indicator = std::nullopt) const;

 signals:
  // The layers changed as a whole (pictures, hidden flags).
  void layersChanged();
  // Picture pixels of the work image changed.
  void workChanged(const QRect& pictureRect);
  // Undo or redo became possible or impossible.
  void historyChanged();
  void brushModeChanged(canvas::BrushMode mode);
  // A brush-mode command arrived, whether or not it changed the mode (the phone's
  // strip shows its size controls then).
  void brushModeRequested();
  void brushSizeChanged();
  void readyChanged();
  // A stroke that recorded segments has ended: its segments are the last
  // `count` in effect.
  void strokeFinished(int count);
  // undo() took a stroke back, redo() brought one back.
  void strokeUndone();
  void strokeRedone();

 private:
  void writeScratchFile();
  void resetHistory();
  void ensureWorkImage();
  void prepareWorkImage();
  void historyMoved();
  // Undo or redo on the work image, then tells what changed.
  void stepHistory(QRect (StrokeHistory::*step)(QImage&));
  void logHistory() const;
  void changeBrushMode(BrushMode mode);

  ImageLayer sketch_, org_, work_;
  StrokeHistory history_;
  SegmentRecorder recorder_;
  float linesize_ = 30.0f;
  float sliderValue_ = 0.5f;
  BrushMode mode_ = BrushMode::A;
  BrushMode modeAfterEraser_ = BrushMode::A;
  bool eraserHeld_ = false;
  float widthScale_ = 1.0f;
  bool imgready_ = false;
  bool sketchready_ = false;
  bool logsUndo_ = false;
  bool shownCanUndo_ = false;
  bool shownCanRedo_ = false;
  bool keepsHistory_ = false;
  std::function<std::uint32_t()> clock_;
  int strokeStart_ = 0;  // currentstep when the stroke under way began
};

}  // namespace canvas
