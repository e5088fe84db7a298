// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/vorlane-sketch/BatchRunner.h"

#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>

#include "platform/FileChecks.h"
#include "platform/PhotoDecoder.h"
#include "sketch/WorkingSize.h"

namespace vorlane_sketch {
namespace {

// Everything written to stderr passes here, so that lines never interleave and
// the progress line is cleared before a message and drawn again after it.
class Reporter {
 public:
  Reporter(std::FILE* err, int total, bool progress) : err_(err), total_(total), progress_(progress) {
    clock_.start();
  }

  void failure(const QString& line) {
    std::lock_guard lock(mutex_);
    if (shown_) std::fputs("\r\033[K", err_);
    std::fprintf(err_, "vorlane-sketch: %s\n", qPrintable(line));
    shown_ = false;
    draw(true);
  }

  void photoDone() {
    std::lock_guard lock(mutex_);
    ++done_;
    draw(done_ == total_);
  }

  void finish() {
    std::lock_guard lock(mutex_);
    if (shown_) std::fputc('\n', err_);
    shown_ = false;
    std::fflush(err_);
  }

 private:
  // At most ten redraws a second, and always the last one.
  void draw(bool force) {
    if (!progress_ || total_ == 0) return;
    const qint64 ms = clock_.elapsed();
    if (!force && shown_ && ms - lastDraw_ < 100) return;
    lastDraw_ = ms;
    const double seconds = std::max<double>(ms, 1) / 1000.0, rate = done_ / seconds;
    const QString perSecond = QString::number(rate, 'f', 1);
    const qint64 left = done_ > 0 ? std::llround((total_ - done_) / rate) : 0;
    // %n is the batch's photos: the word "photos" agrees with it.
    QString line;
    if (done_ == 0) {
      //: Progress of a batch: %1 photos done of %n.
      line = QCoreApplication::translate("vorlane-sketch", "%1/%n photos", nullptr, total_).arg(done_);
    } else if (done_ == total_) {
      //: Progress of a batch: %1 photos done of %n, at %2 photos a second.
      line = QCoreApplication::translate("vorlane-sketch", "%1/%n photos, %2 photos/s", nullptr, total_)
                 .arg(QString::number(done_), perSecond);
    } else if (left >= 60) {
      //: Progress of a batch: %1 photos done of %n, at %2 photos a second, %3 minutes and %4 seconds left.
      line =
          QCoreApplication::translate("vorlane-sketch", "%1/%n photos, %2 photos/s, %3 min %4 s left",
                                      nullptr, total_)
              .arg(QString::number(done_), perSecond, QString::number(left / 60), QString::number(left % 60));
    } else {
      //: Progress of a batch: %1 photos done of %n, at %2 photos a second, %3 seconds left.
      line = QCoreApplication::translate("vorlane-sketch", "%1/%n photos, %2 photos/s, %3 s left", nullptr,
                                         total_)
                 .arg(QString::number(done_), perSecond, QString::number(left));
    }
    std::fprintf(err_, "\r\033[K%s", qPrintable(line));
    std::fflush(err_);
    shown_ = true;
  }

  std::FILE* err_;
  const int total_;
  const bool progress_;
  std::mutex mutex_;
  QElapsedTimer clock_;
  qint64 lastDraw_ = 0;
  int done_ = 0;
  bool shown_ = false;
};

// Photos start only while their estimated memory fits the budget beside the
// ones already running; with none running, any photo starts.
class MemoryGate {
 public:
  explicit MemoryGate(qint64 budget) : budget_(budget) {}
  void enter(qint64 bytes) {
    std::unique_lock lock(mutex_);
    ++waiting_;
    freed_.wait(lock, [&] { return running_ == 0 || budget_ <= 0 || used_ + bytes <= budget_; });
    --waiting_;
    used_ += bytes;
    ++running_;
  }
  // Someone waits for memory: what a worker keeps between photos is better given back.
  bool contended() {
    std::lock_guard lock(mutex_);
    return waiting_ > 0;
  }
  void leave(qint64 bytes) {
    {
      std::lock_guard lock(mutex_);
      used_ -= bytes;
      --running_;
    }
    freed_.notify_all();
  }

 private:
  const qint64 budget_;
  std::mutex mutex_;
  std::condition_variable freed_;
  qint64 used_ = 0;
  int running_ = 0;
  int waiting_ = 0;
};

// Bytes per pixel of a render at its size, beside the decode: the photo's
// raster, two styled pictures and their grey planes, the texture at that size
// and the picture being encoded (measured: a 12 MP render at its own size adds
// about 210 MiB).
constexpr qint64 kRenderBytesPerPixel = 20;
constexpr qint64 kDecodeBytesPerPixel = 4;

}  // namespace

qint64 freeMemoryBudget() {
  qint64 budget = 0;
  if (std::FILE* info = std::fopen("/proc/meminfo", "re")) {
    char line[256];
    long long kb = 0;
    while (std::fgets(line, sizeof line, info))
      if (std::sscanf(line, "MemAvailable: %lld kB", &kb) == 1) budget = qint64(kb) * 1024 / 4 * 3;
    std::fclose(info);
  }
  rlimit as{};
  if (getrlimit(RLIMIT_AS, &as) == 0 && as.rlim_cur != RLIM_INFINITY) {
    const qint64 half = qint64(as.rlim_cur / 2);
    budget = budget > 0 ? std::min(budget, half) : half;
  }
  return budget;
}

qint64 renderMemoryEstimate(const QString& input, int size) {
  QFile file;
  QString ignored;
  // Documents and pictures whose size cannot be read are taken at the largest
  // render: the estimate only ever holds a photo back, never fails it.
  QSize upright(8192, 8192);
  if (!input.endsWith(QLatin1String(".vorlane"), Qt::CaseInsensitive) && platform::openRegularFile(input, file, &ignored))
    upright = platform::photoUprightSize(file).value_or(upright);
  QSize render = upright;
  if (const std::optional<sketch::SizeF> w = sketch::workingSize(float(upright.width()), float(upright.height()))) {
    const sketch::SizeI whole = sketch::wholePixelSize(*w);
    render = QSize(whole.width, whole.height);
  }
  if (size >= 0) {
    const QSize larger = platform::exportSize(upright, size);
    if (qint64(larger.width()) * larger.height() > qint64(render.width()) * render.height()) render = larger;
  }
  return qint64(upright.width()) * upright.height() * kDecodeBytesPerPixel +
         qint64(render.width()) * render.height() * kRenderBytesPerPixel;
}

BatchResult runBatch(const std::vector<PhotoJob>& jobs, const QStringList& earlierFailures,
                     const BatchSettings& settings, std::FILE* err) {
  BatchResult result;
  result.photos = int(jobs.size()) + int(earlierFailures.size()) + settings.alreadyDone;
  Reporter reporter(err, int(jobs.size()), settings.progress);
  for (const QString& line : earlierFailures) reporter.failure(line);
  std::atomic<int> failed{int(earlierFailures.size())};
  std::atomic<std::size_t> next{0};

  // Each worker takes the next photo when done with its own: at most `jobs`
  // photos are in memory at once.
  // Each also waits, when memory is short, for others to finish first.
  MemoryGate gate(settings.memoryBytes);
  auto work = [&] {
    PhotoSketcher sketcher(settings.texture, settings.output, Commit::Keep);
    for (std::size_t i = next++; i < jobs.size(); i = next++) {
      const qint64 need = settings.memoryBytes > 0 ? renderMemoryEstimate(jobs[i].input, settings.output.size) : 0;
      gate.enter(need);
      QString failure;
      const bool done = sketcher.sketch(jobs[i].input, jobs[i].targets, nullptr, &failure);
      if (gate.contended()) sketcher.release();
      gate.leave(need);
      if (!done) {
        ++failed;
        reporter.failure(failure);
      }
      reporter.photoDone();
    }
  };
  const int threads = std::clamp<int>(settings.jobs, 1, std::max<int>(1, int(jobs.size())));
  std::vector<std::thread> workers;
  for (int t = 1; t < threads; ++t) workers.emplace_back(work);
  work();
  for (std::thread& worker : workers) worker.join();
  reporter.finish();

  result.failed = failed;
  // %n is every photo of the batch: the word "photos" agrees with it.
  if (result.failed > 0) {
    //: The batch's closing count: %1 of its %n photos failed.
    const QString line =
        QCoreApplication::translate("vorlane-sketch", "%1 of %n photos failed", nullptr, result.photos)
            .arg(result.failed);
    std::fprintf(err, "vorlane-sketch: %s\n", qPrintable(line));
  }
  if (settings.alreadyDone > 0) {
    //: The batch's closing count: %1 of its %n photos were left out, their outputs there from an earlier run.
    const QString line =
        QCoreApplication::translate("vorlane-sketch", "%1 of %n photos already done, skipped", nullptr,
                                    result.photos)
            .arg(settings.alreadyDone);
    std::fprintf(err, "vorlane-sketch: %s\n", qPrintable(line));
  }
  return result;
}

}  // namespace vorlane_sketch
