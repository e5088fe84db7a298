// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Makes a raster upright from the orientation value that came with its photo.
#include "sketch/PixelBuffer.h"

namespace sketch {

// Orientation values as the photo carries them.
enum Orientation : int {
  OrientationUp = 0,
  OrientationDown = 1,           // rotated by 180 degrees
  OrientationLeft = 2,           // rotated by 90 degrees counter-clockwise
  OrientationRight = 3,          // rotated by 90 degrees clockwise
  OrientationUpMirrored = 4,     // mirrored left to right
  OrientationDownMirrored = 5,   // mirrored top to bottom
  OrientationLeftMirrored = 6,   // transposed
  OrientationRightMirrored = 7,  // mirrored about the anti-diagonal
};

// Returns the upright raster. For 0 (and any value outside 1..7) the argument
// itself comes back, moved, without a copy. For 2, 3, 6 and 7 width and height
// swap. If the new raster cannot be allocated the result is empty (and
// "Memory not allocated!" has been written to stderr).
PixelBuffer fixOrientation(PixelBuffer image, int orientation);

}  // namespace sketch
