#pragma once

#include "platform/PictureFit.h"

#include <cstdint>
#include <span>
#include <vector>

namespace pelmora {

// `pixels` (0xAARRGGBB, `from`.width x `from`.height, top row first) scaled down to `to` by
// averaging each target pixel's share of the source area, every channel on its own: a box
// filter, smooth at any ratio. Meant for opaque pixels (lay see-through ones over a background
// first), as channels are not weighted by alpha. Empty when a size is not positive, `to` is
// larger than `from` on either side, or `pixels` does not hold from.width x from.height values.
std::vector<std::uint32_t> ScaleDownByArea(std::span<const std::uint32_t> pixels, PictureSize from, PictureSize to);

}  // namespace pelmora
