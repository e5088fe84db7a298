// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "sketch/WorkingSize.h"

using sketch::SizeF;
using sketch::wholePixelSize;
using sketch::workingSize;

TEST(WorkingSize, ExampleTargetsAndNoTargetForSmallOrBadSizes) {
  // The landscape height stays unrounded as single precision gives it: 956.0494, not 956; 1279.0007.
  volatile float p1 = 1936 * 1280.0f, p2 = 1280 * 1280.0f;
  const float h1 = p1 / 2592.0f, h2 = p2 / 1281.0f;
  const struct Case {
    float w, h, tw, th;
  } cases[] = {
      // Landscape: width 1280, at least one row.
      {3264, 2448, 1280, 960}, {2592, 1936, 1280, h1}, {1281, 1280, 1280, h2}, {4000, 1, 1280, 1},
      {2560, 1600, 1280, 800},  // the help and README examples, with 1200 x 1600 below
      // Portrait: the width rounds down to a multiple of 256.
      {2448, 3264, 768, 1024}, {1936, 2592, 768, 1028}, {1200, 1300, 1024, 1109}, {1280, 1281, 1024, 1024},
      {2000, 2000, 1280, 1280}, {4000, 6000, 768, 1152}, {1200, 1600, 768, 1024},
      // Too narrow for 256: the truncated width, at least 1; 4 * 2000 / 7 -> 1142.
      {300, 2000, 192, 1280}, {1, 2000, 1, 1280}, {7, 2000, 4, 1142}, {400, 2000, 256, 1280}};
  for (const Case& k : cases) {
    auto t = workingSize(k.w, k.h);
    ASSERT_TRUE(t) << k.w << " x " << k.h;
    EXPECT_EQ(std::pair(t->width, t->height), std::pair(k.tw, k.th)) << k.w << " x " << k.h;
  }
  for (auto [w, h] : {std::pair{640.f, 480.f}, {1280.f, 1280.f}, {960.f, 1280.f}, {1000.f, 1200.f},
                      {1280.f, 1.f}, {1.f, 1280.f}, {1.f, 1.f}, {0.f, 2000.f}, {2000.f, 0.f},
                      {-3000.f, 2000.f}, {NAN, 2000.f}, {INFINITY, 2000.f}})
    EXPECT_FALSE(workingSize(w, h)) << w << " x " << h;
}

TEST(WorkingSize, EveryTargetFitsTheLimitAndIsNeverEmptyAndWholePixelsTruncate) {
  for (int w = 1; w <= 5000; w += 37)
    for (int h = 1; h <= 5000; h += 41) {
      const auto t = workingSize(float(w), float(h));
      const SizeF size = t ? *t : SizeF{float(w), float(h)};  // no target: the photo itself fits
      const auto whole = wholePixelSize(size);
      EXPECT_LE(std::max(size.width, size.height), 1280.0f) << w << " x " << h;
      EXPECT_GE(std::min(whole.width, whole.height), 1) << w << " x " << h;
    }
  for (auto [in, w, h] : {std::tuple{SizeF{1280.0f, 956.0494f}, 1280, 956},
                          {SizeF{0.999f, 1279.9999f}, 0, 1279}, {SizeF{-2.5f, NAN}, 0, 0}})
    EXPECT_EQ(std::pair(wholePixelSize(in).width, wholePixelSize(in).height), std::pair(w, h));
}
