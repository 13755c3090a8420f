#include "platform/PictureFit.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(PictureFit, ALargerPictureShrinksKeepingItsShapeAndASmallerOneStays)
{
    const PictureSize box{120, 120};
    const struct {
        PictureSize picture, expected;
    } cases[] = {
        {{400, 300}, {120, 90}},  {{300, 400}, {90, 120}}, {{100, 50}, {100, 50}},  {{120, 120}, {120, 120}},
        {{121, 120}, {120, 119}}, {{240, 240}, {120, 120}}, {{1000, 10}, {120, 1}}, {{10, 100000}, {1, 120}},
        {{180, 115}, {120, 77}},  {{1, 1}, {1, 1}},          {{120, 30}, {120, 30}}, {{121, 1}, {120, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.picture.width) + " x " + std::to_string(c.picture.height));
        EXPECT_EQ(FitInside(c.picture, box), c.expected);
    }
    EXPECT_EQ(FitInside({400, 300}, {200, 100}), (PictureSize{133, 100}));
}

}  // namespace
}  // namespace pelmora
