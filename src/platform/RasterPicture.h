#pragma once

#include "platform/PicturePort.h"

#include <cstdint>
#include <vector>

namespace pelmora {

// A picture held as 32-bit pixels 0xAARRGGBB (alpha not premultiplied), rows top to bottom.
class RasterPicture final : public Picture {
public:
    RasterPicture(int width, int height, std::vector<std::uint32_t> pixels)
        : m_Width(width), m_Height(height), m_Pixels(std::move(pixels))
    {
    }

    int Width() const override { return m_Width; }
    int Height() const override { return m_Height; }
    const std::vector<std::uint32_t>& Pixels() const { return m_Pixels; }

private:
    int m_Width;
    int m_Height;
    std::vector<std::uint32_t> m_Pixels;
};

}  // namespace pelmora
