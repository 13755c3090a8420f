#include "registry/HiveText.h"

#include "platform/AnsiText.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

namespace pelmora {

namespace {

constexpr std::uint32_t kRegMultiSz = 7;

// Between UTF-8 and UTF-16LE; a sequence iconv refuses becomes '?'.
class Utf16Converter {
public:
    Utf16Converter(const char* to, const char* from, std::size_t unit) : m_Handle(iconv_open(to, from)), m_Unit(unit)
    {
        if (m_Handle == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
    }
    ~Utf16Converter() { iconv_close(m_Handle); }
    Utf16Converter(const Utf16Converter&) = delete;
    Utf16Converter& operator=(const Utf16Converter&) = delete;

    std::string Run(std::string_view input, std::string_view replacement)
    {
        iconv(m_Handle, nullptr, nullptr, nullptr, nullptr);
        std::string output(input.size() * 2 + 4, '\0');  // UTF-8 from UTF-16 grows 3/2 at most, UTF-16 from UTF-8 2x
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        char* out = output.data();
        std::size_t outLeft = output.size();
        while (inLeft > 0) {
            if (iconv(m_Handle, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1))
                break;
            if (errno != EILSEQ && errno != EINVAL)
                throw std::runtime_error("iconv failed");
            // One unit (a lone surrogate, or a sequence cut short at the end) becomes the replacement.
            const std::size_t skipped = std::min(m_Unit, inLeft);
            in += skipped;
            inLeft -= skipped;
            for (char c : replacement) {
                *out++ = c;
                --outLeft;
            }
        }
        output.resize(output.size() - outLeft);
        return output;
    }

private:
    iconv_t m_Handle;
    std::size_t m_Unit;
};

}  // namespace

bool IsConvertedStringType(std::uint32_t type)
{
    return type == 1 || type == 2 || type == kRegMultiSz;  // REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ
}

std::uint32_t AnsiCallSize(std::uint32_t type, const char* data, std::uint32_t size)
{
    if (IsConvertedStringType(type) && data && size > 0 && data[size - 1] != '\0' && data[size] == '\0')
        return size + 1;
    return size;
}

std::string AnsiToUtf16(std::string_view ansi)
{
    // FromAnsi gives valid UTF-8 only, so nothing is replaced here.
    thread_local Utf16Converter converter("UTF-16LE", "UTF-8", 1);
    return converter.Run(FromAnsi(ansi), std::string_view("?\0", 2));
}

std::string Utf16ToAnsi(std::string_view utf16)
{
    thread_local Utf16Converter converter("UTF-8", "UTF-16LE", 2);
    return ToAnsi(converter.Run(utf16.substr(0, utf16.size() & ~std::size_t{1}), "?"));
}

std::string HiveName(std::string_view ansi)
{
    return FromAnsi(ansi);
}

std::string ListedName(std::string_view utf8)
{
    return ToAnsi(utf8);
}

std::optional<std::string> AnsiName(std::string_view utf8)
{
    std::string ansi = ToAnsi(utf8);
    if (FromAnsi(ansi) != utf8)
        return std::nullopt;
    return ansi;
}

}  // namespace pelmora
