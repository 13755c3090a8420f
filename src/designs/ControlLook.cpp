#include "designs/ControlLook.h"

#include <algorithm>
#include <cctype>

namespace pelmora::designs {

namespace {

bool SameLetters(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

bool Framed(const ControlDesign& control)
{
    return control.borderStyle.value_or(BorderStyle::FixedSingle) != BorderStyle::None;
}

bool Sunken(const ControlDesign& control) { return control.kind == ControlKind::PictureBox && Framed(control); }

bool Opaque(const ControlDesign& control)
{
    return control.kind == ControlKind::PictureBox || control.backColor.has_value();
}

bool WantsHandPointer(const ControlDesign& control) { return control.mousePointer == "Hand"; }

bool HeldWithoutWindow(const ControlDesign& control)
{
    return !control.visible && control.kind != ControlKind::CommandButton && control.kind != ControlKind::Menu &&
           control.kind != ControlKind::MenuItem;
}

bool WrapsWords(const ControlDesign& control) { return !control.autoSize; }

ButtonFont FontOf(const ControlDesign& control, const WindowDesign& window)
{
    return control.font.value_or(window.font.value_or(ButtonFont{}));
}

int SubstituteStretch(const ButtonFont& font) { return SameLetters(font.name, "MS Sans Serif") ? 88 : 100; }

}  // namespace pelmora::designs
