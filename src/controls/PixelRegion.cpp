#include "controls/PixelRegion.h"

#include <algorithm>
#include <cstddef>

namespace pelmora {
namespace {

bool IsEmptyRect(const CanvasRect& r) { return r.right <= r.left || r.bottom <= r.top; }

bool Overlaps(const CanvasRect& a, const CanvasRect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

}  // namespace

void PixelRegion::SetRect(const CanvasRect& rect)
{
    m_Rects.clear();
    if (!IsEmptyRect(rect)) m_Rects.push_back(rect);
}

void PixelRegion::Subtract(const PixelRegion& removed)
{
    for (const CanvasRect& r : removed.m_Rects) Subtract(r);
}

// Each rectangle the removed one overlaps is cut into the bands above and below it and the
// pieces left and right of it within its rows. Pieces never overlap the removed rectangle, so
// the ones appended need no second look.
void PixelRegion::Subtract(const CanvasRect& removed)
{
    if (IsEmptyRect(removed)) return;
    const std::size_t count = m_Rects.size();
    std::size_t kept = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const CanvasRect r = m_Rects[i];
        if (!Overlaps(r, removed)) {
            m_Rects[kept++] = r;
            continue;
        }
        const int top = std::max(r.top, removed.top);
        const int bottom = std::min(r.bottom, removed.bottom);
        const CanvasRect pieces[] = {
            {r.left, r.top, r.right, top},
            {r.left, bottom, r.right, r.bottom},
            {r.left, top, std::max(r.left, removed.left), bottom},
            {std::min(r.right, removed.right), top, r.right, bottom},
        };
        for (const CanvasRect& piece : pieces) {
            if (!IsEmptyRect(piece)) m_Rects.push_back(piece);
        }
    }
    // Pieces were appended after the first `count` slots; close the gap the cut ones left.
    m_Rects.erase(m_Rects.begin() + static_cast<std::ptrdiff_t>(kept),
                  m_Rects.begin() + static_cast<std::ptrdiff_t>(count));
}

bool PixelRegion::Contains(int x, int y) const
{
    return std::any_of(m_Rects.begin(), m_Rects.end(), [x, y](const CanvasRect& r) {
        return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
    });
}

}  // namespace pelmora
