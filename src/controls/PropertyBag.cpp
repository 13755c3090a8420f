#include "controls/PropertyBag.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace pelmora {

std::string PropertyNameKey(std::string_view name)
{
    std::string key(name);
    for (char& c : key)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return key;
}

void PropertyBag::WriteProperty(std::string_view name, const PropertyValue& value, const PropertyValue& defaultValue)
{
    // A font is an object, the same as a default only when it is that very object; a control's
    // font is its own, so it is always stored, and the stored design keeps it when the window's
    // font changes.
    if (value == defaultValue && !std::holds_alternative<ButtonFont>(value)) {
        const std::string key = PropertyNameKey(name);
        std::erase_if(m_Entries, [&](const Entry& e) { return e.name == key; });
        return;
    }
    WriteProperty(name, value);
}

void PropertyBag::WriteProperty(std::string_view name, const PropertyValue& value)
{
    std::string key = PropertyNameKey(name);
    auto it = std::find_if(m_Entries.begin(), m_Entries.end(), [&](const Entry& e) { return e.name == key; });
    if (it != m_Entries.end())
        it->value = value;
    else
        m_Entries.push_back(Entry{std::move(key), value});
}

const PropertyValue* PropertyBag::Find(std::string_view name) const
{
    const std::string key = PropertyNameKey(name);
    for (const Entry& e : m_Entries)
        if (e.name == key) return &e.value;
    return nullptr;
}

PropertyValue PropertyBag::ReadProperty(std::string_view name, const PropertyValue& defaultValue) const
{
    const PropertyValue* stored = Find(name);
    return stored ? *stored : defaultValue;
}

namespace {

std::optional<std::int32_t> DecimalOf(std::string_view text)
{
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || text.empty()) return std::nullopt;
    return value;
}

std::optional<bool> BooleanOf(const PropertyValue& v)
{
    if (const bool* b = std::get_if<bool>(&v)) return *b;
    if (const auto* i = std::get_if<std::int32_t>(&v)) return *i != 0;
    if (const auto* s = std::get_if<std::string>(&v)) {
        const std::string key = PropertyNameKey(*s);
        if (key == "true") return true;
        if (key == "false") return false;
        if (auto i = DecimalOf(*s)) return *i != 0;
    }
    return std::nullopt;
}

std::optional<std::int32_t> Int32Of(const PropertyValue& v)
{
    if (const auto* i = std::get_if<std::int32_t>(&v)) return *i;
    if (const bool* b = std::get_if<bool>(&v)) return *b ? -1 : 0;
    if (const auto* s = std::get_if<std::string>(&v)) return DecimalOf(*s);
    return std::nullopt;
}

std::optional<std::string> StringOf(const PropertyValue& v)
{
    if (const auto* s = std::get_if<std::string>(&v)) return *s;
    if (const auto* i = std::get_if<std::int32_t>(&v)) return std::to_string(*i);
    if (const bool* b = std::get_if<bool>(&v)) return std::string(*b ? "True" : "False");
    return std::nullopt;
}

}  // namespace

bool ReadBoolean(const PropertyBag& bag, std::string_view name, bool defaultValue)
{
    const PropertyValue* v = bag.Find(name);
    return v ? BooleanOf(*v).value_or(defaultValue) : defaultValue;
}

std::int32_t ReadInt32(const PropertyBag& bag, std::string_view name, std::int32_t defaultValue)
{
    const PropertyValue* v = bag.Find(name);
    return v ? Int32Of(*v).value_or(defaultValue) : defaultValue;
}

std::string ReadString(const PropertyBag& bag, std::string_view name, const std::string& defaultValue)
{
    const PropertyValue* v = bag.Find(name);
    return v ? StringOf(*v).value_or(defaultValue) : defaultValue;
}

ButtonFont ReadFont(const PropertyBag& bag, std::string_view name, const ButtonFont& defaultValue)
{
    const PropertyValue* v = bag.Find(name);
    const ButtonFont* font = v ? std::get_if<ButtonFont>(v) : nullptr;
    return font ? *font : defaultValue;
}

}  // namespace pelmora
