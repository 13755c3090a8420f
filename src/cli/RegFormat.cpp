#include "RegFormat.h"

#include "CliArgs.h"
#include "registry/RegistryApi.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>

namespace pelmora::cli {

namespace {

constexpr std::uint32_t kRegMultiSz = 7;
constexpr std::uint32_t kRegQword = 11;

std::uint64_t LittleEndian(const std::string& bytes, std::size_t count)
{
    std::uint64_t value = 0;
    for (std::size_t i = count; i-- > 0;)
        value = (value << 8) | static_cast<unsigned char>(bytes[i]);
    return value;
}

std::string Hex(std::uint64_t value)
{
    char text[24];
    std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(value));
    return text;
}

std::string HexBytes(const std::string& bytes)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (unsigned char byte : bytes) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0xF];
    }
    return text;
}

std::string UpTo(const std::string& bytes, char end)
{
    return bytes.substr(0, bytes.find(end));
}

// REG_MULTI_SZ: NUL-separated strings, shown joined by a literal "\0" like the console tool does.
std::string MultiString(const std::string& bytes)
{
    std::string text;
    std::size_t start = 0;
    while (start < bytes.size() && bytes[start] != '\0') {
        const std::size_t end = std::min(bytes.find('\0', start), bytes.size());
        if (!text.empty())
            text += "\\0";
        text += bytes.substr(start, end - start);
        start = end + 1;
    }
    return text;
}

}  // namespace

std::string RegTypeName(std::uint32_t type)
{
    switch (type) {
    case kRegNone: return "REG_NONE";
    case kRegSz: return "REG_SZ";
    case kRegExpandSz: return "REG_EXPAND_SZ";
    case kRegBinary: return "REG_BINARY";
    case kRegDword: return "REG_DWORD";
    case 5: return "REG_DWORD_BIG_ENDIAN";
    case 6: return "REG_LINK";
    case kRegMultiSz: return "REG_MULTI_SZ";
    case kRegQword: return "REG_QWORD";
    default: return "REG_TYPE_" + std::to_string(type);
    }
}

std::uint32_t ParseRegType(const std::string& name)
{
    std::string upper = name;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    for (std::uint32_t type : {kRegSz, kRegExpandSz, kRegDword}) {
        if (upper == RegTypeName(type))
            return type;
    }
    throw UsageError("/t takes REG_SZ, REG_EXPAND_SZ or REG_DWORD, not " + name);
}

std::uint32_t ParseDword(const std::string& text)
{
    if (text.empty())
        return 0;
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const char* first = text.data() + (hex ? 2 : 0);
    const char* last = text.data() + text.size();
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(first, last, value, hex ? 16 : 10);
    if (error != std::errc() || end != last)
        throw UsageError("/d of a REG_DWORD must be a number from 0 to 0xffffffff, not " + text);
    return value;
}

std::string EncodeRegData(std::uint32_t type, const std::string& data)
{
    if (type == kRegDword) {
        const std::uint32_t value = ParseDword(data);
        std::string bytes(4, '\0');
        for (int i = 0; i < 4; ++i)
            bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
        return bytes;
    }
    return data + '\0';
}

std::string FormatRegData(std::uint32_t type, const std::string& bytes)
{
    switch (type) {
    case kRegSz:
    case kRegExpandSz:
        return UpTo(bytes, '\0');
    case kRegMultiSz:
        return MultiString(bytes);
    case kRegDword:
        if (bytes.size() == 4)
            return Hex(LittleEndian(bytes, 4));
        break;
    case kRegQword:
        if (bytes.size() == 8)
            return Hex(LittleEndian(bytes, 8));
        break;
    default:
        break;
    }
    return HexBytes(bytes);
}

}  // namespace pelmora::cli
