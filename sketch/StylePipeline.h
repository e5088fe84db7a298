// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One sketch render: grey conversion, style pass, texture blend.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sketch/PixelBuffer.h"

namespace sketch {

// Consumes the photo raster and returns the rendered raster (opaque grey, the
// photo's size); grayimgdata receives the style plane at the photo's size.
// Returns nothing, says why in *error and leaves grayimgdata as it was for a
// style outside 1..7, an empty photo, or a texture of another size.
std::optional<PixelBuffer> runStylePipeline(PixelBuffer photo, int style, const PixelBuffer& texture,
                                            GrayPlane& grayimgdata, std::string* error = nullptr);

// The same render into the caller's memory: out receives photo.width *
// photo.height result words, the photo stays as it was, and grey is scratch the
// caller keeps so that repeated renders reuse its memory. Returns false (and
// touches nothing) where the other form returns nothing.
bool runStylePipeline(const PixelBuffer& photo, int style, const PixelBuffer& texture, GrayPlane& grayimgdata,
                      std::uint32_t* out, std::vector<std::uint8_t>& grey, std::string* error = nullptr);

}  // namespace sketch
