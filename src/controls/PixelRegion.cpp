#include "controls/PixelRegion.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace pelmora {
namespace {

bool IsEmptyRect(const CanvasRect& r) { return r.right <= r.left || r.bottom <= r.top; }

bool Overlaps(const CanvasRect& a, const CanvasRect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

}  // namespace

// Each rectangle the removed one overlaps is cut into the bands above and below it and the
// pieces left and right of it within its rows. Pieces never overlap the removed rectangle, so
// the ones appended need no second look. The first piece takes the cut rectangle's place, which
// keeps a redraw's four corner cuts free of moves.
void PixelRegion::Subtract(const CanvasRect& removed)
{
    if (IsEmptyRect(removed)) return;
    std::size_t count = m_Rects.size();
    for (std::size_t i = 0; i < count;) {
        const CanvasRect r = m_Rects[i];
        if (!Overlaps(r, removed)) {
            ++i;
            continue;
        }
        const int top = std::max(r.top, removed.top);
        const int bottom = std::min(r.bottom, removed.bottom);
        bool kept = false;
        const auto keep = [&](const CanvasRect& piece) {
            if (kept) m_Rects.push_back(piece);
            else m_Rects[i] = piece;
            kept = true;
        };
        if (r.top < removed.top) keep({r.left, r.top, r.right, removed.top});
        if (removed.bottom < r.bottom) keep({r.left, removed.bottom, r.right, r.bottom});
        if (r.left < removed.left) keep({r.left, top, removed.left, bottom});
        if (removed.right < r.right) keep({removed.right, top, r.right, bottom});
        if (kept) {
            ++i;
        } else {
            m_Rects.erase(m_Rects.begin() + static_cast<std::ptrdiff_t>(i));
            --count;
        }
    }
}

bool PixelRegion::Contains(int x, int y) const
{
    return std::any_of(m_Rects.begin(), m_Rects.end(), [x, y](const CanvasRect& r) {
        return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
    });
}

namespace {

// Unit edges of a pixel edge; the slack keeps a quotient that lands a rounding error past a whole
// unit (11 / 1.1) on that unit.
std::int32_t UnitFloor(std::int32_t pixel, double scale)
{
    return static_cast<std::int32_t>(std::floor(pixel / scale + 1e-9));
}

std::int32_t UnitCeil(std::int32_t pixel, double scale)
{
    return static_cast<std::int32_t>(std::ceil(pixel / scale - 1e-9));
}

}  // namespace

void ScaleRegionToUnits(const PixelRegion& region, const CanvasRect& bounds, double scale, const CanvasRect& units,
                        PixelRegion& out)
{
    out.SetRect(units);
    if (!(scale > 0))
        return;
    PixelRegion missing;
    missing.SetRect(bounds);
    missing.Subtract(region);
    for (const CanvasRect& r : missing.Rects())
        out.Subtract(CanvasRect{UnitFloor(r.left, scale), UnitFloor(r.top, scale), UnitCeil(r.right, scale),
                                UnitCeil(r.bottom, scale)});
}

}  // namespace pelmora
