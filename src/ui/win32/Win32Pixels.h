#pragma once

#include "platform/WindowsApi.h"

#include <cstdint>
#include <vector>

namespace pelmora::win32 {

// Pixels 0xAARRGGBB, rows top to bottom: a design's picture, a loaded picture, a window's
// backdrop.
struct PixelBlock {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    bool Empty() const { return pixels.empty(); }
};

// A block of one colour.
PixelBlock SolidBlock(int width, int height, COLORREF colour);

// Lays `picture` over `base` with its top-left corner at (x, y), by its alpha; clipped.
void BlendOver(PixelBlock& base, const PixelBlock& picture, int x, int y);

// `picture` repeated over the whole of `base` from its top-left corner.
void TileOver(PixelBlock& base, const PixelBlock& picture);

// The part of `source` at (x, y) of the given size; outside it, `fill`.
PixelBlock Cut(const PixelBlock& source, int x, int y, int width, int height, COLORREF fill);

// The block resized to `width` x `height`, each pixel mixed from the four nearest (bilinear).
PixelBlock ScaledBlock(const PixelBlock& source, int width, int height);

// Draws the block at (x, y) of the device context, unscaled.
void DrawBlock(HDC dc, const PixelBlock& block, int x, int y);

// A bitmap holding the block (for a pattern brush); the caller deletes it.
HBITMAP BitmapOf(const PixelBlock& block);

}  // namespace pelmora::win32
