#include "controls/RasterLine.h"

#include <algorithm>

namespace pelmora {

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

void PenCap::Build(int width)
{
    m_Width = width;
    EllipseSpans(width, width, m_Rows);
    m_Square = std::all_of(m_Rows.begin(), m_Rows.end(),
                           [width](const PixelSpan& row) { return row.left == 0 && row.right == width - 1; });
}

}  // namespace pelmora
