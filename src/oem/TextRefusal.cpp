#include "oem/TextRefusal.h"

#include "oem/OemInfoLayout.h"
#include "platform/UnicodeText.h"

#include <cstdio>

namespace pelmora {

namespace {

constexpr std::string_view kPlaces = "the registry and the OEM information file";

bool IsBroken(std::string_view value) { return FirstInvalidUtf8(value) != std::string_view::npos; }

std::string BrokenByte(std::string_view value) { return std::string(1, value[FirstInvalidUtf8(value)]); }

std::string CodePoint(std::string_view character)
{
    const std::string units = Utf16LeFromUtf8(character);
    auto unit = [&](std::size_t i) {
        return static_cast<unsigned>(static_cast<unsigned char>(units[2 * i]) |
                                     (static_cast<unsigned char>(units[2 * i + 1]) << 8));
    };
    unsigned code = unit(0);
    if (units.size() == 4)
        code = 0x10000 + ((code - 0xD800) << 10) + (unit(1) - 0xDC00);
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", code);
    return text;
}

}  // namespace

std::string CannotHoldMessage(std::string_view field, std::string_view character, std::string_view place)
{
    std::string shown;
    if (!character.empty() && Utf8SequenceAt(character, 0) == character.size()) {
        shown = "\"" + std::string(character) + "\" (" + CodePoint(character) + ")";
    } else {
        char byte[24];
        std::snprintf(byte, sizeof byte, "the byte 0x%02X", character.empty() ? 0u : static_cast<unsigned char>(character[0]));
        shown = byte;
    }
    return std::string(field) + " holds " + shown + ", which " + std::string(place) +
           " cannot hold. Nothing was saved.";
}

std::optional<std::string> RefuseBrokenText(const SupportInfo& info)
{
    const auto field = FirstFieldWhere(info, IsBroken);
    if (!field)
        return std::nullopt;
    return CannotHoldMessage(field->name, BrokenByte(field->value), kPlaces);
}

std::optional<std::string> RefuseBrokenText(std::string_view field, std::string_view value)
{
    if (!IsBroken(value))
        return std::nullopt;
    return CannotHoldMessage(field, BrokenByte(value), kPlaces);
}

}  // namespace pelmora
