#include "controls/ButtonPainter.h"

namespace pelmora {
namespace {

struct PixelSpot {
    int x;
    int y;
    Colour colour;
};

}  // namespace

template <typename Canvas>
void ButtonPainter<Canvas>::DrawFace()
{
    const int w = W();
    const int h = H();

    // Surface reset
    m_Canvas.ResetSurface(m_Surface.backColor);

    // Gradient: one step darker per row until it reaches RGB(231, 231, 229)
    Colour c = Rgb(255, 255, 253);
    for (int y = 3; y <= h - 3; ++y) {
        Stroke(0, y, w - 1, y, 1, c);
        if (BlueOf(c) > 229) c = Darker(c, 1, 1, 1);
    }

    // Shading above the bottom edge
    Stroke(0, h - 2, w - 1, h - 2, 1, Rgb(214, 208, 197));
    Stroke(0, h - 3, w - 1, h - 3, 1, Rgb(226, 223, 214));
    Stroke(0, h - 4, w - 1, h - 4, 1, Rgb(236, 235, 230));
}

template <typename Canvas>
void ButtonPainter<Canvas>::DrawPressedFace()
{
    const int w = W();
    const int h = H();

    // Surface reset
    m_Canvas.ResetSurface(m_Surface.backColor);

    // Flat face: 4-pixel bands every 4 rows; only the first one is a step lighter
    Colour c = Rgb(226, 225, 218);
    for (int y = 3; y <= h - 2; y += 4) {
        Stroke(0, y, w - 1, y, 4, c);
        if (BlueOf(c) >= 218) c = Darker(c, 1, 1, 1);
    }

    // Sunken top edge
    Stroke(0, 1, w - 1, 1, 1, Rgb(209, 204, 192));
    Stroke(0, 2, w - 1, 2, 1, Rgb(220, 216, 207));

    // Light bottom edge
    Stroke(0, h - 3, w - 1, h - 3, 1, Rgb(234, 233, 227));
    Stroke(0, h - 2, w - 1, h - 2, 1, Rgb(242, 241, 238));
}

template <typename Canvas>
void ButtonPainter<Canvas>::DrawDisabled()
{
    const int w = W();
    const int h = H();

    // Surface reset
    m_Canvas.ResetSurface(m_Surface.backColor);

    // Pale face and frame
    m_Canvas.FillRect(ClientRect(), Rgb(245, 244, 234));
    m_Canvas.FrameRect(ClientRect(), Rgb(201, 199, 186));

    // Corners: A bevels the frame, B softens the face inside it
    const Colour a = Rgb(216, 213, 199);
    const Colour b = Rgb(234, 233, 222);
    const PixelSpot corners[] = {
        // top left
        {0, 1, a}, {1, 1, a}, {1, 0, a}, {1, 2, b}, {2, 1, b},
        // top right
        {w - 2, 0, a}, {w - 2, 1, a}, {w - 1, 1, a}, {w - 3, 1, b}, {w - 2, 2, b},
        // bottom left
        {0, h - 2, a}, {1, h - 2, a}, {1, h - 1, a}, {1, h - 3, b}, {2, h - 2, b},
        // bottom right
        {w - 1, h - 2, a}, {w - 2, h - 2, a}, {w - 2, h - 1, a}, {w - 2, h - 3, b}, {w - 3, h - 2, b},
    };
    for (const PixelSpot& p : corners) m_Canvas.SetPixel(p.x, p.y, p.colour);
}

template <typename Canvas>
void ButtonPainter<Canvas>::DrawBorder()
{
    const int w = W();
    const int h = H();

    // Dark frame
    m_Canvas.FrameRect(ClientRect(), Rgb(0, 60, 116));

    // Corners: C beside each corner pixel, D diagonally inside it
    const Colour c = Rgb(122, 149, 168);
    const Colour d = Rgb(37, 87, 131);
    const PixelSpot corners[] = {
        // top left
        {0, 1, c}, {1, 1, d}, {1, 0, c},
        // top right
        {w - 2, 0, c}, {w - 2, 1, d}, {w - 1, 1, c},
        // bottom left
        {0, h - 2, c}, {1, h - 2, d}, {1, h - 1, c},
        // bottom right
        {w - 1, h - 2, c}, {w - 2, h - 2, d}, {w - 2, h - 1, c},
    };
    for (const PixelSpot& p : corners) m_Canvas.SetPixel(p.x, p.y, p.colour);
}

// The port and the raster canvas itself.
template void ButtonPainter<CanvasPort>::DrawFace();
template void ButtonPainter<CanvasPort>::DrawPressedFace();
template void ButtonPainter<CanvasPort>::DrawDisabled();
template void ButtonPainter<CanvasPort>::DrawBorder();
template void ButtonPainter<RasterCanvas>::DrawFace();
template void ButtonPainter<RasterCanvas>::DrawPressedFace();
template void ButtonPainter<RasterCanvas>::DrawDisabled();
template void ButtonPainter<RasterCanvas>::DrawBorder();

}  // namespace pelmora
