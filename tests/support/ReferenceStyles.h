// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The style pass computed the plain way: the 25 values of every neighbourhood
// summed one by one, style 5 in double precision. The engine's fast pass is
// tested for equality with it and measured against it.
#include "sketch/PixelBuffer.h"
#include "sketch/Styles.h"

namespace reference {

bool stylePassReference(int style, const sketch::PixelBuffer& grey, sketch::GrayPlane& plane);

}  // namespace reference
