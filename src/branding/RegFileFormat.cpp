#include "branding/RegFileFormat.h"

#include "branding/Utf16.h"

#include <cstdio>

namespace pelmora {

namespace {

constexpr std::size_t kLineWidth = 80;
constexpr std::uint32_t kRegMultiSz = 7;

// Inside quotes the editor takes \\ for a backslash and \" for a quote.
std::string Quoted(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    return out + '"';
}

std::string NamePart(const std::string& valueName)
{
    return valueName.empty() ? "@" : Quoted(valueName);
}

bool IsStringType(std::uint32_t type) { return type == kRegSz || type == kRegExpandSz || type == kRegMultiSz; }

// A REG_SZ that the quoted form gives back as it is: no NUL inside, no line break.
bool FitsQuotedForm(std::string_view data)
{
    if (!data.empty() && data.back() == '\0')
        data.remove_suffix(1);
    return data.find_first_of(std::string_view("\0\r\n", 3)) == std::string_view::npos;
}

std::string HexTypeTag(std::uint32_t type)
{
    if (type == kRegBinary)
        return "hex:";
    char tag[24];
    std::snprintf(tag, sizeof tag, "hex(%x):", static_cast<unsigned>(type));
    return tag;
}

// "<head>xx,xx,..." with ",\" and two blanks before each continuation, no line wider than the editor's.
std::vector<std::string> HexLines(std::string head, std::string_view bytes)
{
    std::vector<std::string> lines;
    std::string line = std::move(head);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        char token[4];
        std::snprintf(token, sizeof token, "%02x", static_cast<unsigned char>(bytes[i]));
        std::string piece = token;
        if (i + 1 < bytes.size())
            piece += ',';
        if (line.size() + piece.size() + 1 > kLineWidth && line != "  ") {
            lines.push_back(line + "\\");
            line = "  ";
        }
        line += piece;
    }
    lines.push_back(line);
    return lines;
}

}  // namespace

std::string RegKeyLine(std::string_view rootName, const std::string& keyPath)
{
    return "[" + std::string(rootName) + "\\" + keyPath + "]";
}

std::vector<std::string> RegValueLines(const RegValueEntry& entry)
{
    const std::string head = NamePart(entry.name) + "=";
    if (entry.type == kRegSz && FitsQuotedForm(entry.data)) {
        std::string_view data = entry.data;
        if (!data.empty() && data.back() == '\0')
            data.remove_suffix(1);
        return {head + Quoted(data)};
    }
    if (entry.type == kRegDword && entry.data.size() == 4) {
        std::uint32_t value = 0;
        for (int i = 3; i >= 0; --i)
            value = (value << 8) | static_cast<unsigned char>(entry.data[static_cast<std::size_t>(i)]);
        char text[16];
        std::snprintf(text, sizeof text, "dword:%08x", static_cast<unsigned>(value));
        return {head + text};
    }
    const std::string bytes = IsStringType(entry.type) ? Utf16LeBytes(Utf16FromUtf8(entry.data)) : entry.data;
    return HexLines(head + HexTypeTag(entry.type), bytes);
}

std::string RegDeletedValueLine(const std::string& valueName) { return NamePart(valueName) + "=-"; }

std::string RegFileBytes(const std::vector<std::string>& lines)
{
    std::string text = "Windows Registry Editor Version 5.00\r\n";
    for (const std::string& line : lines)
        text += line + "\r\n";
    return "\xFF\xFE" + Utf16LeBytes(Utf16FromUtf8(text));
}

}  // namespace pelmora
