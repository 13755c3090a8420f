#pragma once

#include "controls/ButtonProperties.h"
#include "designs/WindowDesign.h"

namespace pelmora::designs {

// A window's fore colour when its design gives none: the button-text colour.
constexpr Colour kHostForeColour = SystemColour(18);

// What a designed window offers its hover buttons: its font (the design's default when it has
// none), its fore colour, and the button's name.
ButtonAmbient AmbientOf(const ControlDesign& button, const WindowDesign& window);

}  // namespace pelmora::designs
