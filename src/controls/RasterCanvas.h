#pragma once

#include "controls/CanvasPort.h"
#include "controls/PixelRegion.h"
#include "controls/PixelView.h"
#include "controls/RasterLine.h"
#include "controls/TextRenderer.h"

#include <cstdint>
#include <vector>

namespace pelmora {

// The hover button's off-screen image without a toolkit: a 32-bit pixel buffer painted by the
// platform's GDI rules (RasterLine.h), text through a TextRenderer, and regions as PixelRegion
// values. Memory is reused from one redraw to the next.
class RasterCanvas final : public CanvasPort {
public:
    RasterCanvas(TextRenderer& text, SystemColourResolver resolveSystemColour);

    // A new size clears the image to black; the next surface reset paints it.
    void Resize(int width, int height);
    int Width() const { return m_Width; }
    int Height() const { return m_Height; }
    PixelView View() { return {m_Pixels.data(), m_Width, m_Height, m_Width}; }
    const std::uint32_t* Pixels() const { return m_Pixels.data(); }
    // The RGB colour of a pixel inside the image.
    Colour ColourAt(int x, int y) const;
    // The shape handed to the window last; null while it has none.
    const PixelRegion* WindowRegion() const;

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
    struct RegionSlot {
        bool used = false;
        PixelRegion region;
    };

    std::uint32_t Resolve(Colour colour) const;
    RegionSlot* Slot(RegionHandle region);

    TextRenderer& m_Text;
    SystemColourResolver m_ResolveSystemColour;
    std::vector<std::uint32_t> m_Pixels;
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
