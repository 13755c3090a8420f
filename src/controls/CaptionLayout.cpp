#include "controls/CaptionLayout.h"

namespace pelmora {

int HalfRoundedToEven(int n)
{
    const int floorHalf = (n >= 0 ? n : n - 1) / 2;
    if (n % 2 == 0) return floorHalf;
    return floorHalf % 2 == 0 ? floorHalf : floorHalf + 1;
}

CanvasRect CaptionTargetRect(int scaleWidth, int scaleHeight, int textHeight)
{
    // H/2 - h/2 and H/2 + h/2 are (H - h)/2 and (H + h)/2: halves of integers.
    return {0, HalfRoundedToEven(scaleHeight - textHeight), scaleWidth,
            HalfRoundedToEven(scaleHeight + textHeight)};
}

}  // namespace pelmora
