#pragma once

#include "designs/WindowDesign.h"

#include <string>

namespace pelmora::designs {

// How a designed control looks, decided once for every front end; each toolkit only says it in
// its own terms.

// A text box or picture box has its frame unless its design says None.
bool Framed(const ControlDesign& control);

// A picture box, framed, is sunk into the window; an image never has a frame.
bool Sunken(const ControlDesign& control);

// A picture box fills its rest with its back colour, as does an image given one; any other image
// lets the window show through.
bool Opaque(const ControlDesign& control);

// The hand pointer over the controls whose design asks for it.
bool WantsHandPointer(const ControlDesign& control);

// A hidden label, text box or picture is never shown: it keeps its text without a window or a
// widget, which would only cost the start. A hidden button keeps its own, which holds its state.
bool HeldWithoutWindow(const ControlDesign& control);

// A label sized to its text keeps it on one line; any other wraps its words.
bool WrapsWords(const ControlDesign& control);

// A control's font: its own, else its window's, else the designs' default.
ButtonFont FontOf(const ControlDesign& control, const WindowDesign& window);

// Where the classic dialog face is missing its stand-in runs about a tenth wider: narrowed to this
// share (in percent), captions keep fitting the controls the designs measured for it. 100 for any
// other face.
int SubstituteStretch(const ButtonFont& font);

// The toolkit's value for a control's horizontal alignment, left unless the design says otherwise.
template <typename Value>
Value AlignmentOf(const ControlDesign& control, Value left, Value center, Value right)
{
    switch (control.alignment.value_or(Alignment::Left)) {
    case Alignment::Center: return center;
    case Alignment::Right: return right;
    case Alignment::Left: break;
    }
    return left;
}

// The control of a design's kind from a front end's maker: its Label(), TextBox(), Picture()
// (picture boxes and images) or Button(). Menus are made with the menu bar: `Made{}` for them.
template <typename Made, typename Maker>
Made MakeByKind(const ControlDesign& control, Maker& maker)
{
    switch (control.kind) {
    case ControlKind::Label: return maker.Label();
    case ControlKind::TextBox: return maker.TextBox();
    case ControlKind::PictureBox:
    case ControlKind::Image: return maker.Picture();
    case ControlKind::CommandButton: return maker.Button();
    case ControlKind::Menu:
    case ControlKind::MenuItem: break;
    }
    return Made{};
}

}  // namespace pelmora::designs
