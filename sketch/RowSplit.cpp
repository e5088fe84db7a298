// SPDX-License-Identifier: GPL-3.0-or-later
#include "sketch/RowSplit.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

namespace sketch::detail {

namespace {

struct Job {
  int rows;
  int chunk;
  RowRangeFn fn;
  void* context;
  std::atomic<int> next{0};

  void drain(int worker) {
    for (;;) {
      const int y0 = next.fetch_add(chunk, std::memory_order_relaxed);
      if (y0 >= rows) return;
      fn(context, worker, y0, std::min(rows, y0 + chunk));
    }
  }
};

// One helper thread, started on first use. A job is offered to it; the caller
// withdraws the offer when it has run out of rows and waits only if the helper
// had already taken the job.
class Helper {
 public:
  static Helper* instance() {
    static Helper helper;
    return helper.started_ ? &helper : nullptr;
  }

  // Only one caller at a time shares the helper; others run alone.
  bool tryAcquire() { return !busy_.test_and_set(std::memory_order_acquire); }
  void release() { busy_.clear(std::memory_order_release); }

  void run(Job& job) {
    {
      std::lock_guard lock(mutex_);
      offered_ = &job;
    }
    wake_.notify_one();
    job.drain(0);
    std::unique_lock lock(mutex_);
    offered_ = nullptr;
    done_.wait(lock, [this] { return taken_ == nullptr; });
  }

 private:
  Helper() {
    try {
      thread_ = std::jthread([this](std::stop_token stop) { loop(stop); });
      started_ = true;
    } catch (const std::system_error&) {
    }
  }
  ~Helper() {
    if (!started_) return;
    {
      std::lock_guard lock(mutex_);
      thread_.request_stop();
    }
    wake_.notify_one();
  }

  void loop(const std::stop_token& stop) {
    std::unique_lock lock(mutex_);
    for (;;) {
      wake_.wait(lock, [&] { return stop.stop_requested() || offered_ != nullptr; });
      if (stop.stop_requested()) return;
      Job* job = offered_;
      offered_ = nullptr;  // taken once
      taken_ = job;
      lock.unlock();
      job->drain(1);
      lock.lock();
      taken_ = nullptr;
      done_.notify_one();
    }
  }

  std::mutex mutex_;
  std::condition_variable wake_, done_;
  Job* offered_ = nullptr;
  Job* taken_ = nullptr;
  std::atomic_flag busy_;
  bool started_ = false;
  std::jthread thread_;  // last: stopped and joined before the rest goes
};

}  // namespace

void shareRows(int rows, RowRangeFn fn, void* context) {
  static const bool twoCores = std::thread::hardware_concurrency() >= 2;
  Helper* helper = twoCores ? Helper::instance() : nullptr;
  if (!helper || !helper->tryAcquire()) {
    fn(context, 0, 0, rows);
    return;
  }
  Job job{rows, std::max(1, rows / 16), fn, context};
  helper->run(job);
  helper->release();
}

}  // namespace sketch::detail
