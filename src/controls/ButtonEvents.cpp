#include "controls/ButtonEvents.h"

#include <cstdio>

namespace pelmora {

const char* ButtonEventName(ButtonEvent event)
{
    switch (event) {
    case ButtonEvent::Click: return "Click";
    case ButtonEvent::MouseDown: return "MouseDown";
    case ButtonEvent::MouseMove: return "MouseMove";
    case ButtonEvent::MouseUp: return "MouseUp";
    case ButtonEvent::KeyPress: return "KeyPress";
    case ButtonEvent::KeyDown: return "KeyDown";
    case ButtonEvent::KeyUp: return "KeyUp";
    case ButtonEvent::MouseOver: return "MouseOver";
    case ButtonEvent::MouseOut: return "MouseOut";
    }
    return "?";
}

std::string Describe(const ButtonEventArgs& args)
{
    std::string text = ButtonEventName(args.event);
    char buffer[96];
    switch (args.event) {
    case ButtonEvent::MouseDown:
    case ButtonEvent::MouseMove:
    case ButtonEvent::MouseUp:
        std::snprintf(buffer, sizeof buffer, "(%d, %d, %g, %g)", args.button, args.shift,
                      static_cast<double>(args.x), static_cast<double>(args.y));
        return text + buffer;
    case ButtonEvent::KeyDown:
    case ButtonEvent::KeyUp:
        std::snprintf(buffer, sizeof buffer, "(%d, %d)", args.keyCode, args.shift);
        return text + buffer;
    case ButtonEvent::KeyPress:
        std::snprintf(buffer, sizeof buffer, "(%d)", args.keyAscii);
        return text + buffer;
    default:
        return text;
    }
}

}  // namespace pelmora
