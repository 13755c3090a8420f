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
    bool IsEmpty() const { return m_Rects.empty(); }
    const std::vector<CanvasRect>& Rects() const { return m_Rects; }

private:
    std::vector<CanvasRect> m_Rects;
};

}  // namespace pelmora
