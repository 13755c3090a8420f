#include "controls/ButtonPainter.h"

namespace pelmora {

void ButtonPainter::DrawButton(std::int16_t request)
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

CanvasRect ButtonPainter::ClientRect() const
{
    const ButtonRect& r = m_Fields.m_ClientRect;
    return {r.left, r.top, r.right, r.bottom};
}

void ButtonPainter::Stroke(int x1, int y1, int x2, int y2, int width, Colour colour)
{
    PenScope pen(m_Canvas, width, colour);
    pen.Line(x1, y1, x2, y2);
}

// The window keeps the client rectangle without its four corner pixels.
void ButtonPainter::ApplyRegion()
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

}  // namespace pelmora
