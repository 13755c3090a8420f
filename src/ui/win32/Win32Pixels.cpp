#include "Win32Pixels.h"

#include <algorithm>
#include <cstring>

namespace pelmora::win32 {

namespace {

std::uint32_t FromColorRef(COLORREF colour)
{
    return 0xFF000000u | static_cast<std::uint32_t>(GetRValue(colour)) << 16 |
           static_cast<std::uint32_t>(GetGValue(colour)) << 8 | GetBValue(colour);
}

std::uint32_t Blend(std::uint32_t under, std::uint32_t over)
{
    const std::uint32_t a = over >> 24;
    if (a == 255)
        return over;
    if (a == 0)
        return under;
    std::uint32_t result = 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        const std::uint32_t top = (over >> shift) & 0xFF;
        const std::uint32_t bottom = (under >> shift) & 0xFF;
        result |= ((top * a + bottom * (255 - a) + 127) / 255) << shift;
    }
    return result;
}

BITMAPINFO TopDownInfo(int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

}  // namespace

PixelBlock SolidBlock(int width, int height, COLORREF colour)
{
    return {width, height,
            std::vector<std::uint32_t>(static_cast<std::size_t>(std::max(width, 0)) * std::max(height, 0),
                                       FromColorRef(colour))};
}

void BlendOver(PixelBlock& base, const PixelBlock& picture, int x, int y)
{
    const int left = std::max(0, x);
    const int top = std::max(0, y);
    const int right = std::min(base.width, x + picture.width);
    const int bottom = std::min(base.height, y + picture.height);
    for (int row = top; row < bottom; ++row)
        for (int column = left; column < right; ++column) {
            std::uint32_t& under = base.pixels[static_cast<std::size_t>(row) * base.width + column];
            under = Blend(under, picture.pixels[static_cast<std::size_t>(row - y) * picture.width + (column - x)]);
        }
}

void TileOver(PixelBlock& base, const PixelBlock& picture)
{
    if (picture.Empty())
        return;
    for (int y = 0; y < base.height; y += picture.height)
        for (int x = 0; x < base.width; x += picture.width)
            BlendOver(base, picture, x, y);
}

PixelBlock Cut(const PixelBlock& source, int x, int y, int width, int height, COLORREF fill)
{
    PixelBlock part = SolidBlock(width, height, fill);
    // Opaque source pixels replace the fill one for one.
    BlendOver(part, source, -x, -y);
    return part;
}

PixelBlock ScaledBlock(const PixelBlock& source, int width, int height)
{
    if (source.Empty() || (width == source.width && height == source.height))
        return source;
    PixelBlock result{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
    auto sample = [&](int x, int y) { return source.pixels[static_cast<std::size_t>(y) * source.width + x]; };
    for (int y = 0; y < height; ++y) {
        const double sy = std::clamp((y + 0.5) * source.height / height - 0.5, 0.0, source.height - 1.0);
        const int y0 = static_cast<int>(sy);
        const int y1 = std::min(y0 + 1, source.height - 1);
        const double fy = sy - y0;
        for (int x = 0; x < width; ++x) {
            const double sx = std::clamp((x + 0.5) * source.width / width - 0.5, 0.0, source.width - 1.0);
            const int x0 = static_cast<int>(sx);
            const int x1 = std::min(x0 + 1, source.width - 1);
            const double fx = sx - x0;
            std::uint32_t pixel = 0;
            for (int shift = 0; shift < 32; shift += 8) {
                auto channel = [&](int cx, int cy) { return static_cast<double>((sample(cx, cy) >> shift) & 0xFF); };
                const double top = channel(x0, y0) * (1 - fx) + channel(x1, y0) * fx;
                const double bottom = channel(x0, y1) * (1 - fx) + channel(x1, y1) * fx;
                pixel |= static_cast<std::uint32_t>(top * (1 - fy) + bottom * fy + 0.5) << shift;
            }
            result.pixels[static_cast<std::size_t>(y) * width + x] = pixel;
        }
    }
    return result;
}

void DrawBlock(HDC dc, const PixelBlock& block, int x, int y)
{
    if (block.Empty())
        return;
    BITMAPINFO info = TopDownInfo(block.width, block.height);
    SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(block.width), static_cast<DWORD>(block.height), 0, 0, 0,
                      static_cast<UINT>(block.height), block.pixels.data(), &info, DIB_RGB_COLORS);
}

HBITMAP BitmapOf(const PixelBlock& block)
{
    if (block.Empty())
        return nullptr;
    BITMAPINFO info = TopDownInfo(block.width, block.height);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap != nullptr)
        std::memcpy(bits, block.pixels.data(), block.pixels.size() * sizeof(std::uint32_t));
    return bitmap;
}

}  // namespace pelmora::win32
