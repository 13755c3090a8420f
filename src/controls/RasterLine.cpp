#include "controls/RasterLine.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace pelmora {
namespace {

void PutPixel(const PixelView& view, int x, int y, std::uint32_t pixel)
{
    if (x >= 0 && y >= 0 && x < view.width && y < view.height) view.Row(y)[x] = pixel;
}

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

void StampCap(const PixelView& view, const PenCap& cap, int x, int y, std::uint32_t pixel)
{
    const int left = x - cap.Width() / 2;
    const int top = y - cap.Width() / 2;
    const auto& rows = cap.Rows();
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        FillPixels(view, {left + rows[i].left, top + i, left + rows[i].right + 1, top + i + 1}, pixel);
    }
}

}  // namespace

// The platform builds an ellipse region by the midpoint method on the box shrunk by one pixel,
// then mirrors the lower half's rows to the upper half; rows the loop does not reach keep the
// last inset found.
void EllipseSpans(int width, int height, std::vector<PixelSpan>& rows)
{
    rows.assign(static_cast<std::size_t>(std::max(height, 0)), PixelSpan{0, width - 1});
    if (width < 2 || height < 2) return;
    const long long a = width - 1;
    const long long b = height - 1;
    const long long asq = 8 * a * a;
    const long long bsq = 8 * b * b;
    long long dx = 4 * b * b * (1 - a);
    long long dy = 4 * a * a * (1 + (b % 2));
    long long err = dx + dy + a * a * (b % 2);

    const int middle = height / 2;
    int x = 0;
    int y = middle;
    int lastSet = middle;
    while (x <= width / 2) {
        const long long e2 = 2 * err;
        if (e2 >= dx) {
            ++x;
            dx += bsq;
            err += dx;
        }
        if (e2 <= dy) {
            ++y;
            dy += asq;
            err += dy;
            if (y < height) {
                rows[y] = {x, width - 1 - x};
                lastSet = y;
            }
        }
    }
    for (int j = lastSet + 1; j < height; ++j) rows[j] = rows[lastSet];
    for (int i = 0; i < middle; ++i) rows[i] = rows[b - i];
}

void PenCap::SetWidth(int width)
{
    if (width == m_Width) return;
    m_Width = width;
    EllipseSpans(width, width, m_Rows);
}

void PaintThinLine(const PixelView& view, int x1, int y1, int x2, int y2, std::uint32_t pixel)
{
    if (y1 == y2) {
        const int from = x1 < x2 ? x1 : x2 + 1;
        const int to = x1 < x2 ? x2 : x1 + 1;
        FillPixels(view, {from, y1, to, y1 + 1}, pixel);
    } else if (x1 == x2) {
        const int from = y1 < y2 ? y1 : y2 + 1;
        const int to = y1 < y2 ? y2 : y1 + 1;
        FillPixels(view, {x1, from, x1 + 1, to}, pixel);
    } else {
        WalkPath(x1, y1, x2, y2, [&](int x, int y) { PutPixel(view, x, y, pixel); });
    }
}

void PaintWideLine(const PixelView& view, const PenCap& cap, int x1, int y1, int x2, int y2,
                   std::uint32_t pixel)
{
    const int w = cap.Width();
    const int before = w / 2;  // rows (or columns) of the band before the centre line
    if (y1 == y2) {
        FillPixels(view, {std::min(x1, x2), y1 - before, std::max(x1, x2), y1 - before + w}, pixel);
    } else if (x1 == x2) {
        FillPixels(view, {x1 - before, std::min(y1, y2), x1 - before + w, std::max(y1, y2)}, pixel);
    } else {
        WalkPath(x1, y1, x2, y2, [&](int x, int y) { StampCap(view, cap, x, y, pixel); });
    }
    StampCap(view, cap, x1, y1, pixel);
    StampCap(view, cap, x2, y2, pixel);
}

}  // namespace pelmora
