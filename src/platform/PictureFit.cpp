#include "platform/PictureFit.h"

#include <algorithm>
#include <cstdint>

namespace pelmora {

namespace {

// round(value * numerator / denominator) in integers, at least 1.
int ScaledSide(int value, int numerator, int denominator)
{
    const std::int64_t scaled = (std::int64_t{value} * numerator * 2 + denominator) / (std::int64_t{denominator} * 2);
    return static_cast<int>(std::max<std::int64_t>(scaled, 1));
}

}  // namespace

PictureSize FitInside(PictureSize picture, PictureSize box)
{
    if (picture.width <= box.width && picture.height <= box.height)
        return picture;
    // The side that overshoots more decides the factor: width/box.width against height/box.height.
    if (std::int64_t{picture.width} * box.height >= std::int64_t{picture.height} * box.width)
        return {box.width, std::min(box.height, ScaledSide(picture.height, box.width, picture.width))};
    return {std::min(box.width, ScaledSide(picture.width, box.height, picture.height)), box.height};
}

}  // namespace pelmora
