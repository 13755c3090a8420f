#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace pelmora::designs {

// A picture the program draws itself: 32-bit pixels 0xAARRGGBB, rows top to bottom.
struct PixelPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    bool Empty() const { return pixels.empty(); }
};

// The pictures named by the window designs ("about-texture", "about-emblem", "about-flourish",
// "sinf-banner"); empty for an unknown name. Drawn in code so no artwork file is needed.
PixelPicture DrawDesignPicture(std::string_view name);

}  // namespace pelmora::designs
