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
    m_Rows.assign(static_cast<std::size_t>(m_Height), nullptr);
    for (int y = 0; y < m_Height; ++y) m_Rows[static_cast<std::size_t>(y)] = RowStart(y);
    m_PendingRows = 0;
}

void RasterCanvas::ClearPendingRows() const
{
    if (m_PendingRows == 0) return;
    for (int y = 0; y < m_Height; ++y) {
        if (m_Rows[static_cast<std::size_t>(y)] != nullptr) continue;
        std::uint32_t* row = RowStart(y);
        std::fill(row, row + m_Width, m_Background);
        m_Rows[static_cast<std::size_t>(y)] = row;
    }
    m_PendingRows = 0;
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
    const std::uint32_t* row = m_Rows[static_cast<std::size_t>(y)];
    return ColourOfPixel(row != nullptr ? row[x] : m_Background);
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
    std::fill(m_Rows.begin(), m_Rows.end(), nullptr);
    m_PendingRows = m_Height;
}

namespace {

// The loop that fills a redraw's rows. Out of line and aligned, so that its speed does not hang
// on where its callers happen to be placed.
PELMORA_NOINLINE PELMORA_ALIGN_CODE(64) void FillSpan(std::uint32_t* first, std::uint32_t* last, std::uint32_t pixel)
{
    std::fill(first, last, pixel);
}

// Most runs of a redraw are a few pixels (a row's ends, a frame's sides) or a whole row: plain
// stores for the few, the vectorised fill for the rest.
void FillRun(std::uint32_t* first, std::uint32_t* last, std::uint32_t pixel)
{
    const std::ptrdiff_t count = last - first;
    if (count > 4) {
        FillSpan(first, last, pixel);
        return;
    }
    // Unrolled by hand: a loop here would be vectorised, set-up and all.
    if (count > 0) first[0] = pixel;
    if (count > 1) first[1] = pixel;
    if (count > 2) first[2] = pixel;
    if (count > 3) first[3] = pixel;
}

}  // namespace

inline std::uint32_t* RasterCanvas::ClaimRowInline(int y, int left, int right)
{
    --m_PendingRows;
    std::uint32_t* row = RowStart(y);
    FillRun(row, row + left, m_Background);
    FillRun(row + right, row + m_Width, m_Background);
    m_Rows[static_cast<std::size_t>(y)] = row;
    return row;
}

// Out of line for the loops that call it: inlined, its set-up would be paid on every row.
std::uint32_t* RasterCanvas::ClaimRow(int y, int left, int right) { return ClaimRowInline(y, left, right); }

void RasterCanvas::PaintRect(int left, int top, int right, int bottom, std::uint32_t pixel)
{
    left = std::max(left, 0);
    right = std::min(right, m_Width);
    top = std::max(top, 0);
    bottom = std::min(bottom, m_Height);
    if (left >= right) return;
    for (int y = top; y < bottom; ++y) {
        std::uint32_t* row = m_Rows[static_cast<std::size_t>(y)];
        if (row == nullptr) row = ClaimRow(y, left, right);
        std::fill(row + left, row + right, pixel);
    }
}

void RasterCanvas::PaintRow(int y, int left, int right, std::uint32_t pixel)
{
    left = std::max(left, 0);
    right = std::min(right, m_Width);
    if (static_cast<unsigned>(y) >= static_cast<unsigned>(m_Height) || left >= right) return;
    std::uint32_t* row = m_Rows[static_cast<std::size_t>(y)];
    if (row == nullptr) row = ClaimRowInline(y, left, right);
    FillSpan(row + left, row + right, pixel);
}

// The lines Line does not paint itself. Vertical ones of a one- or two-pixel pen take a short
// path: the box of each is worked out in its own branch, so that its width is a constant there.
void RasterCanvas::PaintLine(int x1, int y1, int x2, int y2)
{
    PixelBox box;
    PenSink sink{*this, m_PenPixel};
    if (x1 == x2 && m_PenWidth == 1) {
        StraightLineBox(1, true, x1, y1, x1, y2, box);
        PaintNarrowBox(box.left, box.top, box.right, box.bottom, m_PenPixel);
    } else if (x1 == x2 && m_PenWidth == 2 && m_Cap.IsSquare()) {
        StraightLineBox(2, true, x1, y1, x1, y2, box);
        PaintNarrowBox(box.left, box.top, box.right, box.bottom, m_PenPixel);
    } else if (m_PenWidth == 1) {
        PaintThinLine(sink, x1, y1, x2, y2);
    } else if (m_PenWidth > 1) {
        PaintWideLine(sink, m_Cap, x1, y1, x2, y2);
    }
}

void RasterCanvas::PaintNarrowBox(int left, int top, int right, int bottom, std::uint32_t pixel)
{
    if (left < 0 || right > m_Width || top < 0 || bottom > m_Height) {
        PaintRect(left, top, right, bottom, pixel);
        return;
    }
    for (int y = top; y < bottom; ++y) {
        std::uint32_t* row = m_Rows[static_cast<std::size_t>(y)];
        if (row == nullptr) row = ClaimRow(y, left, right);
        row[left] = pixel;
        row[right - 1] = pixel;
    }
}

// The top and bottom rows whole, then the two columns between them.
void RasterCanvas::FrameRect(const CanvasRect& rect, Colour colour)
{
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    const std::uint32_t pixel = Resolve(colour);
    PaintRow(rect.top, rect.left, rect.right, pixel);
    PaintRow(rect.bottom - 1, rect.left, rect.right, pixel);
    if (rect.left < 0 || rect.right > m_Width) {
        PaintNarrowBox(rect.left, rect.top + 1, rect.left + 1, rect.bottom - 1, pixel);
        PaintNarrowBox(rect.right - 1, rect.top + 1, rect.right, rect.bottom - 1, pixel);
        return;
    }
    // Both columns inside the image: one pass over their rows.
    const int bottom = std::min(rect.bottom - 1, m_Height);
    for (int y = std::max(rect.top + 1, 0); y < bottom; ++y) {
        std::uint32_t* row = m_Rows[static_cast<std::size_t>(y)];
        if (row == nullptr) row = ClaimRow(y, rect.left, rect.left + 1);
        row[rect.left] = pixel;
        row[rect.right - 1] = pixel;
    }
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
