#include "controls/ButtonPainter.h"
#include "controls/CaptionLayout.h"

namespace pelmora {

template <typename Canvas>
void ButtonPainter<Canvas>::DrawCaption()
{
    // Colour: grey while disabled (even under the pointer), the hover colour under the pointer
    Colour colour = m_Surface.foreColor;
    if (m_Fields.m_Enabled == 0) colour = Rgb(161, 161, 146);
    else if (m_Fields.m_Hover != 0) colour = m_Fields.m_ForeHover;
    m_Canvas.SetTextColour(colour);

    // Measure: wrapped and centred in the client rectangle
    CanvasRect measured = ClientRect();
    const int textHeight = m_Canvas.DrawText(
        m_Fields.m_Caption, measured, TextFlag::kCalcRect | TextFlag::kWordBreak | TextFlag::kCenter,
        m_Surface.font);

    // Draw: centred vertically on the surface, clipped to the target rectangle
    CanvasRect target = CaptionTargetRect(m_Canvas.ScaleWidth(), m_Canvas.ScaleHeight(), textHeight);
    m_Canvas.DrawText(m_Fields.m_Caption, target, TextFlag::kWordBreak | TextFlag::kCenter, m_Surface.font);
}

// The port and the raster canvas itself.
template void ButtonPainter<CanvasPort>::DrawCaption();
template void ButtonPainter<RasterCanvas>::DrawCaption();

}  // namespace pelmora
