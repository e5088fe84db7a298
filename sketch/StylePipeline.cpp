#include "sketch/StylePipeline.h"

#include <memory>

#include "sketch/RowSplit.h"
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

}  // namespace

std::optional<PixelBuffer> runStylePipeline(PixelBuffer photo, int style, const PixelBuffer& texture,
                                            GrayPlane& grayimgdata, std::string* error) {
  if (!isStyle(style)) {
    say(error, "there is no sketch style " + std::to_string(style));
    return std::nullopt;
  }
  const int w = photo.width, h = photo.height;
  const std::size_t n = std::size_t(w > 0 ? w : 0) * std::size_t(h > 0 ? h : 0);
  if (n == 0 || photo.pixels.size() != n) {
    say(error, "the photo raster is empty");
    return std::nullopt;
  }
  if (texture.width != w || texture.height != h || texture.pixels.size() != n) {
    say(error, "the texture is " + sizeText(texture) + ", the photo " + sizeText(photo));
    return std::nullopt;
  }

  // Grey values go to a byte plane; the photo's words are then free to take the
  // result, so the render allocates no second 32-bit raster.
  auto grey = std::make_unique_for_overwrite<std::uint8_t[]>(n);
  std::uint32_t* words = photo.pixels.data();
  detail::splitRows(h, n, [&](int, int y0, int y1) {
    const std::size_t first = std::size_t(y0) * std::size_t(w);
    detail::greyBytesFromPhoto(words + first, grey.get() + first, std::size_t(y1 - y0) * std::size_t(w));
  });

  grayimgdata.data.resize(n);
  grayimgdata.width = w;
  grayimgdata.height = h;
  detail::runStyle(style, w, h, grey.get(), grayimgdata.data.data(), texture.pixels.data(), words);
  return photo;
}

}  // namespace sketch
