#pragma once

// The hover button's reaction to its window's notifications, as a pure step:
//
//     ButtonStepResult r = Step(state, notification);
//     state = r.state;                          // keep the new state first,
//     for (const ButtonEffect& e : r.effects)   // then carry out the effects in order:
//         switch (e.kind) {
//         case ButtonEffectKind::DrawButton: {  // with the effect's fields, not the state's
//             ButtonFields drawn = e.fields;
//             DrawButton(drawn, state.surface, canvas, e.request);
//             KeepDrawnRegion(state, drawn);
//             break;
//         }
//         case ButtonEffectKind::Refresh: ...   // copy the off-screen image to the screen now
//         case ButtonEffectKind::EnableTimer: ... // HoverTimer, kHoverTimerIntervalMs
//         case ButtonEffectKind::Raise: ...     // e.event to the host
//         ...
//         }
//
// The property functions (ButtonProperties.h) return the same kind of result.
//
// A front end translates each platform event into a ButtonNotification. Only MouseMove and
// TimerTick need `pointerOver`, the answer of IsPointerOver (is the window under the pointer
// this button's window?) asked at that moment. Nothing here keeps time or touches a window,
// so every rule can be tested without either.

#include "controls/ButtonInteractionEffect.h"
#include "controls/ButtonInteractionState.h"

#include <cstdint>
#include <vector>

namespace pelmora {

constexpr int kHoverTimerIntervalMs = 1;

// Key codes the button reacts to.
constexpr std::int16_t kKeyEnter = 13;
constexpr std::int16_t kKeySpace = 32;
constexpr std::int16_t kKeyLeft = 37;
constexpr std::int16_t kKeyUp = 38;
constexpr std::int16_t kKeyRight = 39;
constexpr std::int16_t kKeyDown = 40;

enum class ButtonNotificationKind : std::uint8_t {
    Resize,          // width, height: the new client size in pixels
    Show,
    GotFocus,
    LostFocus,
    MouseDown,       // button, shift, x, y
    MouseMove,       // button (the set held), shift, x, y, pointerOver
    MouseUp,         // button, shift, x, y
    Click,           // the platform's click: press and release on the button
    DblClick,        // second press of a double-click
    KeyDown,         // keyCode, shift
    KeyPress,        // keyAscii
    KeyUp,           // keyCode, shift
    AccessKeyPress,  // the access key pressed with Alt
    TimerTick,       // HoverTimer; pointerOver
};

struct ButtonNotification {
    ButtonNotificationKind kind = ButtonNotificationKind::Show;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int16_t button = 0;
    std::int16_t shift = 0;
    float x = 0;
    float y = 0;
    std::int16_t keyCode = 0;
    std::int16_t keyAscii = 0;
    bool pointerOver = false;

    static ButtonNotification Resize(std::int32_t width, std::int32_t height);
    static ButtonNotification Show() { return Of(ButtonNotificationKind::Show); }
    static ButtonNotification GotFocus() { return Of(ButtonNotificationKind::GotFocus); }
    static ButtonNotification LostFocus() { return Of(ButtonNotificationKind::LostFocus); }
    static ButtonNotification MouseDown(std::int16_t button, std::int16_t shift, float x, float y);
    static ButtonNotification MouseMove(std::int16_t button, std::int16_t shift, float x, float y,
                                        bool pointerOver);
    static ButtonNotification MouseUp(std::int16_t button, std::int16_t shift, float x, float y);
    static ButtonNotification Click() { return Of(ButtonNotificationKind::Click); }
    static ButtonNotification DblClick() { return Of(ButtonNotificationKind::DblClick); }
    static ButtonNotification KeyDown(std::int16_t keyCode, std::int16_t shift);
    static ButtonNotification KeyPress(std::int16_t keyAscii);
    static ButtonNotification KeyUp(std::int16_t keyCode, std::int16_t shift);
    static ButtonNotification AccessKeyPress() { return Of(ButtonNotificationKind::AccessKeyPress); }
    static ButtonNotification TimerTick(bool pointerOver);

private:
    static ButtonNotification Of(ButtonNotificationKind kind)
    {
        ButtonNotification n;
        n.kind = kind;
        return n;
    }
};

struct ButtonStepResult {
    ButtonState state;
    std::vector<ButtonEffect> effects;
};

// DrawButton leaves the window region it built in the fields it drew with; the state keeps it.
inline void KeepDrawnRegion(ButtonState& state, const ButtonFields& drawn)
{
    state.fields.m_Region = drawn.m_Region;
    state.fields.m_ScratchRegion = drawn.m_ScratchRegion;
}

// Handles one notification. Like the platform, the step takes no input (mouse, keys, access key,
// GotFocus) while the surface is disabled, and no tick while HoverTimer is off, so a front end
// may forward everything it receives.
ButtonStepResult Step(const ButtonState& state, const ButtonNotification& notification);

}  // namespace pelmora
