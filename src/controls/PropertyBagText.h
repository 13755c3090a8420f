#pragma once

// The text of a button's property entries in a window design: one entry per line,
//
//     name = value
//
// with no indentation and no line end (the design file adds both). Names are lower case
// letters, digits and "_" ("caption", "forecolor", "_extentx"). A value is one of:
//
//     caption = "Save ""all"""                  string: in double quotes, a quote doubled
//     forecolor = &H80000012&                   32-bit integer: &H, eight upper-case hex
//                                               digits of its bits, &
//     enabled = 0                               Boolean: 0 False, -1 True
//     font = {"MS Sans Serif", 8.25, 700, 0, -1, 0, 0}
//                                               font: name, size in points (the shortest
//                                               decimal that reads back the same), weight,
//                                               character set, italic, underline, strikethrough
//
// Only exactly this form is read, so writing what was read gives the text back byte for byte.
// Strings cannot hold CR, LF or NUL, and a font size must be finite; such values are refused
// when writing rather than written into a line that would not read back.

#include "controls/PropertyBag.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// One stored entry as a window design keeps it: its name and its value's text.
struct PropertyEntry {
    std::string name;
    std::string value;
    bool operator==(const PropertyEntry&) const = default;
};

// The value's text; nothing when the value cannot be written.
std::optional<std::string> FormatPropertyValue(const PropertyValue& value);
// The value of a text in the form above; nothing for any other text.
std::optional<PropertyValue> ParsePropertyValue(std::string_view text);

struct PropertyLinesResult {
    std::vector<std::string> lines;
    std::string error;  // empty on success; names the entry that could not be written
};

struct PropertyBagResult {
    PropertyBag bag;
    std::string error;  // empty on success; "line N: ..." counted from 1 among the given lines
};

// The bag's entries as lines, in the bag's order.
PropertyLinesResult WritePropertyLines(const PropertyBag& bag);
// A bag of the given lines, in their order; a malformed line or a repeated name is an error.
PropertyBagResult ReadPropertyLines(const std::vector<std::string>& lines);

// Stored entries as a bag; an entry whose value does not read is left out, so it reads as its
// default.
PropertyBag BagOfEntries(const std::vector<PropertyEntry>& entries);
// The bag's entries in their text form, in the bag's order; values that cannot be written as
// text are left out.
std::vector<PropertyEntry> EntriesOfBag(const PropertyBag& bag);

}  // namespace pelmora
