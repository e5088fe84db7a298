// SPDX-License-Identifier: GPL-3.0-or-later
#include "sketch/StylePipeline.h"

#include <cmath>
#include <memory>

#include "sketch/RowSplit.h"
#include "sketch/ScaledStyles.h"
#include "sketch/StyleKernels.h"
#include "sketch/Styles.h"

namespace sketch {

namespace {

void say(std::string* error, std::string text) {
  if (error) *error = std::move(text);
}

std::string sizeText(const PixelBuffer& raster) {
  return std::to_string(raster.width) + " x " + std::to_string(raster.height);
}

// Says why the render cannot run, or returns true.
bool renderable(const PixelBuffer& photo, int style, const PixelBuffer& texture, std::string* error) {
  if (!isStyle(style)) {
    say(error, "there is no sketch style " + std::to_string(style));
    return false;
  }
  const std::size_t n =
      std::size_t(photo.width > 0 ? photo.width : 0) * std::size_t(photo.height > 0 ? photo.height : 0);
  if (n == 0 || photo.pixels.size() != n) {
    say(error, "the photo raster is empty");
    return false;
  }
  if (texture.width != photo.width || texture.height != photo.height || texture.pixels.size() != n) {
    say(error, "the texture is " + sizeText(texture) + ", the photo " + sizeText(photo));
    return false;
  }
  return true;
}

// Grey bytes first, then the style pass: out may be the photo's own words.
void render(const std::uint32_t* photo, int w, int h, int style, const PixelBuffer& texture,
            GrayPlane& grayimgdata, std::uint8_t* grey, std::uint32_t* out) {
  const std::size_t n = std::size_t(w) * std::size_t(h);
  detail::splitRows(h, n, [&](int, int y0, int y1) {
    const std::size_t first = std::size_t(y0) * std::size_t(w);
    detail::greyBytesFromPhoto(photo + first, grey + first, std::size_t(y1 - y0) * std::size_t(w));
  });
  grayimgdata.data.resize(n);
  grayimgdata.width = w;
  grayimgdata.height = h;
  detail::runStyle(style, w, h, grey, grayimgdata.data.data(), texture.pixels.data(), out);
}

}  // namespace

std::optional<PixelBuffer> runStylePipeline(PixelBuffer photo, int style, const PixelBuffer& texture,
                                            GrayPlane& grayimgdata, std::string* error) {
  if (!renderable(photo, style, texture, error)) return std::nullopt;
  // Grey values go to a byte plane; the photo's words are then free to take the
  // result, so the render allocates no second 32-bit raster.
  auto grey = std::make_unique_for_overwrite<std::uint8_t[]>(photo.pixels.size());
  std::uint32_t* words = photo.pixels.data();
  render(words, photo.width, photo.height, style, texture, grayimgdata, grey.get(), words);
  return photo;
}

bool runStylePipeline(const PixelBuffer& photo, int style, const PixelBuffer& texture, GrayPlane& grayimgdata,
                      std::uint32_t* out, std::vector<std::uint8_t>& grey, std::string* error) {
  if (!renderable(photo, style, texture, error)) return false;
  grey.resize(photo.pixels.size());
  render(photo.pixels.data(), photo.width, photo.height, style, texture, grayimgdata, grey.data(), out);
  return true;
}

bool runStylePipelineScaled(const PixelBuffer& photo, int style, const PixelBuffer& texture, double scale,
                            GrayPlane& grayimgdata, std::uint32_t* out, std::vector<std::uint8_t>& grey,
                            std::string* error) {
  if (!std::isfinite(scale) || scale < 1.0) {
    say(error, "the render scale " + std::to_string(scale) + " is not 1 or more");
    return false;
  }
  const detail::ScaledTaps taps = detail::scaledTaps(scale);
  if (detail::unitTaps(taps)) return runStylePipeline(photo, style, texture, grayimgdata, out, grey, error);
  if (!renderable(photo, style, texture, error)) return false;
  const int w = photo.width, h = photo.height;
  const std::size_t n = photo.pixels.size();
  grey.resize(2 * n);
  std::uint8_t* bytes = grey.data();
  std::uint8_t* blurred = bytes + n;
  detail::splitRows(h, n, [&](int, int y0, int y1) {
    const std::size_t first = std::size_t(y0) * std::size_t(w);
    detail::greyBytesFromPhoto(photo.pixels.data() + first, bytes + first, std::size_t(y1 - y0) * std::size_t(w));
  });
  detail::boxBlur(bytes, w, h, taps.box, blurred);
  grayimgdata.data.resize(n);
  grayimgdata.width = w;
  grayimgdata.height = h;
  detail::runScaledStyle(style, taps, w, h, bytes, blurred, grayimgdata.data.data(), texture.pixels.data(), out);
  return true;
}

}  // namespace sketch
