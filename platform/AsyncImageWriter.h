// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes pictures to files off the main thread: one worker thread, requests in
// order, each file written whole and atomically (QSaveFile). A later write to a
// path is never overtaken by an earlier one: older writes to the same path that
// are still queued are dropped.
#include <QHash>
#include <QImage>
#include <QString>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace platform {

class AsyncImageWriter {
 public:
  AsyncImageWriter();
  ~AsyncImageWriter();
  AsyncImageWriter(const AsyncImageWriter&) = delete;
  AsyncImageWriter& operator=(const AsyncImageWriter&) = delete;

  static AsyncImageWriter& shared();

  // Queues image for path; the format follows the file suffix (PNG when none).
  // The image is shared, not copied: callers must not paint into it in place.
  void write(const QImage& image, const QString& path);
  // Blocks until every queued write has finished.
  void waitForIdle();
  // Outcome of the last finished write to path (false when none finished yet).
  bool lastWriteSucceeded(const QString& path) const;
  // Number of writes performed (dropped ones not counted).
  int completedWrites() const;

 private:
  struct Job {
    QImage image;
    QString path;
  };
  void run();
  static bool writeFile(const QImage& image, const QString& path);

  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable idle_;
  std::deque<Job> queue_;
  QHash<QString, bool> results_;
  bool busy_ = false;
  bool stopping_ = false;
  int completed_ = 0;
  std::thread worker_;
};

}  // namespace platform
