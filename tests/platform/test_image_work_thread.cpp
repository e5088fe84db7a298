// SPDX-License-Identifier: GPL-3.0-or-later
// Painting work is run on a thread of Qt's global pool: from elsewhere it is
// handed to one and waited for, on one it runs at once, and with every pool
// thread taken it comes back and runs on the caller, once.
#include <gtest/gtest.h>

#include <QSemaphore>
#include <QThread>
#include <QThreadPool>
#include <atomic>

#include "platform/ImageWorkThread.h"

namespace {

bool onPoolThread() {
  return QThreadPool::globalInstance()->contains(QThread::currentThread());
}

TEST(PaintingWork, RunsOnAPoolThreadOnceAndReturnsItsResult) {
  ASSERT_FALSE(onPoolThread());
  int runs = 0;
  bool pooled = false;
  EXPECT_EQ(platform::runPaintingWork([&] {
              ++runs;
              pooled = onPoolThread();
              return 42;
            }),
            42);
  EXPECT_EQ(runs, 1);
  EXPECT_TRUE(pooled);

  // Already on a pool thread: no second hand-off, the same thread.
  QThread* outer = nullptr;
  QThread* inner = nullptr;
  platform::runPaintingWork([&] {
    outer = QThread::currentThread();
    return platform::runPaintingWork([&] {
      inner = QThread::currentThread();
      return 0;
    });
  });
  EXPECT_NE(outer, nullptr);
  EXPECT_EQ(inner, outer);
}

TEST(PaintingWork, WithEveryPoolThreadTakenRunsOnTheCallerOnce) {
  QThreadPool* pool = QThreadPool::globalInstance();
  const int threads = pool->maxThreadCount();
  QSemaphore holding, release;
  for (int i = 0; i < threads; ++i)
    pool->start([&] {
      holding.release();
      release.acquire();
    });
  ASSERT_TRUE(holding.tryAcquire(threads, 10000));
  std::atomic<int> runs = 0;
  QThread* ranOn = nullptr;
  EXPECT_EQ(platform::runPaintingWork([&] {
              ++runs;
              ranOn = QThread::currentThread();
              return 7;
            }),
            7);
  EXPECT_EQ(ranOn, QThread::currentThread());
  release.release(threads);
  pool->waitForDone();
  EXPECT_EQ(runs.load(), 1) << "taken back from the queue, never run a second time";
}

}  // namespace
