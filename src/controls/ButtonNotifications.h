#pragma once

#include <cstdint>
#include <variant>

namespace pelmora {

// What the hover button's window tells it, one struct per notification. Mouse buttons are coded
// 1 left, 2 right, 4 middle (in MouseMove the set held); Shift is Shift 1, Ctrl 2, Alt 4; x and y
// are pixels. `pointerOver` is the answer of IsPointerOver (is the window under the pointer this
// button's window?) asked when the notification came.
namespace notifications {

struct Resize {
    std::int32_t width = 0;  // the new client size in pixels
    std::int32_t height = 0;
};
struct Show {};
struct GotFocus {};
struct LostFocus {};
struct InputTaken {};  // another window (a box, a popup menu) takes the keys while the focus stays
struct MouseDown {
    std::int16_t button = 0;
    std::int16_t shift = 0;
    float x = 0;
    float y = 0;
};
struct MouseMove {
    std::int16_t button = 0;
    std::int16_t shift = 0;
    float x = 0;
    float y = 0;
    bool pointerOver = false;
};
struct MouseUp {
    std::int16_t button = 0;
    std::int16_t shift = 0;
    float x = 0;
    float y = 0;
};
struct Click {};     // the platform's click: press and release on the button
struct DblClick {};  // second press of a double-click
struct KeyDown {
    std::int16_t keyCode = 0;
    std::int16_t shift = 0;
};
struct KeyPress {
    std::int16_t keyAscii = 0;
};
struct KeyUp {
    std::int16_t keyCode = 0;
    std::int16_t shift = 0;
};
struct AccessKeyPress {};  // the access key pressed with Alt
struct TimerTick {         // HoverTimer
    bool pointerOver = false;
};

}  // namespace notifications

using ButtonNotification =
    std::variant<notifications::Resize, notifications::Show, notifications::GotFocus, notifications::LostFocus,
                 notifications::InputTaken, notifications::MouseDown, notifications::MouseMove,
                 notifications::MouseUp, notifications::Click, notifications::DblClick, notifications::KeyDown,
                 notifications::KeyPress, notifications::KeyUp, notifications::AccessKeyPress,
                 notifications::TimerTick>;

}  // namespace pelmora
