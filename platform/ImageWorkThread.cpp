// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ImageWorkThread.h"

#include <QRunnable>
#include <QSemaphore>
#include <QThread>
#include <QThreadPool>
#include <memory>
#include <system_error>
#include <thread>

namespace platform {

std::optional<int> runOnImageWorkThread(const std::function<int()>& work, int startTimeoutMs) {
  // Shared with the task, which outlives this call when its thread never starts.
  struct Shared {
    QSemaphore started, done;
    int result = 0;
  };
  // Where no thread can be started at all, say so at once rather than after the wait.
  try {
    std::thread([] {}).join();
  } catch (const std::system_error&) {
    return std::nullopt;
  }
  auto shared = std::make_shared<Shared>();
  QThreadPool::globalInstance()->start([shared, work] {
    shared->started.release();
    shared->result = work();
    shared->done.release();
  });
  if (!shared->started.tryAcquire(1, startTimeoutMs)) return std::nullopt;
  shared->done.acquire();
  return shared->result;
}

int runPaintingWork(const std::function<int()>& work) {
  QThreadPool* pool = QThreadPool::globalInstance();
  if (pool->contains(QThread::currentThread())) return work();
  int result = 0;
  QSemaphore started, done;
  std::unique_ptr<QRunnable> task(QRunnable::create([&] {
    started.release();
    result = work();
    done.release();
  }));
  task->setAutoDelete(false);
  pool->start(task.get());
  // A pool with no thread free within the wait (or none to be had at all) gives
  // the work back, and it runs here: slower, never twice and never lost.
  if (!started.tryAcquire(1, 2000) && pool->tryTake(task.get())) return work();
  done.acquire();
  return result;
}

}  // namespace platform
