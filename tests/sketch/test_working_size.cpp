#include <gtest/gtest.h>

#include <limits>

#include "sketch/WorkingSize.h"

using sketch::SizeF;
using sketch::wholePixelSize;
using sketch::workingSize;

namespace {

// The landscape height as single precision gives it, step by step.
float landscapeHeight(float w, float h) {
  volatile float product = h * 1280.0f;
  return product / w;
}

}  // namespace

TEST(WorkingSize, ExampleTargets) {
  ASSERT_NEAR(landscapeHeight(2592, 1936), 956.0494f, 0.0001f);  // unrounded, not 956
  ASSERT_NEAR(landscapeHeight(1281, 1280), 1279.0007f, 0.0001f);
  const struct Case {
    float w, h, tw, th;
  } cases[] = {
      // Landscape: width 1280, the height unrounded; at least one row.
      {3264, 2448, 1280, 960}, {2592, 1936, 1280, landscapeHeight(2592, 1936)},
      {1281, 1280, 1280, landscapeHeight(1281, 1280)}, {4000, 1, 1280, 1},
      // Portrait: the width rounds down to a multiple of 256.
      {2448, 3264, 768, 1024}, {1936, 2592, 768, 1028}, {1200, 1300, 1024, 1109}, {1280, 1281, 1024, 1024},
      {2000, 2000, 1280, 1280}, {4000, 6000, 768, 1152},
      // Too narrow for 256: the truncated width, at least 1; 4 * 2000 / 7 -> 1142.
      {300, 2000, 192, 1280}, {1, 2000, 1, 1280}, {7, 2000, 4, 1142}, {400, 2000, 256, 1280}};
  for (const Case& k : cases) {
    SCOPED_TRACE(testing::Message() << k.w << " x " << k.h);
    auto t = workingSize(k.w, k.h);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->width, k.tw);
    EXPECT_EQ(t->height, k.th);
  }
}

TEST(WorkingSize, SmallPhotosTheLimitAndBadSizesGiveNoTarget) {
  const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
  for (auto [w, h] : {std::pair{640.f, 480.f}, {1280.f, 1280.f}, {960.f, 1280.f}, {1000.f, 1200.f}, {1280.f, 1.f},
                      {1.f, 1280.f}, {1.f, 1.f}, {0.f, 2000.f}, {2000.f, 0.f}, {-3000.f, 2000.f}, {nan, 2000.f},
                      {inf, 2000.f}})
    EXPECT_FALSE(workingSize(w, h)) << w << " x " << h;
}

TEST(WorkingSize, EveryTargetFitsTheLimitAndIsNeverEmpty) {
  for (int w = 1; w <= 5000; w += 37) {
    for (int h = 1; h <= 5000; h += 41) {
      SCOPED_TRACE(testing::Message() << w << " x " << h);
      auto t = workingSize(float(w), float(h));
      if (!t) {
        EXPECT_LE(std::max(w, h), 1280);
        continue;
      }
      EXPECT_LE(std::max(t->width, t->height), 1280.0f);
      const auto whole = wholePixelSize(*t);
      EXPECT_GE(std::min(whole.width, whole.height), 1);
    }
  }
}

TEST(WholePixelSize, TruncatesTowardZero) {
  for (auto [in, w, h] : {std::tuple{SizeF{1280.0f, 956.0494f}, 1280, 956}, {SizeF{0.999f, 1279.9999f}, 0, 1279},
                          {SizeF{-2.5f, std::numeric_limits<float>::quiet_NaN()}, 0, 0}}) {
    const auto out = wholePixelSize(in);
    EXPECT_EQ(out.width, w);
    EXPECT_EQ(out.height, h);
  }
}
