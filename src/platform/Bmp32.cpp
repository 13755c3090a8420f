#include "platform/Bmp32.h"

#include <limits>

namespace pelmora {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPixelsPerMetre = 3780;  // 96 dots per inch

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xffu));
}

}  // namespace

std::string EncodeBmp32(int width, int height, std::span<const std::uint32_t> pixels)
{
    if (width <= 0 || height <= 0)
        return {};
    const std::uint64_t count = std::uint64_t{static_cast<unsigned>(width)} * static_cast<unsigned>(height);
    const std::uint64_t imageSize = count * 4;
    if (pixels.size() != count || imageSize + kFileHeaderSize + kInfoHeaderSize > std::numeric_limits<std::uint32_t>::max())
        return {};

    std::string out;
    out.reserve(kFileHeaderSize + kInfoHeaderSize + imageSize);
    out += "BM";
    PutLittleEndian(out, static_cast<std::uint32_t>(kFileHeaderSize + kInfoHeaderSize + imageSize), 4);
    PutLittleEndian(out, 0, 4);  // reserved
    PutLittleEndian(out, kFileHeaderSize + kInfoHeaderSize, 4);

    PutLittleEndian(out, kInfoHeaderSize, 4);
    PutLittleEndian(out, static_cast<std::uint32_t>(width), 4);
    PutLittleEndian(out, static_cast<std::uint32_t>(height), 4);  // positive: bottom-up
    PutLittleEndian(out, 1, 2);                                   // planes
    PutLittleEndian(out, 32, 2);                                  // bits per pixel
    PutLittleEndian(out, 0, 4);                                   // BI_RGB
    PutLittleEndian(out, static_cast<std::uint32_t>(imageSize), 4);
    PutLittleEndian(out, kPixelsPerMetre, 4);
    PutLittleEndian(out, kPixelsPerMetre, 4);
    PutLittleEndian(out, 0, 4);  // colours used
    PutLittleEndian(out, 0, 4);  // important colours

    // 32-bit rows need no padding: each is a multiple of four bytes already.
    for (int row = height - 1; row >= 0; --row) {
        const auto line = pixels.subspan(static_cast<std::size_t>(row) * static_cast<std::size_t>(width),
                                         static_cast<std::size_t>(width));
        for (const std::uint32_t argb : line)
            PutLittleEndian(out, argb, 4);  // 0xAARRGGBB little-endian: blue, green, red, alpha
    }
    return out;
}

}  // namespace pelmora
