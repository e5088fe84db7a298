// SPDX-License-Identifier: GPL-3.0-or-later
// The time-lapse's frames: the painting kept at the frame size (photo B and A
// scaled once per style, the work image painted a frame's new segments at a
// time) and handed to the format's encoder.
#include "document/Timelapse.h"

#include <fcntl.h>
#include <unistd.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "canvas/BrushPainter.h"
#include "canvas/FinalPicture.h"
#include "document/FrameWriter.h"
#include "document/PaintingFlatten.h"
#include "document/StyleRenderer.h"
#include "document/TimelapsePlan.h"
#include "platform/ImageWorkThread.h"
#include "platform/PhotoDecoder.h"
#include "platform/Reason.h"

namespace document {
namespace {

// A file beside the target that becomes it only when commit() is called; it
// goes away otherwise.
class PendingFile {
 public:
  explicit PendingFile(const QString& target) : target_(target) {}
  ~PendingFile() {
    if (!path_.isEmpty()) QFile::remove(path_);
  }
  // Makes the temporary file (created with the umask's permissions, as the
  // target would be); false with errno set when the folder cannot take it.
  bool create() {
    const QFileInfo info(target_);
    for (int attempt = 0; attempt < 16; ++attempt) {
      const QString name = QStringLiteral(".%1.%2.part")
                               .arg(info.fileName())
                               .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
      const QString path = info.dir().filePath(name);
      const int fd =
          ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd >= 0) {
        ::close(fd);
        path_ = path;
        return true;
      }
      if (errno != EEXIST) return false;
    }
    return false;
  }
  const QString& path() const { return path_; }
  // Made durable, then renamed over the target.
  bool commit() {
    const int fd = ::open(QFile::encodeName(path_).constData(), O_RDONLY | O_CLOEXEC);
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0) ::close(fd);
    if (!synced || std::rename(QFile::encodeName(path_).constData(), QFile::encodeName(target_).constData()) != 0)
      return false;
    path_.clear();
    return true;
  }

 private:
  QString target_;
  QString path_;
};

QString writeFailure(int err) {
  return platform::cannotBeWritten(QString::fromLocal8Bit(std::strerror(err)));
}

// The painting at the frame size.
class FramePainting {
 public:
  // photo is the render's source: the working-size photo (renderScale 1) or
  // one decoded larger for a film beyond the working size.
  FramePainting(const PaintingRecord& record, const QImage& photo, double renderScale, QSize size)
      : record_(record), photo_(photo), size_(size), renderScale_(renderScale),
        scale_(double(size.width()) / double(record.workingSize.width())) {
    renderer_.setTextureName(paintingTextureName());
  }

  // Cuts to the style pair: photo B and A rendered and scaled, the work image
  // made again from the strokes in effect before step end.
  bool setStyles(std::pair<int, int> styles, int end, QString* reason) {
    std::optional<QImage> b = styled(styles.first, reason);
    std::optional<QImage> a = b && styles.second != styles.first ? styled(styles.second, reason) : b;
    if (!b || !a) return false;
    photoB_ = std::move(*b);
    photoA_ = std::move(*a);
    work_ = photoB_;
    QPainter painter(&work_);
    for (int i = 0; i < end; ++i)
      for (const canvas::StrokeSegment& seg : record_.steps[std::size_t(i)].segments) paint(painter, seg);
    changed_ = true;
    return true;
  }

  void paint(QPainter& painter, const canvas::StrokeSegment& seg) {
    // The segment's values scaled, not the painter: brush B paints photo B
    // back as a pattern, which a painter's transform would scale again.
    canvas::StrokeSegment scaled = seg;
    scaled.startX = float(seg.startX * scale_);
    scaled.startY = float(seg.startY * scale_);
    scaled.endX = float(seg.endX * scale_);
    scaled.endY = float(seg.endY * scale_);
    scaled.width = float(seg.width * scale_);
    canvas::strokeSegment(painter, scaled, &photoB_);
    changed_ = true;
  }
  QImage& work() { return work_; }

  // The frame as Export composes the picture; the previous one again when
  // nothing changed.
  const QImage& frame() {
    if (changed_) frame_ = canvas::composeFinalPicture(photoB_, &photoA_, work_, size_);
    changed_ = false;
    return frame_;
  }

 private:
  std::optional<QImage> styled(int style, QString* reason) {
    QString why;
    std::optional<QImage> picture =
        style == 0 ? std::optional<QImage>(photo_) : renderer_.render(photo_, style, plane_, &why, nullptr, renderScale_);
    if (!picture) {
      if (reason)
        *reason = why.isEmpty() ? QCoreApplication::translate("document", "a style cannot be rendered") : why;
      return std::nullopt;
    }
    if (picture->size() != size_) *picture = picture->scaled(size_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return picture->convertToFormat(QImage::Format_ARGB32_Premultiplied);
  }

  const PaintingRecord& record_;
  const QImage& photo_;
  QSize size_;
  double renderScale_;
  double scale_;
  StyleRenderer renderer_;
  sketch::GrayPlane plane_;
  QImage photoB_, photoA_, work_, frame_;
  bool changed_ = true;
};

}  // namespace

bool writeTimelapse(const PaintingRecord& record, const QString& outPath, const TimelapseOptions& options,
                    const std::function<bool(double progress)>& progress, QString* reason,
                    TimelapseFailure* failure) {
  auto fail = [&](TimelapseFailure what, const QString& why) {
    if (reason) *reason = why;
    if (failure) *failure = what;
    return false;
  };
  if (failure) *failure = TimelapseFailure::None;
  const QString suffix = QFileInfo(outPath).suffix().toLower();
  if (suffix != QLatin1String("mp4") && suffix != QLatin1String("webp"))
    return fail(TimelapseFailure::Options,
                QCoreApplication::translate("document", "a time-lapse is written as .mp4 or .webp"));
  if (options.durationSeconds < kMinTimelapseSeconds || options.durationSeconds > kMaxTimelapseSeconds)
    return fail(TimelapseFailure::Options,
                //: %1 and %2 are the shortest and longest time-lapse in seconds.
                QCoreApplication::translate("document", "a time-lapse lasts %1 to %2 seconds")
                    .arg(kMinTimelapseSeconds)
                    .arg(kMaxTimelapseSeconds));
  if (options.longerSide < kMinTimelapseSide)
    return fail(
        TimelapseFailure::Options,
        //: %1 is the smallest longer side of a time-lapse, in pixels.
        QCoreApplication::translate("document", "a time-lapse is at least %1 pixels on its longer side")
            .arg(kMinTimelapseSide));
  const bool mp4 = suffix == QLatin1String("mp4");
  // A film beyond the working size is rendered from the photo decoded at its
  // size, as Export renders such a picture.
  // Past the working size the film is rendered from the photo decoded at its
  // size, as Export renders such a picture; a longer side past the photo's own
  // is taken as the photo's own.
  QString why;
  std::optional<QImage> photo;
  double renderScale = 1.0;
  QSize size;
  const int workingLonger = std::max(record.workingSize.width(), record.workingSize.height());
  std::optional<QSize> upright;
  if (options.longerSide > workingLonger) {
    QByteArray bytes = record.photoBytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    upright = platform::photoUprightSize(buffer);
  }
  const QSize own = upright ? platform::exportSize(*upright, 0) : QSize();
  const int ownLonger = std::max(own.width(), own.height());
  if (ownLonger <= workingLonger || options.longerSide <= workingLonger) {
    photo = paintingPhoto(record, &why);
    size = timelapseFrameSize(record.workingSize, {}, options.longerSide, mp4);
  } else if (std::optional<platform::SizedPhoto> sized = sizedPaintingPhoto(
                 record, options.longerSide >= ownLonger ? kFullPictureSize : options.longerSide, &why)) {
    photo = std::move(sized->photo.image);
    renderScale = sized->scale;
    size = timelapseFrameSize(record.workingSize, *upright, options.longerSide, mp4);
  }
  if (!photo || size.isEmpty()) return fail(TimelapseFailure::Painting, why);

  PendingFile pending(outPath);
  if (!pending.create()) return fail(TimelapseFailure::Output, writeFailure(errno));
  std::unique_ptr<FrameWriter> writer = mp4 ? openMp4Writer(pending.path(), size, kTimelapseFps, &why)
                                            : openWebpWriter(pending.path(), size, kTimelapseFps, &why);
  if (!writer) return fail(TimelapseFailure::Output, why);
  // Thousands of small brush fills: painted where Qt does not split each one
  // across its thread pool (see runPaintingWork).
  TimelapseFailure painted = TimelapseFailure::None;
  platform::runPaintingWork([&] {
    painted = paintTimelapse(record, *photo, renderScale, size, options.durationSeconds, *writer, progress, &why);
    return 0;
  });
  if (painted != TimelapseFailure::None) return fail(painted, why);
  if (!writer->finish(&why)) return fail(TimelapseFailure::Output, why);
  writer.reset();
  if (!pending.commit()) return fail(TimelapseFailure::Output, writeFailure(errno));
  return true;
}

TimelapseFailure paintTimelapse(const PaintingRecord& record, const QImage& photo, double renderScale, QSize size,
                                int durationSeconds, FrameWriter& writer,
                                const std::function<bool(double progress)>& progress, QString* reason) {
  FramePainting painting(record, photo, renderScale, size);
  if (!painting.setStyles(record.stylesAt(0), 0, reason)) return TimelapseFailure::Painting;
  const int total = durationSeconds * kTimelapseFps;
  const int paintFrames = total - kTimelapseHoldFrames;
  TimelapsePlan plan(record, paintFrames);
  for (int frame = 0; frame < total; ++frame) {
    if (plan.nextFrame() == frame) {
      std::optional<QPainter> painter;
      for (TimelapseEvent event; plan.nextFrame() == frame && plan.next(&event);) {
        const PaintingStep& step = record.steps[std::size_t(event.step)];
        if (event.segment < 0) {
          painter.reset();
          if (!painting.setStyles({step.sketchStyle, step.colourStyle}, event.step, reason))
            return TimelapseFailure::Painting;
          continue;
        }
        if (!painter) painter.emplace(&painting.work());
        painting.paint(*painter, step.segments[std::size_t(event.segment)]);
      }
    }
    if (!writer.add(painting.frame(), reason)) return TimelapseFailure::Output;
    if (progress && !progress(double(frame + 1) / total)) {
      if (reason) *reason = QCoreApplication::translate("document", "cancelled");
      return TimelapseFailure::Cancelled;
    }
  }
  return TimelapseFailure::None;
}

}  // namespace document
