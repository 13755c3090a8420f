#pragma once

#include "controls/ButtonEvents.h"
#include "controls/ButtonFields.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pelmora {

// What the front end must do after a step, in the order the step lists them.
enum class ButtonEffectKind : std::uint8_t {
    DrawButton,           // DrawButton(request) with `fields`, the values in force at that moment
    Refresh,              // copy the off-screen image to the screen now
    EnableTimer,          // start HoverTimer
    DisableTimer,         // stop HoverTimer
    Raise,                // raise `event` to the host
    SendTab,              // move the focus to the next control of the window's tab order
    SendShiftTab,         // ... to the previous one
    CaptureMouse,         // capture the mouse for the button's window
    NotifyChanged,        // tell the host that property `text` changed (its stored design is stale)
    SetSurfaceEnabled,    // enable or disable the button's window (`enabled`)
    SetSurfaceFont,       // the surface's font is now `font`
    SetSurfaceForeColor,  // the surface's fore colour is now `colour`
    SetAccessKeys,        // the surface's access keys are now `text` ("" for none)
};

// One effect. Only the members its kind names are meaningful.
struct ButtonEffect {
    ButtonEffectKind kind = ButtonEffectKind::Refresh;
    std::int16_t request = 0;  // DrawButton: 0 plain, 1 press request
    // DrawButton: a snapshot of the fields to draw with. It may differ from the step's final
    // fields: the pressed-in drawing is made with m_Hover -1, which is reset to 0 right after.
    ButtonFields fields;
    ButtonEventArgs event;  // Raise
    std::string text;       // NotifyChanged, SetAccessKeys
    bool enabled = false;   // SetSurfaceEnabled
    ButtonFont font;        // SetSurfaceFont
    Colour colour = 0;      // SetSurfaceForeColor

    static ButtonEffect Of(ButtonEffectKind kind)
    {
        ButtonEffect effect;
        effect.kind = kind;
        return effect;
    }
    static ButtonEffect Draw(std::int16_t request, const ButtonFields& fields);
    static ButtonEffect Raise(const ButtonEventArgs& event);
    static ButtonEffect Notify(std::string property);
    static ButtonEffect SurfaceEnabled(bool enabled);
    static ButtonEffect SurfaceFont(const ButtonFont& font);
    static ButtonEffect SurfaceForeColor(Colour colour);
    static ButtonEffect AccessKeys(std::string keys);
};

// A readable form for logs and tests: "DrawButton(0)", "DrawButton(1) hover" (drawn with
// m_Hover -1), "Refresh", "TimerOn", "TimerOff", "Raise MouseDown(1, 0, 5, 6)", "SendTab",
// "SendShiftTab", "CaptureMouse", "Notify Enabled", "SurfaceEnabled 0", "SurfaceFont Arial",
// "SurfaceForeColor &H80000006&", "AccessKeys a", "AccessKeys (none)".
std::string Describe(const ButtonEffect& effect);

// The effects joined by "; ".
std::string Describe(const std::vector<ButtonEffect>& effects);

}  // namespace pelmora
