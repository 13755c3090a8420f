#include "platform/Bmp32.h"

#include <gtest/gtest.h>

#include <vector>

namespace pelmora {
namespace {

TEST(Bmp32, HeadersAndBottomUpRowsOfBlueGreenRedAlpha)
{
    // Two pixels wide, two high: the top row red and green, the bottom row blue and half-see-through white.
    const std::vector<std::uint32_t> pixels{0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0x80FFFFFFu};
    const std::string expected(
        // file header: 70 bytes, the pixels at 54
        "BM" "\x46\0\0\0" "\0\0\0\0" "\x36\0\0\0"
        // 40-byte header: 2 x 2, 1 plane, 32 bits, BI_RGB, 16 bytes of pixels, 96 dpi, no palette
        "\x28\0\0\0" "\x02\0\0\0" "\x02\0\0\0" "\x01\0" "\x20\0" "\0\0\0\0"
        "\x10\0\0\0" "\xc4\x0e\0\0" "\xc4\x0e\0\0" "\0\0\0\0" "\0\0\0\0"
        "\xff\0\0\xff" "\xff\xff\xff\x80"                                     // bottom row first
        "\0\0\xff\xff" "\0\xff\0\xff",
        70);
    EXPECT_EQ(EncodeBmp32(2, 2, pixels), expected);
}

TEST(Bmp32, SizesThatDoNotFitThePixelsGiveNothing)
{
    const std::vector<std::uint32_t> four(4, 0);
    EXPECT_EQ(EncodeBmp32(0, 4, four), "");
    EXPECT_EQ(EncodeBmp32(2, -2, four), "");
    EXPECT_EQ(EncodeBmp32(3, 2, four), "");
    EXPECT_EQ(EncodeBmp32(1, 4, four).size(), 54u + 16u);
}

}  // namespace
}  // namespace pelmora
