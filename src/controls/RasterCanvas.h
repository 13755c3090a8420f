#pragma once

#include "controls/CanvasPort.h"
#include "controls/PixelRegion.h"
#include "controls/PixelView.h"
#include "controls/RasterLine.h"
#include "controls/TextRenderer.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace pelmora {

// The hover button's off-screen image without a toolkit: a 32-bit pixel buffer painted by the
// platform's GDI rules (RasterLine.h), text through a TextRenderer, and regions as PixelRegion
// values. Memory is reused from one redraw to the next.
//
// A surface reset only marks the rows as cleared: a row gets the background when it is first
// painted, around the painted span, so the face's rows are not written twice. Every way of
// reading the pixels sees the cleared rows.
class RasterCanvas final : public CanvasPort {
public:
    RasterCanvas(TextRenderer& text, SystemColourResolver resolveSystemColour);

    // A new size clears the image to black; the next surface reset paints it.
    void Resize(int width, int height);
    int Width() const { return m_Width; }
    int Height() const { return m_Height; }
    // The pixels, for a front end or a text renderer to read or paint.
    PixelView View();
    const std::uint32_t* Pixels() const;
    // The RGB colour of a pixel inside the image.
    Colour ColourAt(int x, int y) const;
    // The shape handed to the window last; null while it has none.
    const PixelRegion* WindowRegion() const;

    void ResetSurface(Colour background) override;
    int ScaleWidth() const override { return m_Width; }
    int ScaleHeight() const override { return m_Height; }
    // The primitives drawn many times per redraw are inline, for a painter that calls the
    // canvas directly rather than through the port.
    void SelectPen(int width, Colour colour) override
    {
        m_PenSelected = true;
        m_PenWidth = std::max(width, 1);
        m_PenPixel = Resolve(colour);
        if (m_PenWidth > 1) m_Cap.SetWidth(m_PenWidth);
    }
    void Line(int x1, int y1, int x2, int y2) override
    {
        if (!m_PenSelected) return;
        PenSink sink{*this, m_PenPixel};
        if (m_PenWidth == 1) PaintThinLine(sink, x1, y1, x2, y2);
        else PaintWideLine(sink, m_Cap, x1, y1, x2, y2);
    }
    void ReleasePen() override { m_PenSelected = false; }
    void SetPixel(int x, int y, Colour colour) override { PaintSpan(y, x, x + 1, Resolve(colour)); }
    void FillRect(const CanvasRect& rect, Colour colour) override
    {
        PaintRect(rect.left, rect.top, rect.right, rect.bottom, Resolve(colour));
    }
    void FrameRect(const CanvasRect& rect, Colour colour) override;
    void SetTextColour(Colour colour) override;
    int DrawText(std::string_view text, CanvasRect& rect, unsigned flags,
                 const ButtonFont& font) override;
    RegionHandle CreateRectRegion(const CanvasRect& rect) override;
    void SubtractRegion(RegionHandle target, RegionHandle removed) override;
    void DeleteRegion(RegionHandle region) override;
    void SetWindowRegion(RegionHandle region) override;

private:
    struct RegionSlot {
        bool used = false;
        PixelRegion region;
    };
    struct PenSink {
        RasterCanvas& canvas;
        std::uint32_t pixel;
        void Span(int y, int left, int right) { canvas.PaintSpan(y, left, right, pixel); }
        void Rect(int left, int top, int right, int bottom) { canvas.PaintRect(left, top, right, bottom, pixel); }
    };

    std::uint32_t Resolve(Colour colour) const
    {
        return IsSystemColour(colour) ? ResolveSystemColour(colour) : PixelOf(colour);
    }
    std::uint32_t ResolveSystemColour(Colour colour) const;
    std::uint32_t* Row(int y) { return m_Pixels.data() + static_cast<std::ptrdiff_t>(y) * m_Width; }

    // Paints the columns left ... right - 1 of row y that lie in the image; a row still waiting
    // for the background gets it around the span first.
    void PaintSpan(int y, int left, int right, std::uint32_t pixel)
    {
        if (y < 0 || y >= m_Height) return;
        left = std::max(left, 0);
        right = std::min(right, m_Width);
        if (left >= right) return;
        std::uint32_t* row = Row(y);
        if (m_RowPending[static_cast<std::size_t>(y)] != 0) {
            std::fill(row, row + left, m_Background);
            std::fill(row + right, row + m_Width, m_Background);
            m_RowPending[static_cast<std::size_t>(y)] = 0;
        }
        // Most spans are a pixel or two (edges, corners): plain stores beat a vectorised fill.
        if (right - left <= 2) {
            row[left] = pixel;
            row[right - 1] = pixel;
        } else {
            std::fill(row + left, row + right, pixel);
        }
    }
    void PaintRect(int left, int top, int right, int bottom, std::uint32_t pixel)
    {
        left = std::max(left, 0);
        right = std::min(right, m_Width);
        if (left >= right) return;
        for (int y = std::max(top, 0); y < std::min(bottom, m_Height); ++y) PaintSpan(y, left, right, pixel);
    }
    // Gives every waiting row its background.
    void ClearPendingRows() const;
    RegionSlot* Slot(RegionHandle region);

    TextRenderer& m_Text;
    SystemColourResolver m_ResolveSystemColour;
    // Mutable: reading the pixels first clears the rows still waiting for the background.
    mutable std::vector<std::uint32_t> m_Pixels;
    mutable std::vector<std::uint8_t> m_RowPending;
    mutable bool m_AnyPending = false;
    std::uint32_t m_Background = PixelOf(0);
    int m_Width = 0;
    int m_Height = 0;
    bool m_PenSelected = false;
    int m_PenWidth = 1;
    std::uint32_t m_PenPixel = 0;
    PenCap m_Cap;
    std::uint32_t m_TextPixel = PixelOf(0);
    std::vector<RegionSlot> m_Regions;  // handle = index + 1
    RegionHandle m_WindowRegion = 0;
};

}  // namespace pelmora
