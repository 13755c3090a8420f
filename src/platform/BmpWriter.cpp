#include "platform/BmpWriter.h"

#include <limits>

namespace pelmora {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;   // BITMAPINFOHEADER
constexpr std::uint32_t kV5HeaderSize = 124;    // BITMAPV5HEADER
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::uint32_t kPixelsPerMetre = 3780;  // 96 dots to the inch, the screen's
constexpr std::uint32_t kSrgb = 0x73524742;      // LCS_sRGB, 'sRGB'
constexpr std::uint32_t kIntentImages = 4;       // LCS_GM_IMAGES

class Bytes {
public:
    explicit Bytes(std::size_t reserve) { m_Text.reserve(reserve); }
    void U16(std::uint16_t v) { Little(v, 2); }
    void U32(std::uint32_t v) { Little(v, 4); }
    void Zeros(std::size_t count) { m_Text.append(count, '\0'); }
    void Byte(std::uint32_t v) { m_Text.push_back(static_cast<char>(v & 0xFF)); }
    std::string Take() { return std::move(m_Text); }

private:
    void Little(std::uint32_t v, int count)
    {
        for (int i = 0; i < count; ++i)
            Byte(v >> (8 * i));
    }
    std::string m_Text;
};

void WriteInfoHeader(Bytes& out, int width, int height, std::uint32_t headerSize, int bits, std::uint32_t compression,
                     std::uint32_t imageSize)
{
    out.U32(headerSize);
    out.U32(static_cast<std::uint32_t>(width));
    out.U32(static_cast<std::uint32_t>(height));  // positive: rows stored bottom-up
    out.U16(1);
    out.U16(static_cast<std::uint16_t>(bits));
    out.U32(compression);
    out.U32(imageSize);
    out.U32(kPixelsPerMetre);
    out.U32(kPixelsPerMetre);
    out.U32(0);  // colours used: no palette
    out.U32(0);  // all colours important
}

void WriteV5Rest(Bytes& out)
{
    out.U32(0x00FF0000);  // red mask
    out.U32(0x0000FF00);  // green
    out.U32(0x000000FF);  // blue
    out.U32(0xFF000000);  // alpha
    out.U32(kSrgb);
    out.Zeros(36 + 12);   // end points and gamma: unused with sRGB
    out.U32(kIntentImages);
    out.Zeros(12);        // no profile, reserved
}

}  // namespace

std::optional<std::string> WriteBmp(int width, int height, std::span<const std::uint32_t> pixels, BmpDepth depth)
{
    if (width <= 0 || height <= 0 || pixels.size() != static_cast<std::uint64_t>(width) * height)
        return std::nullopt;
    const bool v5 = depth == BmpDepth::Argb32;
    const bool fourth = depth != BmpDepth::Rgb24;
    const int bytesPerPixel = fourth ? 4 : 3;
    const std::uint64_t rowBytes = (static_cast<std::uint64_t>(width) * bytesPerPixel + 3) / 4 * 4;
    const std::uint64_t imageSize = rowBytes * static_cast<std::uint64_t>(height);
    const std::uint32_t headerSize = v5 ? kV5HeaderSize : kInfoHeaderSize;
    const std::uint64_t offset = kFileHeaderSize + headerSize;
    if (offset + imageSize > std::numeric_limits<std::uint32_t>::max())
        return std::nullopt;

    Bytes out(static_cast<std::size_t>(offset + imageSize));
    out.Byte('B');
    out.Byte('M');
    out.U32(static_cast<std::uint32_t>(offset + imageSize));
    out.U32(0);  // reserved
    out.U32(static_cast<std::uint32_t>(offset));
    WriteInfoHeader(out, width, height, headerSize, bytesPerPixel * 8, v5 ? kBiBitfields : kBiRgb,
                    static_cast<std::uint32_t>(imageSize));
    if (v5)
        WriteV5Rest(out);

    const std::size_t padding = static_cast<std::size_t>(rowBytes - static_cast<std::uint64_t>(width) * bytesPerPixel);
    for (int y = height - 1; y >= 0; --y) {
        const std::uint32_t* row = pixels.data() + static_cast<std::size_t>(y) * width;
        for (int x = 0; x < width; ++x) {
            out.Byte(row[x]);        // blue
            out.Byte(row[x] >> 8);   // green
            out.Byte(row[x] >> 16);  // red
            if (fourth)
                out.Byte(row[x] >> 24);
        }
        out.Zeros(padding);
    }
    return out.Take();
}

std::vector<std::uint32_t> OverWhite(std::span<const std::uint32_t> pixels)
{
    std::vector<std::uint32_t> flat;
    flat.reserve(pixels.size());
    for (const std::uint32_t pixel : pixels) {
        const std::uint32_t a = pixel >> 24;
        std::uint32_t result = 0xFF000000u;
        for (int shift = 0; shift < 24; shift += 8) {
            const std::uint32_t c = (pixel >> shift) & 0xFF;
            result |= ((c * a + 255 * (255 - a) + 127) / 255) << shift;
        }
        flat.push_back(result);
    }
    return flat;
}

}  // namespace pelmora
