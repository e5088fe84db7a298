#pragma once
// One sketch render: grey conversion, style pass, texture blend.
#include <optional>
#include <string>

#include "sketch/PixelBuffer.h"

namespace sketch {

// Consumes the photo raster and returns the rendered raster (opaque grey, the
// photo's size); grayimgdata receives the style plane at the photo's size.
// Returns nothing, says why in *error and leaves grayimgdata as it was for a
// style outside 1..7, an empty photo, or a texture of another size.
std::optional<PixelBuffer> runStylePipeline(PixelBuffer photo, int style, const PixelBuffer& texture,
                                            GrayPlane& grayimgdata, std::string* error = nullptr);

}  // namespace sketch
