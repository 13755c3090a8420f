#pragma once

#include "controls/TextRenderer.h"

namespace pelmora::win32::testing {

// The raster canvas's text through the platform's own DrawTextA, in the font the GDI canvas
// makes: the raster rendering of a button then has the same caption pixels as the button's
// window, so the two compare pixel for pixel.
class GdiTextRenderer final : public TextRenderer {
public:
    explicit GdiTextRenderer(int dpi = 0) : m_Dpi(dpi) {}

    TextExtent Measure(std::string_view text, int width, unsigned flags, const ButtonFont& font) override;
    void Draw(const PixelView& target, std::string_view text, const CanvasRect& rect, const CanvasRect& clip,
              unsigned flags, std::uint32_t pixel, const ButtonFont& font) override;

private:
    int m_Dpi;
};

}  // namespace pelmora::win32::testing
