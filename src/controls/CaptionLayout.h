#pragma once

#include "controls/CanvasPort.h"

namespace pelmora {

// n / 2 rounded to the nearest integer, a half going to the even one (11.5 -> 12, 18.5 -> 18).
int HalfRoundedToEven(int n);

// Where a caption `textHeight` pixels high is drawn on a surface of the given scale size: the
// full width, and the rows from H/2 - h/2 to H/2 + h/2, each rounded half to even.
CanvasRect CaptionTargetRect(int scaleWidth, int scaleHeight, int textHeight);

}  // namespace pelmora
