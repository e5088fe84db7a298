// SPDX-License-Identifier: GPL-3.0-or-later
#include "sketch/WorkingSize.h"

#include <algorithm>
#include <cmath>

namespace sketch {

namespace {

// Truncation toward zero of a float known to lie in int range.
int truncated(float v) {
  return static_cast<int>(v);
}

// Each step is a separate float expression so that nothing is kept wider.
float times(float a, float b) {
  return a * b;
}
float over(float a, float b) {
  return a / b;
}

}  // namespace

std::optional<SizeF> workingSize(float w, float h) {
  if (!(std::isfinite(w) && std::isfinite(h) && w > 0.0f && h > 0.0f)) return std::nullopt;
  if (w > h) {
    if (!(w > kWorkingSizeLimit)) return std::nullopt;
    const float th = over(times(h, kWorkingSizeLimit), w);
    return SizeF{kWorkingSizeLimit, std::max(th, 1.0f)};
  }
  if (!(h > kWorkingSizeLimit)) return std::nullopt;
  // w <= h and h > 1280, so w * 1280 / h <= 1280: the truncation stays in range.
  const int exact = truncated(over(times(w, kWorkingSizeLimit), h));
  int tw = exact & ~0xFF;
  if (tw == 0) tw = std::max(exact, 1);
  const float th = std::min(over(times(float(tw), h), w), kWorkingSizeLimit);
  return SizeF{float(tw), float(truncated(th))};
}

SizeI wholePixelSize(SizeF size) {
  auto whole = [](float v) -> int {
    if (!(v > 0.0f)) return 0;  // also NaN
    if (v >= 2147483648.0f) return 2147483647;
    return static_cast<int>(v);
  };
  return SizeI{whole(size.width), whole(size.height)};
}

}  // namespace sketch
