#include "charset/glyph_ops.h"

#include <gtest/gtest.h>

namespace pixlore {
namespace {

TEST(BitReverse, ReversesTheEightBits) {
    EXPECT_EQ(BitReverse()[1], 128u);
    EXPECT_EQ(BitReverse()[0x0F], 0xF0u);
    EXPECT_EQ(BitReverse()[0xA0], 5u);
    EXPECT_EQ(BitReverse()[0x81], 0x81u);
}

}  // namespace
}  // namespace pixlore
