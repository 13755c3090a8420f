#include "registry/RegistryNames.h"

#include "platform/UnicodeText.h"

#include <algorithm>

namespace pelmora {

namespace {

// The upper case of the letters names are written in: Latin, Greek, Cyrillic and full-width
// Latin; other characters compare as they are.
char32_t UpperCase(char32_t c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7) || (c >= 0x3B1 && c <= 0x3CB && c != 0x3C2) ||
        (c >= 0x430 && c <= 0x44F) || (c >= 0xFF41 && c <= 0xFF5A))
        return c - 0x20;
    if (c == 0xFF)
        return 0x178;
    if (c == 0x3C2)
        return 0x3A3;  // final sigma
    if (c >= 0x450 && c <= 0x45F)
        return c - 0x50;
    // Latin Extended-A pairs: upper case at even code points, at odd ones in two runs.
    const bool oddUpper = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    const bool evenUpper = (c >= 0x100 && c <= 0x137 && c != 0x131) || (c >= 0x14A && c <= 0x177);
    if ((evenUpper && c % 2 == 1) || (oddUpper && c % 2 == 0))
        return c - 1;
    return c;
}

}  // namespace

std::string FoldRegistryName(std::string_view utf8)
{
    const std::string units = Utf16LeFromUtf8(utf8);
    std::string folded;
    for (std::size_t i = 0; i + 1 < units.size(); i += 2) {
        const auto unit = static_cast<char32_t>(static_cast<unsigned char>(units[i]) |
                                                (static_cast<unsigned char>(units[i + 1]) << 8));
        const char32_t upper = UpperCase(unit);
        folded += static_cast<char>(upper & 0xFF);
        folded += static_cast<char>(upper >> 8);
    }
    // Surrogate halves pass unchanged, so characters beyond the 16-bit range come back whole.
    return Utf8FromUtf16Le(folded);
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
