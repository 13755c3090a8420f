#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
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
// The routines below paint through a sink: sink.Span(y, left, right) paints the columns
// left ... right - 1 of row y in the pen's pixel, sink.Rect(left, top, right, bottom) a
// rectangle; both skip what lies outside the image.

struct PixelSpan {
    int left = 0;   // first column, relative to the shape's left edge
    int right = 0;  // last column, inclusive
};

// The round end of a wide pen: one span per row of its w x w square.
class PenCap {
public:
    void SetWidth(int width)
    {
        if (width != m_Width) Build(width);
    }
    int Width() const { return m_Width; }
    const std::vector<PixelSpan>& Rows() const { return m_Rows; }
    // Whether every row spans the whole square (widths up to 2).
    bool IsSquare() const { return m_Square; }

private:
    void Build(int width);

    int m_Width = 0;
    bool m_Square = false;
    std::vector<PixelSpan> m_Rows;
};

// The rows of the platform's elliptic region filling a width x height box.
void EllipseSpans(int width, int height, std::vector<PixelSpan>& rows);

// Calls plot(x, y) for each pixel of the one-pixel path, end point excluded. The minor
// coordinate is floor((2 * dMinor * i + n - 1) / 2n) steps from the start, which is the exact
// value rounded half towards the smaller coordinate; the error term keeps that quotient.
template <typename Plot>
void WalkPath(int x1, int y1, int x2, int y2, Plot plot)
{
    const int dx = x2 - x1;
    const int dy = y2 - y1;
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const int n = xMajor ? std::abs(dx) : std::abs(dy);
    if (n == 0) return;
    const int majorStep = (xMajor ? dx : dy) > 0 ? 1 : -1;
    const int dMinor = xMajor ? dy : dx;
    const long long twoN = 2LL * n;
    long long rest = n - 1;  // remainder of (2 * dMinor * i + n - 1) by 2n, in [0, 2n)
    int minor = 0;
    for (int i = 0; i < n; ++i) {
        if (xMajor) plot(x1 + majorStep * i, y1 + minor);
        else plot(x1 + minor, y1 + majorStep * i);
        rest += 2LL * dMinor;
        if (rest >= twoN) {
            rest -= twoN;
            ++minor;
        } else if (rest < 0) {
            rest += twoN;
            --minor;
        }
    }
}

template <typename Sink>
void PaintDiagonalThinLine(Sink& sink, int x1, int y1, int x2, int y2)
{
    WalkPath(x1, y1, x2, y2, [&](int x, int y) { sink.Span(y, x, x + 1); });
}

// Columns left ... right - 1 of rows top ... bottom - 1.
struct PixelBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Whether the line's pixels make one box, and which: a one-pixel line along an axis, or a
// wider one along an axis whose caps are square (widths up to 2). Nearly every line of a
// redraw is one, so this is kept small enough to inline.
inline bool StraightLineBox(int width, bool squareCaps, int x1, int y1, int x2, int y2, PixelBox& box)
{
    if (x1 != x2 && y1 != y2) return false;
    if (width == 1) {
        if (x1 == x2) box = {x1, y1 < y2 ? y1 : y2 + 1, x1 + 1, y1 < y2 ? y2 : y1 + 1};
        else box = {x1 < x2 ? x1 : x2 + 1, y1, x1 < x2 ? x2 : x1 + 1, y1 + 1};
        return true;
    }
    if (width < 2 || !squareCaps) return false;
    const int before = width / 2;
    box = {std::min(x1, x2) - before, std::min(y1, y2) - before, std::max(x1, x2) - before + width,
           std::max(y1, y2) - before + width};
    return true;
}

// A one-pixel line one step long, in any direction, paints its start point alone.
inline bool IsOneStep(int x1, int y1, int x2, int y2)
{
    return std::abs(x2 - x1) <= 1 && std::abs(y2 - y1) <= 1 && (x1 != x2 || y1 != y2);
}

template <typename Sink>
void PaintThinLine(Sink& sink, int x1, int y1, int x2, int y2)
{
    PixelBox box;
    if (StraightLineBox(1, true, x1, y1, x2, y2, box)) sink.Rect(box.left, box.top, box.right, box.bottom);
    else PaintDiagonalThinLine(sink, x1, y1, x2, y2);
}

template <typename Sink>
void StampCap(Sink& sink, const PenCap& cap, int x, int y)
{
    const int left = x - cap.Width() / 2;
    const int top = y - cap.Width() / 2;
    const auto& rows = cap.Rows();
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        sink.Span(top + i, left + rows[i].left, left + rows[i].right + 1);
    }
}

// Band and caps are painted as one span per row: every cap row holds the cap's centre column
// (or both centre columns), so on each row the caps and the band overlap into one interval.
template <typename Sink>
void PaintRoundWideLine(Sink& sink, const PenCap& cap, int x1, int y1, int x2, int y2)
{
    const int w = cap.Width();
    const int before = w / 2;  // rows (or columns) of the band before the centre line
    const auto& rows = cap.Rows();
    if (y1 == y2) {
        const int left = std::min(x1, x2) - before;
        const int right = std::max(x1, x2) - before;
        for (int i = 0; i < w; ++i) sink.Span(y1 - before + i, left + rows[i].left, right + rows[i].right + 1);
    } else if (x1 == x2) {
        const int top = std::min(y1, y2);
        const int bottom = std::max(y1, y2);
        const int bandLeft = x1 - before;
        for (int y = top - before; y < bottom - before + w; ++y) {
            if (y >= top && y < bottom) {
                sink.Span(y, bandLeft, bandLeft + w);
                continue;
            }
            // Outside the band only the caps reach: the top cap's row, the bottom cap's, or both.
            int left = bandLeft + w;
            int right = bandLeft;
            for (const int capTop : {top - before, bottom - before}) {
                if (y < capTop || y >= capTop + w) continue;
                left = std::min(left, bandLeft + rows[y - capTop].left);
                right = std::max(right, bandLeft + rows[y - capTop].right + 1);
            }
            sink.Span(y, left, right);
        }
    } else {
        WalkPath(x1, y1, x2, y2, [&](int x, int y) { StampCap(sink, cap, x, y); });
        StampCap(sink, cap, x2, y2);
    }
}

template <typename Sink>
void PaintWideLine(Sink& sink, const PenCap& cap, int x1, int y1, int x2, int y2)
{
    PixelBox box;
    if (StraightLineBox(cap.Width(), cap.IsSquare(), x1, y1, x2, y2, box)) {
        sink.Rect(box.left, box.top, box.right, box.bottom);
    } else {
        PaintRoundWideLine(sink, cap, x1, y1, x2, y2);
    }
}

}  // namespace pelmora
