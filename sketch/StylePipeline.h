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

// The render of a photo at `scale` (>= 1) times its working size, made to look
// like the working-size render seen at the same size, with the photo's own
// detail; texture is the pencil texture at the photo's size. A scale whose taps
// are the working-size kernel's (below 1.25) is exactly the form above. grey
// receives two bytes per pixel of scratch. Returns false (touching nothing) as
// the form above does, and for a scale below 1 or not finite.
bool runStylePipelineScaled(const PixelBuffer& photo, int style, const PixelBuffer& texture, double scale,
                            GrayPlane& grayimgdata, std::uint32_t* out, std::vector<std::uint8_t>& grey,
                            std::string* error = nullptr);

// The first stage of a render, apart: the photo's grey bytes, which every style
// of the photo starts from. grey is re-sized to the photo (its memory kept).
// Returns false (touching nothing) for an empty photo.
bool greyPlaneOfPhoto(const WordsView& photo, GrayPlane& grey, std::string* error = nullptr);

// The values a blend takes from the texture (the blue byte of each word), a
// quarter of its words' memory to read per render. Returns false (touching
// nothing) for an empty texture.
bool textureValuesOf(const WordsView& texture, GrayPlane& values, std::string* error = nullptr);

// The rest of a render at `scale`, from the photo's grey bytes and the
// texture's values: the same pixels as runStylePipelineScaled on that photo
// and texture. out receives width * height words in `order`; scratch is memory
// the caller keeps (used above scale 1). Returns false (touching nothing) for a
// style outside 1..7, an empty grey plane, a texture of another size or a scale
// below 1 or not finite.
bool runStyleOnGrey(const GrayPlane& grey, int style, const GrayPlane& texture, WordOrder order, double scale,
                    GrayPlane& grayimgdata, std::uint32_t* out, std::vector<std::uint8_t>& scratch,
                    std::string* error = nullptr);

}  // namespace sketch
