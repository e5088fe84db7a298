// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One recorded piece of a brush stroke, in picture pixels.
#include <cstdint>

namespace canvas {

struct StrokeSegment {
  float endX = 0;
  float endY = 0;
  float startX = 0;
  float startY = 0;
  float width = 0;
  bool mode = false;  // YES when painted in brush mode B
  std::uint32_t stroke = 0;
  std::uint32_t timeMs = 0;  // milliseconds since the painting began

  bool operator==(const StrokeSegment&) const = default;
};

}  // namespace canvas
