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
