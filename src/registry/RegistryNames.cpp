#include "registry/RegistryNames.h"

#include <algorithm>

namespace pelmora {

namespace {

unsigned char UpperCase1252(unsigned char c)
{
    if (c >= 'a' && c <= 'z')
        return static_cast<unsigned char>(c - 0x20);
    // Latin-1 letters: the lower-case block sits 0x20 above the upper-case one; 0xF7 is the division sign.
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return static_cast<unsigned char>(c - 0x20);
    switch (c) {
    case 0x9A: return 0x8A;  // s with caron
    case 0x9C: return 0x8C;  // oe
    case 0x9E: return 0x8E;  // z with caron
    case 0xFF: return 0x9F;  // y with diaeresis
    default: return c;
    }
}

}  // namespace

std::string FoldRegistryName(std::string_view ansi)
{
    std::string folded(ansi);
    for (char& c : folded)
        c = static_cast<char>(UpperCase1252(static_cast<unsigned char>(c)));
    return folded;
}

std::vector<std::string> SplitKeyPath(std::string_view path)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find('\\', start), path.size());
        if (end > start)
            parts.emplace_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

}  // namespace pelmora
