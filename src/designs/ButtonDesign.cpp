#include "designs/ButtonDesign.h"

namespace pelmora::designs {

ButtonAmbient AmbientOf(const ControlDesign& button, const WindowDesign& window)
{
    return ButtonAmbient{window.font.value_or(ButtonFont{}), kHostForeColour, button.name};
}

}  // namespace pelmora::designs
