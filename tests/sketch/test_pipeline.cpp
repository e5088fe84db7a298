#include <gtest/gtest.h>

#include <random>

#include "sketch/StylePipeline.h"
#include "sketch/Styles.h"

using sketch::GrayPlane;
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
      SCOPED_TRACE(testing::Message() << "style " << style << " " << w << " x " << h);
      PixelBuffer grey = photo, expect;
      sketch::grayConvert(grey);
      GrayPlane expectPlane, plane;
      ASSERT_TRUE(sketch::stylePassLiteral(style, grey, expectPlane));
      sketch::textureBlend(expectPlane, texture, expect);

      std::string error = "untouched";
      auto result = sketch::runStylePipeline(photo, style, texture, plane, &error);
      ASSERT_TRUE(result) << error;
      EXPECT_EQ(error, "untouched");
      EXPECT_EQ(plane.width, w);
      EXPECT_EQ(plane.height, h);
      EXPECT_EQ(plane.data, expectPlane.data);
      EXPECT_EQ(result->width, w);
      EXPECT_EQ(result->height, h);
      EXPECT_EQ(result->pixels, expect.pixels);
    }
  }
}

TEST(StylePipeline, ReplacesAPlaneOfAnotherSizeAndKeepsItOnBadInput) {
  const PixelBuffer photo = randomPhoto(6, 9, 1), texture = randomPhoto(6, 9, 2);
  GrayPlane plane{100, 100, std::vector<std::uint8_t>(10000, 3)};
  ASSERT_TRUE(sketch::runStylePipeline(photo, 3, texture, plane));
  ASSERT_EQ(plane.width, 6);
  ASSERT_EQ(plane.height, 9);
  ASSERT_EQ(plane.data.size(), 54u);
  const std::vector<std::uint8_t> kept = plane.data;

  const struct Case {
    int style;
    PixelBuffer photo, texture;
    const char* says;
  } cases[] = {{0, photo, texture, "style 0"},
               {8, photo, texture, "style 8"},
               {2, PixelBuffer{}, texture, ""},
               {2, photo, randomPhoto(6, 7, 3), "6 x 7"},
               {2, photo, PixelBuffer{}, ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.style << " " << c.says);
    std::string error;
    EXPECT_FALSE(sketch::runStylePipeline(c.photo, c.style, c.texture, plane, &error));
    EXPECT_NE(error.find(c.says), std::string::npos) << error;
    EXPECT_FALSE(error.empty());
  }
  EXPECT_FALSE(sketch::runStylePipeline(photo, 2, PixelBuffer{}, plane));  // no place for the reason
  EXPECT_EQ(plane.width, 6);
  EXPECT_EQ(plane.height, 9);
  EXPECT_EQ(plane.data, kept);
}
