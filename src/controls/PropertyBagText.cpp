#include "controls/PropertyBagText.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace pelmora {

namespace {

constexpr std::string_view kSeparator = " = ";

std::optional<std::string> Quoted(std::string_view text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '\r' || c == '\n' || c == '\0') return std::nullopt;
        out += c;
        if (c == '"') out += '"';
    }
    return out + "\"";
}

const char* BooleanText(bool b) { return b ? "-1" : "0"; }

// A name in double quotes, for messages. Appended piece by piece: a literal put in front of a
// temporary string shifts the string's text, and GCC's overlap check warns about that copy.
std::string InQuotes(std::string_view name)
{
    std::string quoted;
    quoted.reserve(name.size() + 2);
    quoted.append(1, '"').append(name).append(1, '"');
    return quoted;
}

std::optional<std::string> FontText(const ButtonFont& font)
{
    std::optional<std::string> name = Quoted(font.name);
    if (!name || !std::isfinite(font.size)) return std::nullopt;
    char size[32];
    const auto result = std::to_chars(size, size + sizeof size, font.size);
    return "{" + *name + ", " + std::string(size, result.ptr) + ", " + std::to_string(font.weight) + ", " +
           std::to_string(font.charset) + ", " + BooleanText(font.italic) + ", " + BooleanText(font.underline) +
           ", " + BooleanText(font.strikethrough) + "}";
}

// Reads a quoted string at the start of `text`; `rest` is what follows the closing quote.
std::optional<std::string> Unquote(std::string_view text, std::string_view& rest)
{
    if (text.empty() || text[0] != '"') return std::nullopt;
    std::string out;
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i] != '"') {
            out += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == '"') {
            out += '"';
            ++i;
        } else {
            rest = text.substr(i + 1);
            return out;
        }
    }
    return std::nullopt;
}

template <typename T>
bool NumberOf(std::string_view text, T& value)
{
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && !text.empty();
}

std::optional<bool> BooleanOf(std::string_view text)
{
    if (text == "-1") return true;
    if (text == "0") return false;
    return std::nullopt;
}

// Splits "a, b, c" into its fields.
std::vector<std::string_view> Fields(std::string_view text)
{
    std::vector<std::string_view> fields;
    while (true) {
        const std::size_t comma = text.find(", ");
        fields.push_back(text.substr(0, comma));
        if (comma == std::string_view::npos) return fields;
        text.remove_prefix(comma + 2);
    }
}

std::optional<ButtonFont> FontOf(std::string_view text)
{
    if (text.size() < 2 || text.front() != '{' || text.back() != '}') return std::nullopt;
    std::string_view rest;
    ButtonFont font;
    std::optional<std::string> name = Unquote(text.substr(1, text.size() - 2), rest);
    if (!name || rest.substr(0, 2) != ", ") return std::nullopt;
    font.name = *name;
    const std::vector<std::string_view> f = Fields(rest.substr(2));
    if (f.size() != 6) return std::nullopt;
    const auto italic = BooleanOf(f[3]), underline = BooleanOf(f[4]), strike = BooleanOf(f[5]);
    if (!NumberOf(f[0], font.size) || !NumberOf(f[1], font.weight) || !NumberOf(f[2], font.charset) || !italic ||
        !underline || !strike)
        return std::nullopt;
    font.italic = *italic;
    font.underline = *underline;
    font.strikethrough = *strike;
    return font;
}

std::optional<std::int32_t> IntegerOf(std::string_view text)
{
    if (text.size() != 11 || text.substr(0, 2) != "&H" || text.back() != '&') return std::nullopt;
    std::uint32_t bits = 0;
    const std::string_view digits = text.substr(2, 8);
    const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), bits, 16);
    if (ec != std::errc() || ptr != digits.data() + digits.size()) return std::nullopt;
    return static_cast<std::int32_t>(bits);
}

std::optional<PropertyValue> ParseLoosely(std::string_view text)
{
    if (text.empty()) return std::nullopt;
    if (text[0] == '"') {
        std::string_view rest;
        std::optional<std::string> s = Unquote(text, rest);
        if (!s || !rest.empty()) return std::nullopt;
        return PropertyValue{*s};
    }
    if (text[0] == '{') {
        if (auto font = FontOf(text)) return PropertyValue{*font};
        return std::nullopt;
    }
    if (text[0] == '&') {
        if (auto i = IntegerOf(text)) return PropertyValue{*i};
        return std::nullopt;
    }
    if (auto b = BooleanOf(text)) return PropertyValue{*b};
    return std::nullopt;
}

bool IsName(std::string_view name)
{
    if (name.empty()) return false;
    for (char c : name)
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_')) return false;
    return true;
}

}  // namespace

std::optional<std::string> FormatPropertyValue(const PropertyValue& value)
{
    if (const bool* b = std::get_if<bool>(&value)) return std::string(BooleanText(*b));
    if (const auto* i = std::get_if<std::int32_t>(&value)) {
        char text[16];
        std::snprintf(text, sizeof text, "&H%08X&", static_cast<unsigned>(static_cast<std::uint32_t>(*i)));
        return std::string(text);
    }
    if (const auto* s = std::get_if<std::string>(&value)) return Quoted(*s);
    return FontText(std::get<ButtonFont>(value));
}

std::optional<PropertyValue> ParsePropertyValue(std::string_view text)
{
    // Accept only what writing gives back unchanged (no leading zeros, "8.250", lower-case hex).
    std::optional<PropertyValue> value = ParseLoosely(text);
    if (!value || FormatPropertyValue(*value) != text) return std::nullopt;
    return value;
}

PropertyLinesResult WritePropertyLines(const PropertyBag& bag)
{
    PropertyLinesResult result;
    for (const PropertyBag::Entry& entry : bag.Entries()) {
        std::optional<std::string> value = FormatPropertyValue(entry.value);
        if (!IsName(entry.name) || !value) {
            result.lines.clear();
            result.error = "property \"" + entry.name + "\" cannot be written as a design entry";
            return result;
        }
        result.lines.push_back(entry.name + std::string(kSeparator) + *value);
    }
    return result;
}

PropertyBagResult ReadPropertyLines(const std::vector<std::string>& lines)
{
    PropertyBagResult result;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto fail = [&](std::string_view why) {
            result.bag = PropertyBag{};
            result.error = "line ";
            result.error.append(std::to_string(i + 1)).append(": ").append(why);
            return result;
        };
        const std::string_view line = lines[i];
        const std::size_t at = line.find(kSeparator);
        if (at == std::string_view::npos) return fail("expected \"name = value\"");
        const std::string_view name = line.substr(0, at);
        if (!IsName(name)) return fail("the name must be lower-case letters, digits or _");
        if (result.bag.Find(name)) return fail(InQuotes(name) + " is given twice");
        std::optional<PropertyValue> value = ParsePropertyValue(line.substr(at + kSeparator.size()));
        if (!value) return fail("the value of " + InQuotes(name) + " is not in a stored form");
        result.bag.WriteProperty(name, *value);
    }
    return result;
}

PropertyBag BagOfEntries(const std::vector<PropertyEntry>& entries)
{
    PropertyBag bag;
    for (const PropertyEntry& entry : entries)
        if (const std::optional<PropertyValue> value = ParsePropertyValue(entry.value))
            bag.WriteProperty(entry.name, *value);
    return bag;
}

std::vector<PropertyEntry> EntriesOfBag(const PropertyBag& bag)
{
    std::vector<PropertyEntry> entries;
    for (const PropertyBag::Entry& entry : bag.Entries())
        if (const std::optional<std::string> text = FormatPropertyValue(entry.value))
            entries.push_back({entry.name, *text});
    return entries;
}

}  // namespace pelmora
