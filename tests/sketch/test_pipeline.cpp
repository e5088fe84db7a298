#include <gtest/gtest.h>

#include <random>

#include "sketch/StylePipeline.h"
#include "sketch/Styles.h"

using sketch::GrayPlane;
using sketch::makePixel;
using sketch::PixelBuffer;

namespace {

PixelBuffer randomPhoto(int w, int h, std::uint32_t seed) {
  std::mt19937 rng(seed);
  PixelBuffer b = *PixelBuffer::allocate(w, h);
  for (auto& word : b.pixels) word = rng() | 0xFFu;
  return b;
}

}  // namespace

TEST(StylePipeline, EqualsTheStagesOneByOne) {
  for (auto [w, h] : {std::pair{1, 1}, {4, 7}, {5, 5}, {13, 6}, {37, 29}, {300, 260}}) {
    const PixelBuffer photo = randomPhoto(w, h, std::uint32_t(w * 1000 + h));
    const PixelBuffer texture = randomPhoto(w, h, std::uint32_t(h * 1000 + w));
    for (int style = 1; style <= 7; ++style) {
      PixelBuffer grey = photo;
      sketch::grayConvert(grey);
      GrayPlane expectPlane;
      ASSERT_TRUE(sketch::stylePassLiteral(style, grey, expectPlane));
      PixelBuffer expect;
      sketch::textureBlend(expectPlane, texture, expect);

      GrayPlane plane;
      std::string error = "untouched";
      auto result = sketch::runStylePipeline(photo, style, texture, plane, &error);
      ASSERT_TRUE(result) << error;
      EXPECT_EQ(error, "untouched");
      EXPECT_EQ(plane.width, w);
      EXPECT_EQ(plane.height, h);
      EXPECT_EQ(plane.data, expectPlane.data) << "style " << style << " " << w << " x " << h;
      EXPECT_EQ(result->width, w);
      EXPECT_EQ(result->height, h);
      EXPECT_EQ(result->pixels, expect.pixels) << "style " << style << " " << w << " x " << h;
    }
  }
}

TEST(StylePipeline, UniformPhotoWithBlankTexture) {
  // Grey 100 photo: (3 + 6 + 1) * 100 / 10.
  const PixelBuffer photo = [] {
    PixelBuffer b = *PixelBuffer::allocate(12, 10);
    std::fill(b.pixels.begin(), b.pixels.end(), makePixel(255, 100, 100, 100));
    return b;
  }();
  PixelBuffer texture = *PixelBuffer::allocate(12, 10);
  std::fill(texture.pixels.begin(), texture.pixels.end(), makePixel(255, 255, 255, 0));
  const int planeValue[8] = {0, 100, 100, 255, 0, 114, 128, 128};
  for (int style = 1; style <= 7; ++style) {
    GrayPlane plane;
    auto result = sketch::runStylePipeline(photo, style, texture, plane);
    ASSERT_TRUE(result);
    const auto v = std::uint8_t(255 * planeValue[style] / 256);
    for (std::uint32_t word : result->pixels) ASSERT_EQ(word, makePixel(255, v, v, v)) << style;
    for (std::uint8_t p : plane.data) ASSERT_EQ(p, planeValue[style]) << style;
  }
}

TEST(StylePipeline, RefusesBadInputAndKeepsThePlane) {
  const PixelBuffer photo = randomPhoto(8, 8, 1);
  const PixelBuffer texture = randomPhoto(8, 8, 2);
  GrayPlane plane;
  ASSERT_TRUE(sketch::runStylePipeline(photo, 3, texture, plane));
  const std::vector<std::uint8_t> kept = plane.data;

  std::string error;
  EXPECT_FALSE(sketch::runStylePipeline(photo, 0, texture, plane, &error));
  EXPECT_NE(error.find("style 0"), std::string::npos) << error;
  error.clear();
  EXPECT_FALSE(sketch::runStylePipeline(photo, 8, texture, plane, &error));
  EXPECT_NE(error.find("style 8"), std::string::npos) << error;
  error.clear();
  EXPECT_FALSE(sketch::runStylePipeline(PixelBuffer{}, 2, texture, plane, &error));
  EXPECT_FALSE(error.empty());
  error.clear();
  EXPECT_FALSE(sketch::runStylePipeline(photo, 2, randomPhoto(8, 7, 3), plane, &error));
  EXPECT_NE(error.find("8 x 7"), std::string::npos) << error;
  EXPECT_FALSE(sketch::runStylePipeline(photo, 2, PixelBuffer{}, plane));

  EXPECT_EQ(plane.width, 8);
  EXPECT_EQ(plane.height, 8);
  EXPECT_EQ(plane.data, kept);
}

TEST(StylePipeline, ReplacesAPlaneOfAnotherSize) {
  GrayPlane plane;
  plane.width = 100;
  plane.height = 100;
  plane.data.assign(10000, 3);
  auto result = sketch::runStylePipeline(randomPhoto(6, 9, 4), 6, randomPhoto(6, 9, 5), plane);
  ASSERT_TRUE(result);
  EXPECT_EQ(plane.width, 6);
  EXPECT_EQ(plane.height, 9);
  EXPECT_EQ(plane.data.size(), 54u);
}
