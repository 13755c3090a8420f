#pragma once

// The hover button's public properties and their storage, as pure functions like Step
// (ButtonInteraction.h): each returns the new state and the effects to carry out in order.
//
//   Property   read from the state          set with
//   Enabled    fields.m_Enabled (-1 True)   SetEnabled
//   Font       surface.font                 SetFont
//   Caption    fields.m_Caption             SetCaption
//   ForeColor  surface.foreColor            SetForeColor
//   ForeHover  fields.m_ForeHover           SetForeHover
//
// Every setter but SetForeHover redraws at once; a new ForeHover shows at the next redraw.

#include "controls/ButtonInteraction.h"
#include "controls/PropertyBag.h"

#include <string>

namespace pelmora {

// What the button asks of the window (or designer) that holds it.
struct ButtonAmbient {
    ButtonFont font;          // the host's font
    Colour foreColor = 0;     // the host's fore colour
    std::string displayName;  // this button's control name, e.g. "CommandButton1"
};

// Names as the host is notified of them and as the bag is asked for them.
inline constexpr const char* kPropertyEnabled = "Enabled";
inline constexpr const char* kPropertyFont = "Font";
inline constexpr const char* kPropertyCaption = "Caption";
inline constexpr const char* kPropertyForeColor = "ForeColor";
inline constexpr const char* kPropertyForeHover = "ForeHover";

// m_Enabled; NotifyChanged "Enabled"; SetSurfaceEnabled; DrawButton(0).
ButtonStepResult SetEnabled(const ButtonState& state, bool enabled);
// SetSurfaceFont; DrawButton(0); NotifyChanged "Font".
ButtonStepResult SetFont(const ButtonState& state, const ButtonFont& font);
// m_Caption; DrawButton(0); SetAccessKeys; NotifyChanged "Caption".
ButtonStepResult SetCaption(const ButtonState& state, const std::string& caption);
// SetSurfaceForeColor; DrawButton(0); NotifyChanged "ForeColor".
ButtonStepResult SetForeColor(const ButtonState& state, Colour colour);
// m_ForeHover; NotifyChanged "ForeHover".
ButtonStepResult SetForeHover(const ButtonState& state, Colour colour);

// A button newly placed on a window: the host's font, caption "Command" plus the display name
// from its 14th character on ("CommandButton7" gives "Command7"), enabled. No redraw, no
// access key.
ButtonStepResult InitProperties(const ButtonState& state, const ButtonAmbient& host);

// A stored button coming back: Enabled, Font, Caption, ForeColor, ForeHover read in that
// order (ForeHover defaults to the ForeColor just read), then the surface's enabled state and
// access key. No redraw: the first drawing comes with Resize or Show.
ButtonStepResult ReadProperties(const ButtonState& state, const PropertyBag& bag, const ButtonAmbient& host);

// Stores the properties into the host's bag (beside its own entries), each only when it
// differs from its default, except ForeColor which is always stored. ForeHover's default here
// is the host's fore colour, unlike when reading.
void WriteProperties(const ButtonState& state, PropertyBag& bag, const ButtonAmbient& host);

}  // namespace pelmora
