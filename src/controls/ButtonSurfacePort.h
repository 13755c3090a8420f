#pragma once

#include "controls/ButtonEvents.h"
#include "controls/ButtonFields.h"
#include "controls/CanvasPort.h"

#include <string>
#include <vector>

namespace pelmora {

// The hover button's window as its host (ButtonHost) drives it: what a front end's widget or
// window procedure carries out, and what it answers. Coordinates are in the surface's own units.
class ButtonSurfacePort {
public:
    virtual ~ButtonSurfacePort() = default;

    // The off-screen image changed: show it at the next paint (Invalidate) or at once (Refresh).
    virtual void Invalidate() = 0;
    virtual void Refresh() = 0;
    // The window's shape after a drawing changed it; none leaves the whole rectangle.
    virtual void SetShape(const std::vector<CanvasRect>& shape) = 0;
    // HoverTimer on or off; switched on, it ticks at once at its interval.
    virtual void SetHoverTimer(bool running) = 0;
    // While HoverTimer is on: stop its ticks without switching it off (resting), or let it tick
    // again. It rests while only the platform's notifications can change what a tick would find.
    virtual void RestHoverTimer(bool resting) = 0;
    virtual void Raise(const ButtonEventArgs& event) = 0;
    // To the next (or previous) control of the window's tab order, as a typed Tab would: after
    // the handlers of the key that asked for it.
    virtual void MoveFocus(bool forward) = 0;
    virtual void CaptureMouse() = 0;
    // The last mouse button went up: a capture taken by CaptureMouse ends.
    virtual void ReleaseMouse() = 0;
    // Is the window under the pointer this button's? Cut corners and windows on top count as not.
    virtual bool IsPointerOver() const = 0;
    // Canvas pixels to one unit of the surface's coordinates (1 where those are pixels).
    virtual double Scale() const = 0;

    // The values the surface keeps, as the properties set them.
    virtual void PropertyChanged(const std::string& name) = 0;  // the host's stored design is stale
    virtual void SetEnabled(bool enabled) = 0;                  // a disabled window takes no input
    virtual void SetFont(const ButtonFont& font) = 0;
    virtual void SetAccessKey(const std::string& key) = 0;  // pressed with Alt it clicks; "" for none
};

}  // namespace pelmora
