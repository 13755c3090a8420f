#pragma once

// Hover buttons made from a window's design, and their entries written back into it.

#include "CommandButton.h"
#include "designs/WindowDesign.h"

#include <functional>
#include <vector>

namespace pelmora::qt {

// A window's fore colour when its design gives none: the button-text colour.
constexpr Colour kHostForeColour = SystemColour(18);

// What a designed window offers its buttons: its font (the design's default when it has none),
// its fore colour, and the button's name.
ButtonAmbient HostOf(const designs::ControlDesign& button, const designs::WindowDesign& window);

// A button's stored entries as a property bag; an entry whose value does not read is left out,
// so it reads as its default.
PropertyBag BagOfEntries(const std::vector<designs::PropertyEntry>& entries);

// The bag's entries in the design's text form, in the bag's order; values that cannot be
// written as text are left out.
std::vector<designs::PropertyEntry> EntriesOfBag(const PropertyBag& bag);

// The design's entries after the button has written its properties over them; the host's own
// entries ("_extentx", "_extenty") stay as they were.
std::vector<designs::PropertyEntry> WriteButtonEntries(const CommandButton& button,
                                                       const std::vector<designs::PropertyEntry>& stored);

// A hover button from its design: named, placed and shown as designed, its properties read from
// its entries; `onClick` runs on every Click.
CommandButton* CreateCommandButton(const designs::ControlDesign& design, const designs::WindowDesign& window,
                                   QWidget* parent, const std::function<void()>& onClick);

}  // namespace pelmora::qt
