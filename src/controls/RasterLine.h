#pragma once

#include "controls/PixelView.h"

#include <cstdint>
#include <vector>

namespace pelmora {

// How the platform's GDI strokes a solid pen on a bitmap, as observed on Wine's memory bitmaps,
// which the raster canvas reproduces pixel for pixel:
//
// - Width 0 or 1: the pixels from the start point up to, but not including, the end point: one
//   per step along the major axis (the longer of |dx| and |dy|), the other coordinate being the
//   exact one rounded to the nearest pixel, a tie going to the smaller coordinate. A horizontal
//   line (a, y) -> (b, y) with a < b paints a ... b - 1; from b to a it paints a + 1 ... b.
// - Width w > 1 (a geometric pen with round ends): a horizontal line paints the w rows
//   y - w/2 ... y - w/2 + w - 1 (width 2: y - 1 and y; width 4: y - 2 ... y + 1) over the
//   columns min(x1, x2) ... max(x1, x2) - 1, plus a round cap at each end point, so here the end
//   point is painted. The cap is the platform's elliptic region of the w x w square whose
//   top-left pixel is (x - w/2, y - w/2): width 2 is the whole 2 x 2 square, widths 3 to 5 the
//   square without its four corner pixels. A vertical line is the same with the axes swapped; a
//   line of length 0 paints the cap alone.
// - A wide diagonal line (the button draws none) is the cap swept along the one-pixel path: a
//   band of the right width, not the platform's exact polygon.
//
// Pixels outside the view are skipped; the others are painted as if the view were unbounded.

struct PixelSpan {
    int left = 0;   // first column, relative to the shape's left edge
    int right = 0;  // last column, inclusive
};

// The round end of a wide pen: one span per row of its w x w square.
class PenCap {
public:
    void SetWidth(int width);
    int Width() const { return m_Width; }
    const std::vector<PixelSpan>& Rows() const { return m_Rows; }

private:
    int m_Width = 0;
    std::vector<PixelSpan> m_Rows;
};

// The rows of the platform's elliptic region filling a width x height box.
void EllipseSpans(int width, int height, std::vector<PixelSpan>& rows);

void PaintThinLine(const PixelView& view, int x1, int y1, int x2, int y2, std::uint32_t pixel);
void PaintWideLine(const PixelView& view, const PenCap& cap, int x1, int y1, int x2, int y2,
                   std::uint32_t pixel);

}  // namespace pelmora
