#pragma once
// Runs a row-range function over the rows of a raster on up to two threads.
// Each row is computed by exactly one call and independently of the others, so
// the result is the same bit for bit however the rows are shared out.
#include <algorithm>
#include <atomic>
#include <cstddef>
#include <system_error>
#include <thread>

namespace sketch::detail {

// Below this many pixels a second thread costs more than it saves.
constexpr std::size_t kSplitThreshold = std::size_t(1) << 16;

// Calls f(worker, y0, y1) over consecutive chunks of rows, worker 0 on the
// calling thread and worker 1 on a helper. Chunks are taken as each thread
// gets to them, so a helper that starts late (a busy machine) does not hold the
// caller up: the caller simply takes more of the rows.
template <class F>
void splitRows(int rows, std::size_t pixels, F&& f) {
  static const bool twoCores = std::thread::hardware_concurrency() >= 2;
  if (rows < 2 || pixels < kSplitThreshold || !twoCores) {
    f(0, 0, rows);
    return;
  }
  const int chunk = std::max(1, rows / 16);
  std::atomic<int> next{0};
  auto drain = [&](int worker) {
    for (;;) {
      const int y0 = next.fetch_add(chunk, std::memory_order_relaxed);
      if (y0 >= rows) return;
      f(worker, y0, std::min(rows, y0 + chunk));
    }
  };
  std::jthread helper;
  try {
    helper = std::jthread([&drain] { drain(1); });
  } catch (const std::system_error&) {
    // No second thread: the caller does all of it.
  }
  drain(0);
}

}  // namespace sketch::detail
