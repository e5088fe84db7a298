#include <gtest/gtest.h>

#include "sketch/PixelBuffer.h"
#include "sketch/Styles.h"

using sketch::makePixel;
using sketch::PixelBuffer;

TEST(PixelBuffer, AllocatesClearedRowsWithoutPaddingAlphaFirst) {
  auto b = PixelBuffer::allocate(3, 2);
  ASSERT_TRUE(b);
  EXPECT_EQ(b->pixels, std::vector<std::uint32_t>(6, 0u));
  b->at(2, 1) = makePixel(1, 2, 3, 4);
  const std::uint8_t* bytes = b->bytes() + (1 * 3 + 2) * 4;
  EXPECT_EQ(std::vector<std::uint8_t>(bytes, bytes + 4), (std::vector<std::uint8_t>{1, 2, 3, 4}));
  // Opaque red is the bytes FF FF 00 00, grey 76.
  EXPECT_EQ(makePixel(255, 255, 0, 0), 0x0000FFFFu);
  EXPECT_EQ(sketch::greyOf(makePixel(255, 255, 0, 0)), 76);
}

TEST(PixelBuffer, ImpossibleSizesSayMemoryNotAllocated) {
  for (auto [w, h] : {std::pair{0, 5}, {5, -1}, {100000, 100000}, {2147483647, 2}}) {
    SCOPED_TRACE(testing::Message() << w << " x " << h);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(PixelBuffer::allocate(w, h));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Memory not allocated!");
  }
}
