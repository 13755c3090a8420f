#pragma once

#include "controls/ButtonFields.h"
#include "controls/CanvasPort.h"
#include "controls/RasterCanvas.h"

#include <cstdint>

namespace pelmora {

// Paints one hover button from its fields onto a canvas. DrawButton chooses the look and runs
// the steps; each step paints over what the earlier ones left. Nothing is kept between calls
// except the region handles ApplyRegion leaves in the fields.
//
// Canvas is the port (any canvas, such as the GDI one) or the raster canvas itself, whose
// primitives then inline into the steps: a redraw is a few hundred of them.
template <typename Canvas>
class ButtonPainter {
public:
    ButtonPainter(ButtonFields& fields, const ButtonSurface& surface, Canvas& canvas)
        : m_Fields(fields), m_Surface(surface), m_Canvas(canvas)
    {
    }

    // request 0 redraws; 1 asks for the pressed look, shown when the last press was the left
    // button.
    void DrawButton(std::int16_t request);

    void DrawFace();
    void DrawPressedFace();
    void DrawDisabled();
    void DrawBorder();
    void DrawFocusEdge();
    void DrawHoverEdge();
    void DrawCaption();
    void ApplyRegion();

private:
    int W() const { return m_Fields.m_Width; }
    int H() const { return m_Fields.m_Height; }
    CanvasRect ClientRect() const
    {
        const ButtonRect& r = m_Fields.m_ClientRect;
        return {r.left, r.top, r.right, r.bottom};
    }
    // A line with its own pen.
    void Stroke(int x1, int y1, int x2, int y2, int width, Colour colour)
    {
        PenScope pen(m_Canvas, width, colour);
        pen.Line(x1, y1, x2, y2);
    }

    ButtonFields& m_Fields;
    const ButtonSurface& m_Surface;
    Canvas& m_Canvas;
};

// The steps are built for these two canvases (in the painter's .cpp files).

inline void DrawButton(ButtonFields& fields, const ButtonSurface& surface, CanvasPort& canvas,
                       std::int16_t request)
{
    ButtonPainter<CanvasPort>(fields, surface, canvas).DrawButton(request);
}

inline void DrawButton(ButtonFields& fields, const ButtonSurface& surface, RasterCanvas& canvas,
                       std::int16_t request)
{
    ButtonPainter<RasterCanvas>(fields, surface, canvas).DrawButton(request);
}

// c with its red, green and blue parts lowered by the given steps, each part wrapping within its
// byte. The three subtractions are done at once (each byte's top bit set first, so that no borrow
// crosses into the next), as the gradients step a colour on every row.
constexpr Colour Darker(Colour c, int red, int green, int blue)
{
    const Colour step = Rgb(red, green, blue);
    constexpr Colour kTopBits = 0x808080u;
    return (((c | kTopBits) - (step & ~kTopBits)) ^ ((c ^ ~step) & kTopBits)) & 0xFFFFFFu;
}

}  // namespace pelmora
