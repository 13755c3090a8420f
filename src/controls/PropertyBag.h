#pragma once

#include "controls/ButtonFields.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace pelmora {

// A stored property: Boolean, 32-bit integer, string or font.
using PropertyValue = std::variant<bool, std::int32_t, std::string, ButtonFont>;

// A control's named values as its window design stores them. Names are compared without regard
// to case and kept in lower case; entries keep the order in which they were first written.
class PropertyBag {
public:
    struct Entry {
        std::string name;
        PropertyValue value;
        bool operator==(const Entry&) const = default;
    };

    // Stores the value unless it equals the default; then an earlier entry of that name goes. A
    // font, an object of its own, never equals the default.
    void WriteProperty(std::string_view name, const PropertyValue& value, const PropertyValue& defaultValue);
    // Stores the value whatever it is.
    void WriteProperty(std::string_view name, const PropertyValue& value);

    // The stored value as it was stored, or the default when the name is not stored.
    PropertyValue ReadProperty(std::string_view name, const PropertyValue& defaultValue) const;

    const PropertyValue* Find(std::string_view name) const;
    const std::vector<Entry>& Entries() const { return m_Entries; }

    bool operator==(const PropertyBag&) const = default;

private:
    std::vector<Entry> m_Entries;
};

// Reads converted to the type the caller wants: Boolean and integer convert into each other
// (True is -1, any non-zero integer is True), strings hold "True"/"False" or a decimal integer,
// and integers and Booleans read as strings in those forms. A value that cannot be converted
// reads as the default.
bool ReadBoolean(const PropertyBag& bag, std::string_view name, bool defaultValue);
std::int32_t ReadInt32(const PropertyBag& bag, std::string_view name, std::int32_t defaultValue);
std::string ReadString(const PropertyBag& bag, std::string_view name, const std::string& defaultValue);
ButtonFont ReadFont(const PropertyBag& bag, std::string_view name, const ButtonFont& defaultValue);

// ASCII lower case, as names are kept.
std::string PropertyNameKey(std::string_view name);

}  // namespace pelmora
