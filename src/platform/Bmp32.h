#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace pelmora {

// A 32-bit Windows BMP: file header, BITMAPINFOHEADER (40 bytes, BI_RGB, 32 bits per pixel),
// rows bottom-up, each pixel the bytes blue, green, red, alpha. `pixels` are width x height
// values 0xAARRGGBB, the top row first. Empty when the sizes do not fit the format.
std::string EncodeBmp32(int width, int height, std::span<const std::uint32_t> pixels);

}  // namespace pelmora
