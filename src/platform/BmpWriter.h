#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pelmora {

// Pixel depths of the Windows BMP files this program writes.
//  - Rgb24: BITMAPINFOHEADER, BI_RGB, three bytes a pixel (blue, green, red); alpha is dropped,
//    so lay the picture over a background first (OverWhite). Every reader takes it.
//  - Rgb32: BITMAPINFOHEADER, BI_RGB, four bytes a pixel (blue, green, red, then the fourth byte
//    as given, which this header calls reserved): the 32-bit form current Windows takes for its
//    maker logo; lay the picture over a background first, so that byte is 255.
//  - Argb32: BITMAPV5HEADER, BI_BITFIELDS with red, green, blue and alpha masks, sRGB. BI_RGB's
//    fourth byte is "reserved" and readers disagree about it; the masks say it is alpha, so a
//    reader that knows alpha keeps the transparency and one that does not ignores the byte.
enum class BmpDepth { Rgb24, Rgb32, Argb32 };

// A BMP file of `width` x `height` pixels 0xAARRGGBB given top row first; the file stores them
// bottom-up, each row padded with zero bytes to a multiple of four. Nothing when the size is
// not positive, `pixels` does not hold width x height values, or the file would pass 4 GiB.
std::optional<std::string> WriteBmp(int width, int height, std::span<const std::uint32_t> pixels, BmpDepth depth);

// The pixels laid over white: a BMP without alpha shows see-through parts as white, the colour
// a logo is usually shown on, instead of whatever colour they happened to keep.
std::vector<std::uint32_t> OverWhite(std::span<const std::uint32_t> pixels);

}  // namespace pelmora
