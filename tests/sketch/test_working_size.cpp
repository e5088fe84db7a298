#include <gtest/gtest.h>

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

TEST(WorkingSize, LandscapeTakesWidth1280AndAnUnroundedHeight) {
  auto a = workingSize(3264, 2448);
  ASSERT_TRUE(a);
  EXPECT_EQ(a->width, 1280.0f);
  EXPECT_EQ(a->height, 960.0f);

  auto b = workingSize(2592, 1936);
  ASSERT_TRUE(b);
  EXPECT_EQ(b->width, 1280.0f);
  EXPECT_EQ(b->height, landscapeHeight(2592, 1936));
  EXPECT_NEAR(b->height, 956.0494f, 0.0001f);
  EXPECT_NE(b->height, 956.0f);

  auto c = workingSize(1281, 1280);
  ASSERT_TRUE(c);
  EXPECT_EQ(c->width, 1280.0f);
  EXPECT_EQ(c->height, landscapeHeight(1281, 1280));
  EXPECT_NEAR(c->height, 1279.0007f, 0.0001f);
}

TEST(WorkingSize, PortraitWidthRoundsDownToMultipleOf256) {
  struct Case {
    float w, h, tw, th;
  } cases[] = {{2448, 3264, 768, 1024},  {1936, 2592, 768, 1028},  {1200, 1300, 1024, 1109},
               {1280, 1281, 1024, 1024}, {2000, 2000, 1280, 1280}, {4000, 6000, 768, 1152}};
  for (const Case& k : cases) {
    auto t = workingSize(k.w, k.h);
    ASSERT_TRUE(t) << k.w << " x " << k.h;
    EXPECT_EQ(t->width, k.tw) << k.w << " x " << k.h;
    EXPECT_EQ(t->height, k.th) << k.w << " x " << k.h;
  }
}

TEST(WorkingSize, SmallPhotosAndTheLimitItselfKeepTheirSize) {
  for (auto [w, h] : {std::pair{640.f, 480.f},
                      {1280.f, 1280.f},
                      {960.f, 1280.f},
                      {1000.f, 1200.f},
                      {1280.f, 1.f},
                      {1.f, 1280.f},
                      {1.f, 1.f}})
    EXPECT_FALSE(workingSize(w, h)) << w << " x " << h;
}

TEST(WorkingSize, NarrowPortraitKeepsItsTruncatedWidth) {
  auto a = workingSize(300, 2000);  // 192 wide: rounding down to 256 would give 0
  ASSERT_TRUE(a);
  EXPECT_EQ(a->width, 192.0f);
  EXPECT_EQ(a->height, 1280.0f);

  auto b = workingSize(1, 2000);  // 0.64 truncates to 0: at least one pixel
  ASSERT_TRUE(b);
  EXPECT_EQ(b->width, 1.0f);
  EXPECT_EQ(b->height, 1280.0f);

  auto c = workingSize(7, 2000);  // 4.48 -> 4, height 4 * 2000 / 7 = 1142.86 -> 1142
  ASSERT_TRUE(c);
  EXPECT_EQ(c->width, 4.0f);
  EXPECT_EQ(c->height, 1142.0f);

  auto d = workingSize(400, 2000);  // 256: the ordinary rule applies again
  ASSERT_TRUE(d);
  EXPECT_EQ(d->width, 256.0f);
  EXPECT_EQ(d->height, 1280.0f);
}

TEST(WorkingSize, EveryTargetFitsTheLimitAndIsNeverEmpty) {
  for (int w = 1; w <= 5000; w += 37) {
    for (int h = 1; h <= 5000; h += 41) {
      auto t = workingSize(float(w), float(h));
      if (!t) {
        EXPECT_LE(std::max(w, h), 1280);
        continue;
      }
      EXPECT_LE(t->width, 1280.0f);
      EXPECT_LE(t->height, 1280.0f);
      const auto whole = wholePixelSize(*t);
      EXPECT_GE(whole.width, 1) << w << " x " << h;
      EXPECT_GE(whole.height, 1) << w << " x " << h;
    }
  }
}

TEST(WorkingSize, VeryFlatLandscapeKeepsOneRow) {
  auto t = workingSize(4000, 1);
  ASSERT_TRUE(t);
  EXPECT_EQ(t->width, 1280.0f);
  EXPECT_EQ(t->height, 1.0f);
}

TEST(WorkingSize, BadSizesGiveNoTarget) {
  EXPECT_FALSE(workingSize(0, 2000));
  EXPECT_FALSE(workingSize(2000, 0));
  EXPECT_FALSE(workingSize(-3000, 2000));
  EXPECT_FALSE(workingSize(std::numeric_limits<float>::quiet_NaN(), 2000));
  EXPECT_FALSE(workingSize(std::numeric_limits<float>::infinity(), 2000));
}

TEST(WholePixelSize, TruncatesTowardZero) {
  auto a = wholePixelSize(SizeF{1280.0f, 956.0494f});
  EXPECT_EQ(a.width, 1280);
  EXPECT_EQ(a.height, 956);
  auto b = wholePixelSize(SizeF{0.999f, 1279.9999f});
  EXPECT_EQ(b.width, 0);
  EXPECT_EQ(b.height, 1279);
  auto c = wholePixelSize(SizeF{-2.5f, std::numeric_limits<float>::quiet_NaN()});
  EXPECT_EQ(c.width, 0);
  EXPECT_EQ(c.height, 0);
}
