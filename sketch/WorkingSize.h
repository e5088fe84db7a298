// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The size a prepared photo is limited to: the longer side at most 1280 pixels,
// never enlarged. All steps run in single precision.
#include <optional>

namespace sketch {

struct SizeF {
  float width;
  float height;
};
struct SizeI {
  int width;
  int height;
};

constexpr float kWorkingSizeLimit = 1280.0f;

// The target size for a w x h upright photo, or nothing when the photo is used
// unchanged (also for sizes that are not positive and finite). The landscape
// height is not rounded; the portrait width is a multiple of 256, except for a
// photo so narrow that this would make it 0 wide: it keeps its truncated width
// (at least 1) and the height follows from it, at most 1280. A landscape height
// below one pixel is raised to one, so that every photo keeps a pixel row.
std::optional<SizeF> workingSize(float w, float h);

// Whole pixels of a size: each side truncated toward zero.
SizeI wholePixelSize(SizeF size);

}  // namespace sketch
