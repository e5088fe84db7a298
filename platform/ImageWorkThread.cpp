// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ImageWorkThread.h"

#include <QSemaphore>
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

}  // namespace platform
