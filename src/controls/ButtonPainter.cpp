#include "controls/ButtonPainter.h"

namespace pelmora {

template <typename Canvas>
void ButtonPainter<Canvas>::DrawButton(std::int16_t request)
{
    if (m_Fields.m_Enabled == 0) {
        DrawDisabled();
    } else if (request == 1 && m_Fields.m_Button == 1) {
        DrawPressedFace();
        DrawBorder();
    } else {
        DrawFace();
        // The hover edge wins over the focus edge.
        if (m_Fields.m_Hover == -1) DrawHoverEdge();
        else if (m_Fields.m_Focused == -1) DrawFocusEdge();
        DrawBorder();
    }
    DrawCaption();
    ApplyRegion();
}

// The window keeps the client rectangle without its four corner pixels.
template <typename Canvas>
void ButtonPainter<Canvas>::ApplyRegion()
{
    const int w = W();
    const int h = H();
    m_Fields.m_Region = m_Canvas.CreateRectRegion({0, 0, w, h});

    const CanvasRect corners[] = {{0, 0, 1, 1}, {0, h - 1, 1, h}, {w - 1, 0, w, 1}, {w - 1, h - 1, w, h}};
    for (const CanvasRect& corner : corners) {
        m_Fields.m_ScratchRegion = m_Canvas.CreateRectRegion(corner);
        m_Canvas.SubtractRegion(m_Fields.m_Region, m_Fields.m_ScratchRegion);
        m_Canvas.DeleteRegion(m_Fields.m_ScratchRegion);
        m_Fields.m_ScratchRegion = 0;
    }

    // The window owns the region from here on; the repaint shows the new drawing.
    m_Canvas.SetWindowRegion(m_Fields.m_Region);
}

// The port and the raster canvas itself.
template void ButtonPainter<CanvasPort>::DrawButton(std::int16_t);
template void ButtonPainter<CanvasPort>::ApplyRegion();
template void ButtonPainter<RasterCanvas>::DrawButton(std::int16_t);
template void ButtonPainter<RasterCanvas>::ApplyRegion();

}  // namespace pelmora
