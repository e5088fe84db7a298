// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs a row-range function over the rows of a raster on up to two threads.
// Each row is computed by exactly one call and independently of the others, so
// the result is the same bit for bit however the rows are shared out.
#include <cstddef>
#include <memory>
#include <type_traits>

namespace sketch::detail {

// Below this many pixels a second thread costs more than it saves.
constexpr std::size_t kSplitThreshold = std::size_t(1) << 16;

using RowRangeFn = void (*)(void* context, int worker, int y0, int y1);

// Calls fn over consecutive chunks of [0, rows), worker 0 on the calling thread
// and worker 1 on a helper thread kept for the life of the process. Chunks are
// taken as each thread gets to them; the caller never waits for a helper that
// has not started (a busy machine): it takes the remaining rows itself.
void shareRows(int rows, RowRangeFn fn, void* context);

template <class F>
void splitRows(int rows, std::size_t pixels, F&& f) {
  if (rows < 2 || pixels < kSplitThreshold) {
    f(0, 0, rows);
    return;
  }
  using Fn = std::remove_reference_t<F>;
  shareRows(
      rows, [](void* context, int worker, int y0, int y1) { (*static_cast<Fn*>(context))(worker, y0, y1); },
      const_cast<void*>(static_cast<const void*>(std::addressof(f))));
}

}  // namespace sketch::detail
