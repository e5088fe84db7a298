#pragma once
// Runs a row-band function over the rows of a raster on up to two threads. Each
// row is computed by exactly one call and independently of the split, so the
// result is the same bit for bit however the rows are shared out.
#include <cstddef>
#include <system_error>
#include <thread>

namespace sketch::detail {

// Below this many pixels a second thread costs more than it saves.
constexpr std::size_t kSplitThreshold = std::size_t(1) << 16;

// f(band, y0, y1) for band 0 and 1; rows [0, mid) and [mid, rows).
template <class F>
void splitRows(int rows, std::size_t pixels, F&& f) {
  static const bool twoCores = std::thread::hardware_concurrency() >= 2;
  if (rows < 2 || pixels < kSplitThreshold || !twoCores) {
    f(0, 0, rows);
    return;
  }
  const int mid = rows / 2;
  std::jthread worker;
  try {
    worker = std::jthread([&f, mid, rows] { f(1, mid, rows); });
  } catch (const std::system_error&) {
    f(0, 0, rows);
    return;
  }
  f(0, 0, mid);
}

}  // namespace sketch::detail
