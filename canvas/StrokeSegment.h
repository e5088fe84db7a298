// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One recorded piece of a brush stroke, in picture pixels.
#include <cstdint>

namespace canvas {

struct StrokeSegment {
  float endX;
  float endY;
  float startX;
  float startY;
  float width;
  bool mode;  // YES when painted in brush mode B
  std::uint32_t stroke;
  std::uint32_t timeMs = 0;  // milliseconds since the painting began
};

}  // namespace canvas
