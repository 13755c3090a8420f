#include "platform/AreaScale.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace pelmora {
namespace {

TEST(AreaScale, EachTargetPixelAveragesTheAreaItCovers)
{
    struct Case {
        const char* name;
        PictureSize from, to;
        std::vector<std::uint32_t> pixels, expected;
    };
    const Case cases[] = {
        {"halves: 2 x 2 blocks",
         {4, 2},
         {2, 1},
         {0xFF000000, 0xFF00FF00, 0xFFFFFFFF, 0xFFFFFFFF, 0xFF0000FF, 0xFF000000, 0xFF102030, 0xFF304050},
         {0xFF004040, 0xFF9098A0}},
        // Two targets share the middle source pixel half and half: (a + b / 2) / 1.5.
        {"three to two", {3, 1}, {2, 1}, {0xFF0000FF, 0xFF000000, 0xFFFF0000}, {0xFF0000AA, 0xFFAA0000}},
        {"alpha averages like a colour", {2, 1}, {1, 1}, {0x00000000, 0xFFFFFFFF}, {0x80808080}},
        {"the same size copies", {2, 1}, {2, 1}, {0xFF123456, 0x80ABCDEF}, {0xFF123456, 0x80ABCDEF}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ScaleDownByArea(c.pixels, c.from, c.to), c.expected);
    }
}

TEST(AreaScale, AnEvenColourStaysEvenAtAnyRatio)
{
    for (const PictureSize from : {PictureSize{400, 300}, PictureSize{121, 120}, PictureSize{1000, 7}}) {
        const PictureSize to = FitInside(from, {120, 120});
        const std::vector<std::uint32_t> pixels(static_cast<std::size_t>(from.width) * from.height, 0xFF3C7AB1);
        const std::vector<std::uint32_t> scaled = ScaleDownByArea(pixels, from, to);
        EXPECT_EQ(scaled, std::vector<std::uint32_t>(static_cast<std::size_t>(to.width) * to.height, 0xFF3C7AB1))
            << from.width << " x " << from.height;
    }
}

TEST(AreaScale, RefusesWhatItCannotScale)
{
    const std::vector<std::uint32_t> four(4, 0xFFFFFFFF);
    EXPECT_TRUE(ScaleDownByArea(four, {2, 2}, {3, 1}).empty()) << "never up";
    EXPECT_TRUE(ScaleDownByArea(four, {2, 2}, {0, 1}).empty());
    EXPECT_TRUE(ScaleDownByArea(four, {3, 2}, {1, 1}).empty()) << "fewer pixels than the size";
}

}  // namespace
}  // namespace pelmora
