#include "platform/BmpWriter.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace pelmora {
namespace {

std::uint32_t U32At(const std::string& bytes, std::size_t offset)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<std::uint8_t>(bytes.at(offset + i));
    return value;
}

std::uint32_t U16At(const std::string& bytes, std::size_t offset)
{
    return static_cast<std::uint8_t>(bytes.at(offset)) | static_cast<std::uint8_t>(bytes.at(offset + 1)) << 8;
}

struct Field {
    const char* name;
    std::size_t offset;
    int width;  // 2 or 4 bytes
    std::uint32_t expected;
};

void ExpectFields(const std::string& bytes, const std::vector<Field>& fields)
{
    for (const Field& field : fields) {
        const std::uint32_t value = field.width == 2 ? U16At(bytes, field.offset) : U32At(bytes, field.offset);
        EXPECT_EQ(value, field.expected) << field.name;
    }
}

// Three pixels wide, two high: rows of 9 bytes padded to 12.
const std::vector<std::uint32_t> kThreeByTwo = {
    0xFF112233, 0xFF445566, 0xFF778899,  // top row
    0xFFAABBCC, 0x80DDEEFF, 0x00010203,  // bottom row
};

TEST(BmpWriter, TwentyFourBitHeaderFields)
{
    const auto bmp = WriteBmp(3, 2, kThreeByTwo, BmpDepth::Rgb24);
    ASSERT_TRUE(bmp);
    EXPECT_EQ(bmp->substr(0, 2), "BM");
    ExpectFields(*bmp, {
                           {"file size", 2, 4, 14 + 40 + 24},
                           {"reserved", 6, 4, 0},
                           {"pixel offset", 10, 4, 54},
                           {"header size", 14, 4, 40},
                           {"width", 18, 4, 3},
                           {"height (bottom-up)", 22, 4, 2},
                           {"planes", 26, 2, 1},
                           {"bits", 28, 2, 24},
                           {"compression BI_RGB", 30, 4, 0},
                           {"image size", 34, 4, 24},
                           {"x pixels a metre", 38, 4, 3780},
                           {"y pixels a metre", 42, 4, 3780},
                           {"colours used", 46, 4, 0},
                           {"colours important", 50, 4, 0},
                       });
    EXPECT_EQ(bmp->size(), 78u);
}

TEST(BmpWriter, TwentyFourBitRowsAreBottomUpPaddedAndWithoutAlpha)
{
    const auto bmp = WriteBmp(3, 2, kThreeByTwo, BmpDepth::Rgb24);
    ASSERT_TRUE(bmp);
    const std::string expected = std::string("\xCC\xBB\xAA\xFF\xEE\xDD\x03\x02\x01\0\0\0", 12) +  // bottom row
                                 std::string("\x33\x22\x11\x66\x55\x44\x99\x88\x77\0\0\0", 12);   // top row
    EXPECT_EQ(bmp->substr(54), expected);
}

TEST(BmpWriter, ThirtyTwoBitPlainHeaderKeepsTheFourthByte)
{
    // Two pixels wide, two high: the top row red and green, the bottom row blue and half-see-through white.
    const std::vector<std::uint32_t> pixels{0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0x80FFFFFFu};
    const std::string expected(
        // file header: 70 bytes, the pixels at 54
        "BM" "\x46\0\0\0" "\0\0\0\0" "\x36\0\0\0"
        // 40-byte header: 2 x 2, 1 plane, 32 bits, BI_RGB, 16 bytes of pixels, 96 dpi, no palette
        "\x28\0\0\0" "\x02\0\0\0" "\x02\0\0\0" "\x01\0" "\x20\0" "\0\0\0\0"
        "\x10\0\0\0" "\xc4\x0e\0\0" "\xc4\x0e\0\0" "\0\0\0\0" "\0\0\0\0"
        "\xff\0\0\xff" "\xff\xff\xff\x80"  // bottom row first
        "\0\0\xff\xff" "\0\xff\0\xff",
        70);
    EXPECT_EQ(WriteBmp(2, 2, pixels, BmpDepth::Rgb32), expected);
}

TEST(BmpWriter, ThirtyTwoBitHeaderCarriesAlphaMask)
{
    const auto bmp = WriteBmp(3, 2, kThreeByTwo, BmpDepth::Argb32);
    ASSERT_TRUE(bmp);
    ExpectFields(*bmp, {
                           {"file size", 2, 4, 14 + 124 + 24},
                           {"pixel offset", 10, 4, 138},
                           {"header size (V5)", 14, 4, 124},
                           {"width", 18, 4, 3},
                           {"height (bottom-up)", 22, 4, 2},
                           {"bits", 28, 2, 32},
                           {"compression BI_BITFIELDS", 30, 4, 3},
                           {"image size", 34, 4, 24},
                           {"red mask", 54, 4, 0x00FF0000},
                           {"green mask", 58, 4, 0x0000FF00},
                           {"blue mask", 62, 4, 0x000000FF},
                           {"alpha mask", 66, 4, 0xFF000000},
                           {"colour space sRGB", 70, 4, 0x73524742},
                           {"intent", 122, 4, 4},
                           {"profile data", 126, 4, 0},
                           {"profile size", 130, 4, 0},
                       });
    // Four bytes a pixel need no padding; alpha is kept as given.
    const std::string expected = std::string("\xCC\xBB\xAA\xFF\xFF\xEE\xDD\x80\x03\x02\x01\x00", 12) +
                                 std::string("\x33\x22\x11\xFF\x66\x55\x44\xFF\x99\x88\x77\xFF", 12);
    EXPECT_EQ(bmp->substr(138), expected);
}

TEST(BmpWriter, RowPaddingByWidth)
{
    struct Case {
        int width;
        std::uint32_t rowBytes;
    };
    for (const BmpDepth depth : {BmpDepth::Rgb24, BmpDepth::Rgb32}) {
        // Four bytes a pixel never need padding.
        const bool four = depth == BmpDepth::Rgb32;
        for (const Case c : {Case{1, 4}, Case{2, 8}, Case{4, 12}, Case{5, 16}, Case{180, 540}}) {
            const std::uint32_t rowBytes = four ? static_cast<std::uint32_t>(c.width) * 4 : c.rowBytes;
            const std::vector<std::uint32_t> pixels(static_cast<std::size_t>(c.width) * 3, 0xFFFFFFFF);
            const auto bmp = WriteBmp(c.width, 3, pixels, depth);
            ASSERT_TRUE(bmp) << c.width;
            EXPECT_EQ(U32At(*bmp, 34), rowBytes * 3) << c.width;
            EXPECT_EQ(bmp->size(), 54 + rowBytes * 3) << c.width;
        }
    }
}

TEST(BmpWriter, RefusesSizesItCannotWrite)
{
    const std::vector<std::uint32_t> four(4, 0);
    EXPECT_FALSE(WriteBmp(0, 4, {}, BmpDepth::Rgb24));
    EXPECT_FALSE(WriteBmp(2, -2, four, BmpDepth::Rgb24));
    EXPECT_FALSE(WriteBmp(2, 3, four, BmpDepth::Rgb24)) << "fewer pixels than the size";
    EXPECT_FALSE(WriteBmp(3, 2, four, BmpDepth::Rgb32)) << "fewer pixels than the size";
    EXPECT_FALSE(WriteBmp(40000, 40000, std::span<const std::uint32_t>(four.data(), 1600000000u), BmpDepth::Argb32))
        << "past 4 GiB";
}

TEST(BmpWriter, OverWhiteBlendsByAlpha)
{
    const std::vector<std::uint32_t> pixels = {0xFF102030, 0x00102030, 0x80000000, 0x7FFF0000};
    EXPECT_EQ(OverWhite(pixels), (std::vector<std::uint32_t>{0xFF102030, 0xFFFFFFFF, 0xFF7F7F7F, 0xFFFF8080}));
}

}  // namespace
}  // namespace pelmora
