#include <gtest/gtest.h>

#include "sketch/PixelBuffer.h"

using sketch::PixelBuffer;

TEST(PixelBuffer, AllocatesClearedRowsWithoutPadding) {
  auto b = PixelBuffer::allocate(3, 2);
  ASSERT_TRUE(b);
  EXPECT_EQ(b->pixels.size(), 6u);
  for (std::uint32_t word : b->pixels) EXPECT_EQ(word, 0u);
  b->at(2, 1) = sketch::makePixel(1, 2, 3, 4);
  const std::uint8_t* bytes = b->bytes();
  EXPECT_EQ(bytes[20], 1);  // (1 * 3 + 2) * 4: alpha first
  EXPECT_EQ(bytes[21], 2);
  EXPECT_EQ(bytes[22], 3);
  EXPECT_EQ(bytes[23], 4);
}

TEST(PixelBuffer, ImpossibleSizesSayMemoryNotAllocated) {
  for (auto [w, h] : {std::pair{0, 5}, {5, -1}, {100000, 100000}, {2147483647, 2}}) {
    testing::internal::CaptureStderr();
    auto b = PixelBuffer::allocate(w, h);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(b) << w << " x " << h;
    EXPECT_EQ(err, "Memory not allocated!") << w << " x " << h;
  }
}
