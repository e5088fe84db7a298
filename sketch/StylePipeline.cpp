// SPDX-License-Identifier: GPL-3.0-or-later
#include "sketch/StylePipeline.h"

#include <algorithm>
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

void greyRows(const std::uint32_t* photo, int w, int h, WordOrder order, std::uint8_t* grey) {
  detail::splitRows(h, std::size_t(w) * std::size_t(h), [&](int, int y0, int y1) {
    const std::size_t first = std::size_t(y0) * std::size_t(w);
    detail::greyBytesFromPhoto(photo + first, grey + first, std::size_t(y1 - y0) * std::size_t(w), order);
  });
}

// The style pass and blend from grey bytes. blurred: n bytes of scratch, used
// only where the taps are spread.
void renderFromGrey(const std::uint8_t* grey, int w, int h, int style, const detail::ScaledTaps& taps,
                    detail::TextureValues texture, WordOrder order, GrayPlane& grayimgdata, std::uint8_t* blurred,
                    std::uint32_t* out) {
  const std::size_t n = std::size_t(w) * std::size_t(h);
  grayimgdata.data.resize(n);
  grayimgdata.width = w;
  grayimgdata.height = h;
  if (detail::unitTaps(taps)) {
    detail::runStyle(style, w, h, grey, grayimgdata.data.data(), texture, out, order);
    return;
  }
  detail::boxBlur(grey, w, h, taps.box, blurred);
  detail::runScaledStyle(style, taps, w, h, grey, blurred, grayimgdata.data.data(), texture, out, order);
}

bool validScale(double scale, std::string* error) {
  if (std::isfinite(scale) && scale >= 1.0) return true;
  say(error, "the render scale " + std::to_string(scale) + " is not 1 or more");
  return false;
}

}  // namespace

std::optional<PixelBuffer> runStylePipeline(PixelBuffer photo, int style, const PixelBuffer& texture,
                                            GrayPlane& grayimgdata, std::string* error) {
  if (!renderable(photo, style, texture, error)) return std::nullopt;
  // Grey values go to a byte plane; the photo's words are then free to take the
  // result, so the render allocates no second 32-bit raster.
  auto grey = std::make_unique_for_overwrite<std::uint8_t[]>(photo.pixels.size());
  std::uint32_t* words = photo.pixels.data();
  greyRows(words, photo.width, photo.height, WordOrder::Raster, grey.get());
  renderFromGrey(grey.get(), photo.width, photo.height, style, detail::scaledTaps(1.0),
                 detail::textureWords(texture.pixels.data(), WordOrder::Raster), WordOrder::Raster, grayimgdata,
                 nullptr, words);
  return photo;
}

bool runStylePipeline(const PixelBuffer& photo, int style, const PixelBuffer& texture, GrayPlane& grayimgdata,
                      std::uint32_t* out, std::vector<std::uint8_t>& grey, std::string* error) {
  return runStylePipelineScaled(photo, style, texture, 1.0, grayimgdata, out, grey, error);
}

bool runStylePipelineScaled(const PixelBuffer& photo, int style, const PixelBuffer& texture, double scale,
                            GrayPlane& grayimgdata, std::uint32_t* out, std::vector<std::uint8_t>& grey,
                            std::string* error) {
  if (!validScale(scale, error) || !renderable(photo, style, texture, error)) return false;
  const detail::ScaledTaps taps = detail::scaledTaps(scale);
  const std::size_t n = photo.pixels.size();
  grey.resize(detail::unitTaps(taps) ? n : 2 * n);
  greyRows(photo.pixels.data(), photo.width, photo.height, WordOrder::Raster, grey.data());
  renderFromGrey(grey.data(), photo.width, photo.height, style, taps,
                 detail::textureWords(texture.pixels.data(), WordOrder::Raster), WordOrder::Raster, grayimgdata,
                 grey.data() + n, out);
  return true;
}

bool greyPlaneOfPhoto(const WordsView& photo, GrayPlane& grey, std::string* error) {
  if (!photo.words || photo.width <= 0 || photo.height <= 0) {
    say(error, "the photo raster is empty");
    return false;
  }
  grey.data.resize(std::size_t(photo.width) * std::size_t(photo.height));
  grey.width = photo.width;
  grey.height = photo.height;
  greyRows(photo.words, photo.width, photo.height, photo.order, grey.data.data());
  return true;
}

bool textureValuesOf(const WordsView& texture, GrayPlane& values, std::string* error) {
  if (!texture.words || texture.width <= 0 || texture.height <= 0) {
    say(error, "the texture is empty");
    return false;
  }
  const std::size_t n = std::size_t(texture.width) * std::size_t(texture.height);
  values.data.resize(n);
  values.width = texture.width;
  values.height = texture.height;
  const int shift = texture.order == WordOrder::Raster ? 24 : 0;
  std::uint8_t* out = values.data.data();
  detail::splitRows(texture.height, n, [&](int, int y0, int y1) {
    const std::size_t first = std::size_t(y0) * std::size_t(texture.width);
    const std::size_t last = std::size_t(y1) * std::size_t(texture.width);
    for (std::size_t i = first; i < last; ++i) out[i] = std::uint8_t(texture.words[i] >> shift);
  });
  return true;
}

bool runStyleOnGrey(const GrayPlane& grey, int style, const GrayPlane& texture, WordOrder order, double scale,
                    GrayPlane& grayimgdata, std::uint32_t* out, std::vector<std::uint8_t>& scratch,
                    std::string* error) {
  if (!validScale(scale, error)) return false;
  if (!isStyle(style)) {
    say(error, "there is no sketch style " + std::to_string(style));
    return false;
  }
  const std::size_t n = std::size_t(std::max(grey.width, 0)) * std::size_t(std::max(grey.height, 0));
  if (n == 0 || grey.data.size() != n) {
    say(error, "the photo raster is empty");
    return false;
  }
  if (texture.width != grey.width || texture.height != grey.height || texture.data.size() != n) {
    say(error, "the texture is " + std::to_string(texture.width) + " x " + std::to_string(texture.height) +
                   ", the photo " + std::to_string(grey.width) + " x " + std::to_string(grey.height));
    return false;
  }
  const detail::ScaledTaps taps = detail::scaledTaps(scale);
  if (!detail::unitTaps(taps)) scratch.resize(n);
  renderFromGrey(grey.data.data(), grey.width, grey.height, style, taps, {texture.data.data(), nullptr}, order,
                 grayimgdata, scratch.data(), out);
  return true;
}

}  // namespace sketch
