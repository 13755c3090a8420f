#include "designs/DesignValues.h"

#include <array>
#include <charconv>
#include <vector>

namespace pelmora::designs::values {

namespace {

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// Splits at commas outside quotes.
std::vector<std::string_view> SplitList(std::string_view value)
{
    std::vector<std::string_view> parts;
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '"')
            quoted = !quoted;
        else if (value[i] == ',' && !quoted) {
            parts.push_back(Trim(value.substr(start, i - start)));
            start = i + 1;
        }
    }
    parts.push_back(Trim(value.substr(start)));
    return parts;
}

std::optional<double> ReadNumber(std::string_view value)
{
    double number = 0;
    auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (error != std::errc() || end != value.data() + value.size())
        return std::nullopt;
    return number;
}

std::string NumberText(double number)
{
    std::array<char, 32> buffer{};
    auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), number);
    return std::string(buffer.data(), error == std::errc() ? end : buffer.data());
}

// Text inside "name(" ... ")".
std::optional<std::string_view> Call(std::string_view value, std::string_view name)
{
    if (value.size() < name.size() + 2 || value.substr(0, name.size()) != name ||
        value[name.size()] != '(' || value.back() != ')')
        return std::nullopt;
    return value.substr(name.size() + 1, value.size() - name.size() - 2);
}

template <typename Enum, std::size_t N>
std::optional<Enum> ReadName(std::string_view value, const std::array<std::string_view, N>& names)
{
    for (std::size_t i = 0; i < N; ++i)
        if (names[i] == value)
            return static_cast<Enum>(i);
    return std::nullopt;
}

constexpr std::array<std::string_view, 7> kKindNames = {
    "Label", "TextBox", "PictureBox", "Image", "CommandButton", "Menu", "MenuItem"};
constexpr std::array<std::string_view, 4> kBorderNames = {"None", "FixedSingle", "FixedDialog", "Sizable"};
constexpr std::array<std::string_view, 3> kStartUpNames = {"Default", "Centred", "Manual"};
constexpr std::array<std::string_view, 3> kAlignmentNames = {"Left", "Right", "Center"};

constexpr int kNormalWeight = 400;
constexpr int kBoldWeight = 700;

}  // namespace

std::string QuoteText(std::string_view text)
{
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + '"';
}

std::optional<std::string> UnquoteText(std::string_view value)
{
    if (value.size() < 2 || value.front() != '"' || value.back() != '"')
        return std::nullopt;
    std::string text;
    std::string_view inner = value.substr(1, value.size() - 2);
    for (std::size_t i = 0; i < inner.size(); ++i) {
        if (inner[i] == '"') {
            if (i + 1 >= inner.size() || inner[i + 1] != '"')
                return std::nullopt;  // a lone quote inside
            ++i;
        }
        text += inner[i];
    }
    return text;
}

std::string IntText(int value) { return std::to_string(value); }

std::optional<int> ReadInt(std::string_view value)
{
    int number = 0;
    auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (value.empty() || error != std::errc() || end != value.data() + value.size())
        return std::nullopt;
    return number;
}

std::string BoolText(bool value) { return value ? "True" : "False"; }

std::optional<bool> ReadBool(std::string_view value)
{
    if (value == "True")
        return true;
    if (value == "False")
        return false;
    return std::nullopt;
}

std::string PairText(int first, int second) { return IntText(first) + ", " + IntText(second); }

std::optional<std::pair<int, int>> ReadPair(std::string_view value)
{
    auto parts = SplitList(value);
    if (parts.size() != 2)
        return std::nullopt;
    auto first = ReadInt(parts[0]);
    auto second = ReadInt(parts[1]);
    if (!first || !second)
        return std::nullopt;
    return std::pair{*first, *second};
}

std::string ColourText(Colour colour)
{
    if (IsSystemColour(colour))
        return "system(" + IntText(static_cast<int>(colour & 0xFF)) + ")";
    return "rgb(" + IntText(RedOf(colour)) + ", " + IntText(GreenOf(colour)) + ", " +
           IntText(BlueOf(colour)) + ")";
}

std::optional<Colour> ReadColour(std::string_view value)
{
    if (auto inner = Call(value, "system")) {
        auto index = ReadInt(*inner);
        if (!index || *index < 0 || *index > 0xFF)
            return std::nullopt;
        return SystemColour(*index);
    }
    auto inner = Call(value, "rgb");
    if (!inner)
        return std::nullopt;
    auto parts = SplitList(*inner);
    if (parts.size() != 3)
        return std::nullopt;
    std::array<int, 3> channels{};
    for (std::size_t i = 0; i < 3; ++i) {
        auto channel = ReadInt(parts[i]);
        if (!channel || *channel < 0 || *channel > 0xFF)
            return std::nullopt;
        channels[i] = *channel;
    }
    return Rgb(channels[0], channels[1], channels[2]);
}

std::string FontText(const ButtonFont& font)
{
    std::string text = QuoteText(font.name) + ", " + NumberText(font.size);
    if (font.weight == kBoldWeight)
        text += ", bold";
    else if (font.weight != kNormalWeight)
        text += ", weight " + IntText(font.weight);
    if (font.italic)
        text += ", italic";
    if (font.underline)
        text += ", underline";
    if (font.strikethrough)
        text += ", strikeout";
    if (font.charset != 0)
        text += ", charset " + IntText(font.charset);
    return text;
}

std::optional<ButtonFont> ReadFont(std::string_view value)
{
    auto parts = SplitList(value);
    if (parts.size() < 2)
        return std::nullopt;
    auto name = UnquoteText(parts[0]);
    auto size = ReadNumber(parts[1]);
    if (!name || !size || *size <= 0)
        return std::nullopt;
    ButtonFont font;
    font.name = *name;
    font.size = *size;
    font.weight = kNormalWeight;
    for (std::size_t i = 2; i < parts.size(); ++i) {
        std::string_view part = parts[i];
        if (part == "bold")
            font.weight = kBoldWeight;
        else if (part == "italic")
            font.italic = true;
        else if (part == "underline")
            font.underline = true;
        else if (part == "strikeout")
            font.strikethrough = true;
        else if (part.starts_with("weight ") && ReadInt(part.substr(7)))
            font.weight = *ReadInt(part.substr(7));
        else if (part.starts_with("charset ") && ReadInt(part.substr(8)))
            font.charset = *ReadInt(part.substr(8));
        else
            return std::nullopt;
    }
    return font;
}

std::string_view KindText(ControlKind kind) { return kKindNames[static_cast<std::size_t>(kind)]; }
std::optional<ControlKind> ReadKind(std::string_view value) { return ReadName<ControlKind>(value, kKindNames); }

std::string_view BorderText(BorderStyle style) { return kBorderNames[static_cast<std::size_t>(style)]; }
std::optional<BorderStyle> ReadBorder(std::string_view value) { return ReadName<BorderStyle>(value, kBorderNames); }

std::string_view StartUpText(StartUpPosition position)
{
    return kStartUpNames[static_cast<std::size_t>(position)];
}
std::optional<StartUpPosition> ReadStartUp(std::string_view value)
{
    return ReadName<StartUpPosition>(value, kStartUpNames);
}

std::string_view AlignmentText(Alignment alignment)
{
    return kAlignmentNames[static_cast<std::size_t>(alignment)];
}
std::optional<Alignment> ReadAlignment(std::string_view value)
{
    return ReadName<Alignment>(value, kAlignmentNames);
}

}  // namespace pelmora::designs::values
