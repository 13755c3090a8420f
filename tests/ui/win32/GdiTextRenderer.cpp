#include "GdiTextRenderer.h"

#include "controls/GdiCanvas_win32.h"

namespace pelmora::win32::testing {

TextExtent GdiTextRenderer::Measure(std::string_view text, int width, unsigned flags, const ButtonFont& font)
{
    GdiCanvas canvas(1, 1);
    canvas.SetDpi(m_Dpi);
    CanvasRect rect{0, 0, width, 0};
    const int height = canvas.DrawText(text, rect, flags | TextFlag::kCalcRect, font);
    return {rect.right - rect.left, height};
}

// The target's pixels go onto a GDI bitmap, the text is drawn over them there, clipped, and the
// clipped pixels come back.
void GdiTextRenderer::Draw(const PixelView& target, std::string_view text, const CanvasRect& rect,
                           const CanvasRect& clip, unsigned flags, std::uint32_t pixel, const ButtonFont& font)
{
    GdiCanvas canvas(target.width, target.height);
    canvas.SetDpi(m_Dpi);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = target.stride;
    info.bmiHeader.biHeight = -target.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(canvas.Dc(), 0, 0, static_cast<DWORD>(target.width), static_cast<DWORD>(target.height), 0, 0, 0,
                      static_cast<UINT>(target.height), target.pixels, &info, DIB_RGB_COLORS);
    IntersectClipRect(canvas.Dc(), clip.left, clip.top, clip.right, clip.bottom);
    canvas.SetTextColour(ColourOfPixel(pixel));
    CanvasRect place = rect;
    canvas.DrawText(text, place, flags, font);
    for (int y = clip.top; y < clip.bottom; ++y)
        for (int x = clip.left; x < clip.right; ++x)
            target.Row(y)[x] = PixelOf(canvas.ColourAt(x, y));
}

}  // namespace pelmora::win32::testing
