#pragma once

#include <cstdint>
#include <string>

namespace pelmora {

// Events the hover button raises to its host, numbered in their declaration order.
enum class ButtonEvent : std::uint8_t {
    Click = 1,
    MouseDown,  // Button, Shift, X, Y
    MouseMove,  // Button, Shift, X, Y
    MouseUp,    // Button, Shift, X, Y
    KeyPress,   // KeyAscii
    KeyDown,    // KeyCode, Shift
    KeyUp,      // KeyCode, Shift
    MouseOver,
    MouseOut,
};

// Mouse button codes; in MouseMove the Button argument is the sum of the buttons held.
constexpr std::int16_t kMouseLeft = 1;
constexpr std::int16_t kMouseRight = 2;
constexpr std::int16_t kMouseMiddle = 4;

// An event with its arguments, exactly those the button received. Arguments an event does not
// carry stay 0.
struct ButtonEventArgs {
    ButtonEvent event = ButtonEvent::Click;
    std::int16_t button = 0;
    std::int16_t shift = 0;
    float x = 0;  // pixels
    float y = 0;
    std::int16_t keyCode = 0;
    std::int16_t keyAscii = 0;

    bool operator==(const ButtonEventArgs&) const = default;

    static ButtonEventArgs Plain(ButtonEvent e) { return {e, 0, 0, 0, 0, 0, 0}; }
    static ButtonEventArgs Mouse(ButtonEvent e, std::int16_t button, std::int16_t shift, float x, float y)
    {
        return {e, button, shift, x, y, 0, 0};
    }
    static ButtonEventArgs Key(ButtonEvent e, std::int16_t keyCode, std::int16_t shift)
    {
        return {e, 0, shift, 0, 0, keyCode, 0};
    }
    static ButtonEventArgs Press(std::int16_t keyAscii)
    {
        return {ButtonEvent::KeyPress, 0, 0, 0, 0, 0, keyAscii};
    }
};

// "Click", "MouseDown", ... as the host knows the events.
const char* ButtonEventName(ButtonEvent event);

// The event with its arguments, e.g. "MouseDown(1, 0, 5, 6)", "KeyPress(97)", "Click".
std::string Describe(const ButtonEventArgs& args);

}  // namespace pelmora
