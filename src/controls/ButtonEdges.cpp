#include "controls/ButtonPainter.h"

namespace pelmora {

template <typename Canvas>
void ButtonPainter<Canvas>::DrawFocusEdge()
{
    const int w = W();
    const int h = H();

    // Top rows
    Stroke(2, 1, w - 2, 1, 1, Rgb(206, 231, 251));
    Stroke(1, 2, w - 1, 2, 1, Rgb(188, 212, 246));

    // Sides: 2-pixel strokes darkening until RGB(110, 154, 227); one pen per row
    Colour c = Rgb(186, 211, 246);
    for (int y = 3; y <= h - 4; ++y) {
        {
            PenScope pen(m_Canvas, 2, c);
            pen.Line(2, y, 2, y + 1);
            pen.Line(w - 2, y, w - 2, y + 1);
        }
        if (BlueOf(c) > 227) c = Darker(c, 4, 3, 1);
    }

    // Bottom: the sides' last colour, then a darker row between two corner dots
    Stroke(1, h - 3, w - 2, h - 3, 1, c);
    m_Canvas.SetPixel(2, h - 2, Rgb(77, 125, 193));
    Stroke(3, h - 2, w - 3, h - 2, 1, Rgb(97, 125, 229));
    m_Canvas.SetPixel(w - 3, h - 2, Rgb(77, 125, 193));
}

template <typename Canvas>
void ButtonPainter<Canvas>::DrawHoverEdge()
{
    const int w = W();
    const int h = H();

    // Top rows
    Stroke(2, 1, w - 2, 1, 1, Rgb(255, 240, 207));
    Stroke(1, 2, w - 1, 2, 1, Rgb(253, 216, 137));

    // Outer sides, down to RGB(238, 175, 42); one pen per row
    Colour c = Rgb(254, 223, 154);
    for (int y = 2; y <= h - 3; ++y) {
        {
            PenScope pen(m_Canvas, 1, c);
            pen.Line(1, y, 1, y + 1);
            pen.Line(w - 2, y, w - 2, y + 1);
        }
        if (BlueOf(c) >= 49) c = Darker(c, 1, 3, 7);
    }

    // Inner sides, down to RGB(243, 174, 49); one pen per row
    c = Rgb(252, 210, 121);
    for (int y = 3; y <= h - 3; ++y) {
        {
            PenScope pen(m_Canvas, 1, c);
            pen.Line(2, y, 2, y + 1);
            pen.Line(w - 3, y, w - 3, y + 1);
        }
        if (BlueOf(c) > 56) c = Darker(c, 1, 4, 8);
    }

    // Bottom: the inner sides' last colour, then the deepest orange
    Stroke(3, h - 3, w - 1, h - 3, 1, c);
    Stroke(2, h - 2, w - 2, h - 2, 1, Rgb(229, 151, 0));
}

// The port and the raster canvas itself.
template void ButtonPainter<CanvasPort>::DrawFocusEdge();
template void ButtonPainter<CanvasPort>::DrawHoverEdge();
template void ButtonPainter<RasterCanvas>::DrawFocusEdge();
template void ButtonPainter<RasterCanvas>::DrawHoverEdge();

}  // namespace pelmora
