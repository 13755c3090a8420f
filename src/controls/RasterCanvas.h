#pragma once

#include "controls/CanvasPort.h"
#include "controls/CodeHints.h"
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
    // Not copied: its row table points into its own pixels.
    RasterCanvas(const RasterCanvas&) = delete;
    RasterCanvas& operator=(const RasterCanvas&) = delete;

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
    // canvas directly rather than through the port. A redraw selects a pen for nearly every
    // stroke, often of the colour before: that colour is not resolved again.
    void SelectPen(int width, Colour colour) override
    {
        if (colour != m_PenColour || IsSystemColour(colour)) {
            m_PenColour = colour;
            m_PenPixel = Resolve(colour);
        }
        m_PenWidth = std::max(width, 1);
        if (m_PenWidth > 1) m_Cap.SetWidth(m_PenWidth);
    }
    // A one-pixel pen's rows (the face's) go straight to PaintRow. The edges' strokes, most of a
    // redraw's calls, are single steps painted inline: a one-pixel pen's paints its start pixel,
    // a two-pixel pen's vertical one a box of 2 x 3 (the caps are square). Every other line, and
    // a box not wholly on rows already painted, goes out of line. The checks are in this order
    // so that a caller's constant coordinates drop all but one; forced inline, as a compiler
    // otherwise keeps some of a step's dozens of calls out of line.
    PELMORA_FORCE_INLINE void Line(int x1, int y1, int x2, int y2) override
    {
        PixelBox box;
        if (m_PenWidth == 1 && y1 == y2 && x1 != x2) {
            StraightLineBox(1, true, x1, y1, x2, y2, box);
            PaintRow(box.top, box.left, box.right, m_PenPixel);
            return;
        }
        if (m_PenWidth == 1 && IsOneStep(x1, y1, x2, y2)) {
            PaintPixel(x1, y1, m_PenPixel);
            return;
        }
        if (m_PenWidth == 2 && x1 == x2 && IsOneStep(x1, y1, x2, y2) &&
            StraightLineBox(2, m_Cap.IsSquare(), x1, y1, x2, y2, box) &&
            PaintColumnPair(box.left, box.top, box.bottom, m_PenPixel)) {
            return;
        }
        PaintLine(x1, y1, x2, y2);
    }
    void ReleasePen() override { m_PenWidth = 0; }
    void SetPixel(int x, int y, Colour colour) override { PaintPixel(x, y, Resolve(colour)); }
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
        void Span(int y, int left, int right) { canvas.PaintRow(y, left, right, pixel); }
        void Rect(int left, int top, int right, int bottom) { canvas.PaintRect(left, top, right, bottom, pixel); }
    };

    std::uint32_t Resolve(Colour colour) const
    {
        return IsSystemColour(colour) ? ResolveSystemColour(colour) : PixelOf(colour);
    }
    std::uint32_t ResolveSystemColour(Colour colour) const;
    std::uint32_t* RowStart(int y) const { return m_Pixels.data() + static_cast<std::ptrdiff_t>(y) * m_Width; }

    // Paints one pixel inside the image on a row already painted with one store; anything else
    // goes to PaintRect.
    void PaintPixel(int x, int y, std::uint32_t pixel)
    {
        if (static_cast<unsigned>(x) < static_cast<unsigned>(m_Width) &&
            static_cast<unsigned>(y) < static_cast<unsigned>(m_Height)) {
            if (std::uint32_t* row = m_Rows[static_cast<std::size_t>(y)]) {
                row[x] = pixel;
                return;
            }
        }
        PaintRect(x, y, x + 1, y + 1, pixel);
    }
    // Paints the columns left and left + 1 of rows top ... bottom - 1 if they lie inside the
    // image on rows already painted, and says whether it did; paints nothing otherwise.
    bool PaintColumnPair(int left, int top, int bottom, std::uint32_t pixel)
    {
        if (left < 0 || left + 2 > m_Width || top < 0 || bottom > m_Height || top >= bottom) return false;
        std::uint32_t* const* rows = m_Rows.data();
        for (int y = top; y < bottom; ++y) {
            if (rows[y] == nullptr) return false;
        }
        for (int y = top; y < bottom; ++y) {
            rows[y][left] = pixel;
            rows[y][left + 1] = pixel;
        }
        return true;
    }
    // The routines below stay out of line, so that the inline paths above stay small where a
    // step calls them dozens of times.
    // Paints a box one or two pixels wide (the edges' strokes, the frame's sides) with plain
    // stores into its rows; a box reaching outside the image goes to PaintRect.
    PELMORA_NOINLINE void PaintNarrowBox(int left, int top, int right, int bottom, std::uint32_t pixel);
    // Any box; a row still waiting for the background first gets it around the box.
    PELMORA_NOINLINE void PaintRect(int left, int top, int right, int bottom, std::uint32_t pixel);
    // The columns left ... right - 1 of row y.
    PELMORA_NOINLINE void PaintRow(int y, int left, int right, std::uint32_t pixel);
    // The lines Line does not paint itself.
    PELMORA_NOINLINE void PaintLine(int x1, int y1, int x2, int y2);
    // Gives row y, still waiting, the background outside the columns left ... right - 1, and
    // returns it.
    PELMORA_NOINLINE std::uint32_t* ClaimRow(int y, int left, int right);
    std::uint32_t* ClaimRowInline(int y, int left, int right);
    // Gives every waiting row its background.
    void ClearPendingRows() const;
    RegionSlot* Slot(RegionHandle region);

    TextRenderer& m_Text;
    SystemColourResolver m_ResolveSystemColour;
    // Mutable: reading the pixels first clears the rows still waiting for the background.
    mutable std::vector<std::uint32_t> m_Pixels;
    // Each row's first pixel, null while the row waits for the background: one load both finds
    // a row and tells whether it is painted.
    mutable std::vector<std::uint32_t*> m_Rows;
    mutable int m_PendingRows = 0;  // how many are null
    std::uint32_t m_Background = PixelOf(0);
    int m_Width = 0;
    int m_Height = 0;
    int m_PenWidth = 0;  // 0 while no pen is selected
    Colour m_PenColour = 0;
    std::uint32_t m_PenPixel = PixelOf(0);
    PenCap m_Cap;
    std::uint32_t m_TextPixel = PixelOf(0);
    std::vector<RegionSlot> m_Regions;  // handle = index + 1
    RegionHandle m_WindowRegion = 0;
};

}  // namespace pelmora
