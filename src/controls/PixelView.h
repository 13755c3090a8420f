#pragma once

#include "controls/CanvasPort.h"
#include "controls/Colour.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace pelmora {

// 32-bit pixels, 0xFFRRGGBB (the layout of a top-down 32-bit bitmap and of an RGB32 image),
// rows `stride` pixels apart.
struct PixelView {
    std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;

    std::uint32_t* Row(int y) const { return pixels + static_cast<std::ptrdiff_t>(y) * stride; }
};

// An RGB colour (no system-colour bit) as a pixel, and back. The colour's bytes are the pixel's
// in reverse order; written as a byte swap, which compilers turn into one instruction, as a
// redraw resolves a colour for nearly every stroke.
constexpr std::uint32_t PixelOf(Colour rgb)
{
    const std::uint32_t swapped = (rgb << 24) | ((rgb & 0xFF00u) << 8) | ((rgb >> 8) & 0xFF00u) | (rgb >> 24);
    return 0xFF000000u | (swapped >> 8);
}
constexpr Colour ColourOfPixel(std::uint32_t pixel)
{
    return Rgb(static_cast<int>((pixel >> 16) & 0xFF), static_cast<int>((pixel >> 8) & 0xFF),
               static_cast<int>(pixel & 0xFF));
}

// `rect` cut to the view's pixels.
inline CanvasRect ClipToView(const PixelView& view, const CanvasRect& rect)
{
    return {std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, view.width),
            std::min(rect.bottom, view.height)};
}

// Paints the pixels of `rect` that lie in the view.
inline void FillPixels(const PixelView& view, const CanvasRect& rect, std::uint32_t pixel)
{
    const CanvasRect r = ClipToView(view, rect);
    if (r.right <= r.left) return;
    for (int y = r.top; y < r.bottom; ++y) std::fill(view.Row(y) + r.left, view.Row(y) + r.right, pixel);
}

}  // namespace pelmora
