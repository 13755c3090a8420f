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
    m_RowPending.assign(static_cast<std::size_t>(m_Height), 0);
    m_AnyPending = false;
}

void RasterCanvas::ClearPendingRows() const
{
    if (!m_AnyPending) return;
    for (std::size_t y = 0; y < m_RowPending.size(); ++y) {
        if (m_RowPending[y] == 0) continue;
        const auto row = m_Pixels.begin() + static_cast<std::ptrdiff_t>(y * static_cast<std::size_t>(m_Width));
        std::fill(row, row + m_Width, m_Background);
        m_RowPending[y] = 0;
    }
    m_AnyPending = false;
}

PixelView RasterCanvas::View()
{
    ClearPendingRows();
    return {m_Pixels.data(), m_Width, m_Height, m_Width};
}

const std::uint32_t* RasterCanvas::Pixels() const
{
    ClearPendingRows();
    return m_Pixels.data();
}

Colour RasterCanvas::ColourAt(int x, int y) const
{
    if (m_RowPending[static_cast<std::size_t>(y)] != 0) return ColourOfPixel(m_Background);
    return ColourOfPixel(m_Pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_Width) +
                                  static_cast<std::size_t>(x)]);
}

const PixelRegion* RasterCanvas::WindowRegion() const
{
    if (m_WindowRegion == 0) return nullptr;
    return &m_Regions[m_WindowRegion - 1].region;
}

std::uint32_t RasterCanvas::ResolveSystemColour(Colour colour) const
{
    return PixelOf(m_ResolveSystemColour ? m_ResolveSystemColour(static_cast<int>(colour & 0xFF)) : 0);
}

void RasterCanvas::ResetSurface(Colour background)
{
    m_Background = Resolve(background);
    std::fill(m_RowPending.begin(), m_RowPending.end(), 1);
    m_AnyPending = true;
}

void RasterCanvas::FrameRect(const CanvasRect& rect, Colour colour)
{
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    const std::uint32_t pixel = Resolve(colour);
    PaintSpan(rect.top, rect.left, rect.right, pixel);
    for (int y = std::max(rect.top + 1, 0); y < std::min(rect.bottom - 1, m_Height); ++y) {
        PaintSpan(y, rect.left, rect.left + 1, pixel);
        PaintSpan(y, rect.right - 1, rect.right, pixel);
    }
    PaintSpan(rect.bottom - 1, rect.left, rect.right, pixel);
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
