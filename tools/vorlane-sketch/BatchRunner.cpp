// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/vorlane-sketch/BatchRunner.h"

#include <QElapsedTimer>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <mutex>
#include <thread>

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
    QString line = QStringLiteral("%1/%2 photos").arg(done_).arg(total_);
    if (done_ > 0) {
      line += QStringLiteral(", %1 photos/s").arg(rate, 0, 'f', 1);
      if (done_ < total_) {
        const qint64 left = std::llround((total_ - done_) / rate);
        line += left >= 60 ? QStringLiteral(", %1 min %2 s left").arg(left / 60).arg(left % 60)
                           : QStringLiteral(", %1 s left").arg(left);
      }
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

}  // namespace

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
  auto work = [&] {
    PhotoSketcher sketcher(settings.texture, settings.output, Commit::Keep);
    for (std::size_t i = next++; i < jobs.size(); i = next++) {
      QString failure;
      if (!sketcher.sketch(jobs[i].input, jobs[i].targets, nullptr, &failure)) {
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
  if (result.failed > 0)
    std::fprintf(err, "vorlane-sketch: %d of %d photos failed\n", result.failed, result.photos);
  if (settings.alreadyDone > 0)
    std::fprintf(err, "vorlane-sketch: %d of %d photos already done, skipped\n", settings.alreadyDone,
                 result.photos);
  return result;
}

}  // namespace vorlane_sketch
