#pragma once

#include "controls/CanvasPort.h"

#include <windows.h>
// The port's DrawText, not the header's DrawTextA/W switch.
#undef DrawText

#include <cstdint>
#include <optional>

namespace pelmora {

// The canvas port on the platform's own GDI: every primitive is the real call (CreatePen,
// MoveToEx, LineTo, SetPixel, FillRect, FrameRect, DrawTextA, CreateRectRgn, CombineRgn, ...)
// on a memory DC holding a 32-bit top-down DIB section, the button's persistent image. With a
// window attached, the region becomes the window's (SetWindowRgn) unless the window has that
// shape already; without one the canvas keeps it, so its pixels can be read with PtInRegion.
class GdiCanvas final : public CanvasPort {
public:
    // System colours are resolved by GetSysColor unless a resolver is given.
    GdiCanvas(int width, int height, SystemColourResolver resolveSystemColour = {});
    ~GdiCanvas() override;
    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;

    bool IsValid() const { return m_Bits != nullptr; }
    HDC Dc() const { return m_Dc; }
    int Width() const { return m_Width; }
    int Height() const { return m_Height; }
    // A new size gives a new bitmap, black until the next surface reset.
    void Resize(int width, int height);
    // The caption's points become pixels at `dotsPerInch`; 0 (the default) takes the screen's.
    void SetDpi(int dotsPerInch);
    int Dpi() const { return m_Dpi; }
    void AttachWindow(HWND window);
    // The RGB colour of a pixel of the bitmap.
    Colour ColourAt(int x, int y) const;
    // Whether the region handed over last holds the pixel; nullopt while there is none (or it
    // went to a window).
    std::optional<bool> WindowRegionContains(int x, int y) const;

    void ResetSurface(Colour background) override;
    int ScaleWidth() const override { return m_Width; }
    int ScaleHeight() const override { return m_Height; }
    void SelectPen(int width, Colour colour) override;
    void Line(int x1, int y1, int x2, int y2) override;
    void ReleasePen() override;
    void SetPixel(int x, int y, Colour colour) override;
    void FillRect(const CanvasRect& rect, Colour colour) override;
    void FrameRect(const CanvasRect& rect, Colour colour) override;
    void SetTextColour(Colour colour) override;
    int DrawText(std::string_view text, CanvasRect& rect, unsigned flags,
                 const ButtonFont& font) override;
    RegionHandle CreateRectRegion(const CanvasRect& rect) override;
    void SubtractRegion(RegionHandle target, RegionHandle removed) override;
    void DeleteRegion(RegionHandle region) override;
    void SetWindowRegion(RegionHandle region) override;

private:
    COLORREF Resolve(Colour colour) const;
    HFONT FontFor(const ButtonFont& font);
    void MakeBitmap();
    void DropBitmap();
    void KeepWindowShape(HRGN region);

    int m_Width = 0;
    int m_Height = 0;
    SystemColourResolver m_ResolveSystemColour;
    HDC m_Dc = nullptr;
    HBITMAP m_Bitmap = nullptr;
    HGDIOBJ m_OriginalBitmap = nullptr;
    const std::uint32_t* m_Bits = nullptr;
    HPEN m_Pen = nullptr;
    HGDIOBJ m_PreviousPen = nullptr;
    HFONT m_Font = nullptr;  // shared, not the canvas's own
    ButtonFont m_FontKey;
    int m_Dpi = 0;
    HWND m_Window = nullptr;
    HRGN m_KeptRegion = nullptr;  // the last region handed over while no window is attached
    HRGN m_WindowShape = nullptr;  // a copy of the region the window has now
};

}  // namespace pelmora
