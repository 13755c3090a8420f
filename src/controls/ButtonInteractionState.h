#pragma once

#include "controls/ButtonFields.h"

namespace pelmora {

// Everything the button's logic reads and writes: its fields, the values its surface keeps and
// whether HoverTimer runs. A front end holds one per button and replaces it after every step.
struct ButtonState {
    ButtonFields fields;
    ButtonSurface surface;
    bool hoverTimerOn = false;
};

// The hover state is the triple (m_Hover, m_InsideSeen, HoverTimer running).
enum class HoverState {
    Idle,             //  0, 0, off: the pointer has not been seen inside
    Entered,          // -1, 0, on:  hover look shown; the next inside move is still reported
    Settled,          // -1, 1, on:  hover look shown; further inside moves are ignored
    PressedInPolled,  //  0, 1, on:  left button held on a move inside after the hover look started
    PressedIn,        //  0, 1, off: came in from Idle with the left button held
    Other,            // any other triple; no step leads there
};

HoverState HoverStateOf(const ButtonState& state);

// "Idle", "Entered", "Settled", "Pressed-in, polled", "Pressed-in", "Other".
const char* HoverStateName(HoverState hoverState);

}  // namespace pelmora
