#include "controls/RasterCanvas.h"

#include <algorithm>
#include <utility>

namespace pelmora {

RasterCanvas::RasterCanvas(TextRenderer& text, SystemColourResolver resolveSystemColour)
    : m_Text(text), m_ResolveSystemColour(std::move(resolveSystemColour))
{
}

void RasterCanvas::Resize(int width, int height)
{
    m_Width = std::max(width, 0);
    m_Height = std::max(height, 0);
    m_Pixels.assign(static_cast<std::size_t>(m_Width) * static_cast<std::size_t>(m_Height), PixelOf(0));
}

Colour RasterCanvas::ColourAt(int x, int y) const
{
    return ColourOfPixel(m_Pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_Width) +
                                  static_cast<std::size_t>(x)]);
}

const PixelRegion* RasterCanvas::WindowRegion() const
{
    if (m_WindowRegion == 0) return nullptr;
    return &m_Regions[m_WindowRegion - 1].region;
}

std::uint32_t RasterCanvas::Resolve(Colour colour) const
{
    if (!IsSystemColour(colour)) return PixelOf(colour);
    return PixelOf(m_ResolveSystemColour ? m_ResolveSystemColour(static_cast<int>(colour & 0xFF)) : 0);
}

void RasterCanvas::ResetSurface(Colour background)
{
    std::fill(m_Pixels.begin(), m_Pixels.end(), Resolve(background));
}

void RasterCanvas::SelectPen(int width, Colour colour)
{
    m_PenSelected = true;
    m_PenWidth = std::max(width, 1);
    m_PenPixel = Resolve(colour);
    if (m_PenWidth > 1) m_Cap.SetWidth(m_PenWidth);
}

void RasterCanvas::Line(int x1, int y1, int x2, int y2)
{
    if (!m_PenSelected) return;
    if (m_PenWidth == 1) PaintThinLine(View(), x1, y1, x2, y2, m_PenPixel);
    else PaintWideLine(View(), m_Cap, x1, y1, x2, y2, m_PenPixel);
}

void RasterCanvas::ReleasePen() { m_PenSelected = false; }

void RasterCanvas::SetPixel(int x, int y, Colour colour)
{
    FillPixels(View(), {x, y, x + 1, y + 1}, Resolve(colour));
}

void RasterCanvas::FillRect(const CanvasRect& rect, Colour colour)
{
    FillPixels(View(), rect, Resolve(colour));
}

void RasterCanvas::FrameRect(const CanvasRect& rect, Colour colour)
{
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    const std::uint32_t pixel = Resolve(colour);
    const PixelView view = View();
    FillPixels(view, {rect.left, rect.top, rect.right, rect.top + 1}, pixel);
    FillPixels(view, {rect.left, rect.bottom - 1, rect.right, rect.bottom}, pixel);
    FillPixels(view, {rect.left, rect.top, rect.left + 1, rect.bottom}, pixel);
    FillPixels(view, {rect.right - 1, rect.top, rect.right, rect.bottom}, pixel);
}

void RasterCanvas::SetTextColour(Colour colour) { m_TextPixel = Resolve(colour); }

int RasterCanvas::DrawText(std::string_view text, CanvasRect& rect, unsigned flags,
                           const ButtonFont& font)
{
    const TextExtent extent = m_Text.Measure(text, rect.right - rect.left, flags, font);
    if ((flags & TextFlag::kCalcRect) != 0) {
        rect.right = rect.left + extent.width;
        rect.bottom = rect.top + extent.height;
        return extent.height;
    }
    const PixelView view = View();
    const CanvasRect clip = ClipToView(view, rect);
    if (clip.right > clip.left && clip.bottom > clip.top) {
        m_Text.Draw(view, text, rect, clip, flags, m_TextPixel, font);
    }
    return extent.height;
}

RasterCanvas::RegionSlot* RasterCanvas::Slot(RegionHandle region)
{
    if (region == 0 || region > m_Regions.size() || !m_Regions[region - 1].used) return nullptr;
    return &m_Regions[region - 1];
}

RegionHandle RasterCanvas::CreateRectRegion(const CanvasRect& rect)
{
    auto free = std::find_if(m_Regions.begin(), m_Regions.end(),
                             [](const RegionSlot& slot) { return !slot.used; });
    if (free == m_Regions.end()) free = m_Regions.insert(m_Regions.end(), RegionSlot{});
    free->used = true;
    free->region.SetRect(rect);
    return static_cast<RegionHandle>(free - m_Regions.begin()) + 1;
}

void RasterCanvas::SubtractRegion(RegionHandle target, RegionHandle removed)
{
    RegionSlot* to = Slot(target);
    const RegionSlot* from = Slot(removed);
    if (to == nullptr || from == nullptr) return;
    if (to == from) to->region.Clear();
    else to->region.Subtract(from->region);
}

// The window's own region is not the caller's to delete.
void RasterCanvas::DeleteRegion(RegionHandle region)
{
    RegionSlot* slot = Slot(region);
    if (slot == nullptr || region == m_WindowRegion) return;
    slot->used = false;
    slot->region.Clear();
}

void RasterCanvas::SetWindowRegion(RegionHandle region)
{
    if (region != 0 && Slot(region) == nullptr) return;
    const RegionHandle previous = std::exchange(m_WindowRegion, region);
    if (previous != region) DeleteRegion(previous);
}

}  // namespace pelmora
