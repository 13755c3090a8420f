#include "controls/AccessKey.h"

#include <cstddef>
#include <vector>

namespace pelmora {

namespace {

std::size_t SequenceLength(unsigned char lead)
{
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;
}

// The caption cut into characters; a broken sequence counts byte by byte.
std::vector<std::string_view> Characters(std::string_view text)
{
    std::vector<std::string_view> chars;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t n = SequenceLength(static_cast<unsigned char>(text[i]));
        if (i + n > text.size()) n = 1;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) n = 1;
        chars.push_back(text.substr(i, n));
        i += n;
    }
    return chars;
}

// Lower case for ASCII and the Latin-1 letters, the characters the ANSI code page carries.
std::string Lower(std::string_view ch)
{
    std::string out(ch);
    const auto b0 = static_cast<unsigned char>(out[0]);
    if (out.size() == 1 && b0 >= 'A' && b0 <= 'Z') {
        out[0] = static_cast<char>(b0 + ('a' - 'A'));
    } else if (out.size() == 2 && b0 == 0xC3) {
        const auto b1 = static_cast<unsigned char>(out[1]);
        // U+00C0..U+00DE map to U+00E0..U+00FE, except U+00D7 (multiplication sign).
        if (b1 >= 0x80 && b1 <= 0x9E && b1 != 0x97) out[1] = static_cast<char>(b1 + 0x20);
    }
    return out;
}

}  // namespace

std::string AccessKeyOf(std::string_view caption)
{
    const std::vector<std::string_view> chars = Characters(caption);
    const std::size_t length = chars.size();
    // Positions below count from 1; At(p) is "" past the end.
    auto at = [&](std::size_t p) { return p >= 1 && p <= length ? chars[p - 1] : std::string_view{}; };
    auto findAmpersand = [&](std::size_t from) -> std::size_t {
        for (std::size_t p = from; p <= length; ++p)
            if (at(p) == "&") return p;
        return 0;
    };

    if (length <= 1) return "";
    const std::size_t a = findAmpersand(1);
    if (a == 0 || a == length) return "";
    if (at(a + 1) != "&") return Lower(at(a + 1));

    const std::size_t c = findAmpersand(a + 2);  // "&&" at a: look once more
    if (c == 0 || at(c + 1) == "&" || c == length) return "";
    return Lower(at(c + 1));
}

void UpdateAccessKey(const std::string& caption, ButtonSurface& surface)
{
    surface.accessKeys = AccessKeyOf(caption);
}

}  // namespace pelmora
