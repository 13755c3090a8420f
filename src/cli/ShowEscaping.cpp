#include "ShowEscaping.h"

#include <cctype>

namespace pelmora::cli {

namespace {

// The length of the UTF-8 character at the start of `text`; 0 when it is not one (a stray or
// missing continuation byte, an overlong form, a surrogate or a code beyond U+10FFFF).
std::size_t Utf8Length(std::string_view text)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned min = 0;
    unsigned code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, min = 0x80, code = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, min = 0x800, code = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, min = 0x10000, code = lead & 0x07u;
    } else {
        return 0;
    }
    if (text.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0u) != 0x80u)
            return 0;
        code = (code << 6) | (byte(i) & 0x3Fu);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

bool IsControl(std::string_view character)
{
    const auto lead = static_cast<unsigned char>(character[0]);
    if (character.size() == 1)
        return lead < 0x20 || lead == 0x7F;
    // U+0080 to U+009F, which some terminals obey like ESC sequences.
    return lead == 0xC2 && static_cast<unsigned char>(character[1]) < 0xA0;
}

bool ReadsAsEscape(std::string_view rest)
{
    return rest.size() >= 4 && rest[0] == '\\' && rest[1] == 'x' && std::isxdigit(static_cast<unsigned char>(rest[2])) &&
           std::isxdigit(static_cast<unsigned char>(rest[3]));
}

void AppendEscaped(std::string& out, std::string_view bytes)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        out += "\\x";
        out += kHex[byte >> 4];
        out += kHex[byte & 0x0F];
    }
}

}  // namespace

std::string EscapeForShow(std::string_view value)
{
    std::string out;
    out.reserve(value.size());
    while (!value.empty()) {
        const std::size_t length = Utf8Length(value);
        const std::string_view character = value.substr(0, length == 0 ? 1 : length);
        if (length == 0 || IsControl(character) || ReadsAsEscape(value))
            AppendEscaped(out, character);
        else
            out += character;
        value.remove_prefix(character.size());
    }
    return out;
}

}  // namespace pelmora::cli
