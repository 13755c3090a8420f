#pragma once

#include "controls/ButtonEvents.h"
#include "controls/ButtonFields.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace pelmora {

// What the front end must do after a step, one struct per kind, in the order the step lists them.
namespace effects {

// DrawButton(request) with `fields`, the values in force at that moment. They may differ from the
// step's final fields: the pressed-in drawing is made with m_Hover -1, which is reset to 0 right
// after.
struct Draw {
    std::int16_t request = 0;  // 0 plain, 1 press request
    ButtonFields fields;
};
struct Refresh {};       // copy the off-screen image to the screen now
struct EnableTimer {};   // start HoverTimer
struct DisableTimer {};  // stop HoverTimer
struct Raise {           // raise the event to the host
    ButtonEventArgs event;
};
struct SendTab {};       // move the focus to the next control of the window's tab order
struct SendShiftTab {};  // ... to the previous one
struct CaptureMouse {};  // capture the mouse for the button's window
struct NotifyChanged {   // tell the host that the property changed (its stored design is stale)
    std::string property;
};
struct SurfaceEnabled {  // enable or disable the button's window
    bool enabled = false;
};
struct SurfaceFont {
    ButtonFont font;
};
struct SurfaceForeColor {
    Colour colour = 0;
};
struct AccessKeys {  // the surface's access keys ("" for none)
    std::string keys;
};

}  // namespace effects

using ButtonEffect =
    std::variant<effects::Draw, effects::Refresh, effects::EnableTimer, effects::DisableTimer, effects::Raise,
                 effects::SendTab, effects::SendShiftTab, effects::CaptureMouse, effects::NotifyChanged,
                 effects::SurfaceEnabled, effects::SurfaceFont, effects::SurfaceForeColor, effects::AccessKeys>;

// A readable form for logs and tests: "DrawButton(0)", "DrawButton(1) hover" (drawn with
// m_Hover -1), "Refresh", "TimerOn", "TimerOff", "Raise MouseDown(1, 0, 5, 6)", "SendTab",
// "SendShiftTab", "CaptureMouse", "Notify Enabled", "SurfaceEnabled 0", "SurfaceFont Arial",
// "SurfaceForeColor &H80000006&", "AccessKeys a", "AccessKeys (none)".
std::string Describe(const ButtonEffect& effect);

// The effects joined by "; ".
std::string Describe(const std::vector<ButtonEffect>& effects);

}  // namespace pelmora
