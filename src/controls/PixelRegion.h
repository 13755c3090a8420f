#pragma once

#include "controls/CanvasPort.h"

#include <vector>

namespace pelmora {

// A set of pixels kept as disjoint rectangles, enough for a window shape made of a rectangle
// minus a few squares. Reuses its storage, so rebuilding one on every redraw does not allocate.
class PixelRegion {
public:
    // Inline, as a redraw rebuilds the window's shape from a rectangle and four corners.
    void SetRect(const CanvasRect& rect)
    {
        m_Rects.clear();
        if (rect.right > rect.left && rect.bottom > rect.top) m_Rects.push_back(rect);
    }
    void Clear() { m_Rects.clear(); }
    void Subtract(const PixelRegion& removed)
    {
        for (const CanvasRect& r : removed.m_Rects) Subtract(r);
    }
    void Subtract(const CanvasRect& removed);

    bool Contains(int x, int y) const;
    const std::vector<CanvasRect>& Rects() const { return m_Rects; }

private:
    std::vector<CanvasRect> m_Rects;
};

// A region of `bounds` in coarser units of `scale` pixels each, converted as a whole into `out`:
// a unit of `units` stays unless a pixel of `bounds` missing from the region touches it. Missing
// pixels so stay missing, rounded out to whole units, and no row or column of the region rounds
// away because it is thinner than a unit. A scale below 1 works the same way.
void ScaleRegionToUnits(const PixelRegion& region, const CanvasRect& bounds, double scale, const CanvasRect& units,
                        PixelRegion& out);

}  // namespace pelmora
