// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AsyncImageWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <algorithm>

#include "platform/Log.h"

namespace platform {

AsyncImageWriter::AsyncImageWriter() : worker_([this] { run(); }) {}

AsyncImageWriter::~AsyncImageWriter() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  worker_.join();
}

AsyncImageWriter& AsyncImageWriter::shared() {
  static AsyncImageWriter writer;
  return writer;
}

void AsyncImageWriter::write(const QImage& image, const QString& path) {
  {
    std::lock_guard lock(mutex_);
    // A newer picture for the same file makes queued older ones pointless, and
    // dropping them is what keeps an older write from landing last.
    std::erase_if(queue_, [&](const Job& job) { return job.path == path; });
    queue_.push_back({image, path});
  }
  wake_.notify_one();
}

void AsyncImageWriter::waitForIdle() {
  std::unique_lock lock(mutex_);
  idle_.wait(lock, [this] { return queue_.empty() && !busy_; });
}

bool AsyncImageWriter::lastWriteSucceeded(const QString& path) const {
  std::lock_guard lock(mutex_);
  return results_.value(path, false);
}

int AsyncImageWriter::completedWrites() const {
  std::lock_guard lock(mutex_);
  return completed_;
}

void AsyncImageWriter::run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
    if (queue_.empty()) {
      if (stopping_) return;
      continue;
    }
    Job job = std::move(queue_.front());
    queue_.pop_front();
    busy_ = true;
    lock.unlock();
    const bool ok = writeFile(job.image, job.path);
    job.image = QImage();
    lock.lock();
    results_[job.path] = ok;
    ++completed_;
    busy_ = false;
    if (queue_.empty()) idle_.notify_all();
  }
}

bool AsyncImageWriter::writeFile(const QImage& image, const QString& path) {
  if (image.isNull() || path.isEmpty()) return false;
  const QFileInfo info(path);
  QDir().mkpath(info.absolutePath());
  QByteArray format = info.suffix().toLower().toLatin1();
  if (format.isEmpty()) format = "png";
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    qCWarning(lcVorlane) << "could not open" << path << file.errorString();
    return false;
  }
  QImageWriter writer(&file, format);
  if (!writer.write(image)) {
    qCWarning(lcVorlane) << "could not encode" << path << writer.errorString();
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace platform
