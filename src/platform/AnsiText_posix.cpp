// Windows-1252 through iconv. A character the code page lacks, and any byte that is not part of a
// valid UTF-8 sequence, becomes '?'.
#include "platform/AnsiText.h"

#include "platform/UnicodeText.h"

#include <iconv.h>

#include <cerrno>
#include <map>
#include <memory>
#include <stdexcept>

namespace pelmora {

namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : m_Handle(iconv_open(to, from))
    {
        if (m_Handle == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
    }
    ~Converter() { iconv_close(m_Handle); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts `input`; at a sequence iconv refuses, `skip` says how many input bytes to drop and
    // `replace` what to write instead.
    template <class Skip, class Replace>
    std::string Run(std::string_view input, std::size_t outputPerByte, Skip skip, Replace replace)
    {
        iconv(m_Handle, nullptr, nullptr, nullptr, nullptr);  // a fresh shift state
        std::string output(input.size() * outputPerByte, '\0');
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        char* out = output.data();
        std::size_t outLeft = output.size();
        while (inLeft > 0) {
            if (iconv(m_Handle, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1))
                break;
            if (errno != EILSEQ && errno != EINVAL)
                throw std::runtime_error("iconv failed");  // E2BIG cannot happen: the output has room
            const std::string_view rest(in, inLeft);
            const std::size_t dropped = skip(rest);
            const std::string replacement = replace(rest.substr(0, dropped));
            for (char c : replacement) {
                *out++ = c;
                --outLeft;
            }
            in += dropped;
            inLeft -= dropped;
        }
        output.resize(output.size() - outLeft);
        return output;
    }

private:
    iconv_t m_Handle;
};

// The length of the valid UTF-8 sequence at the start of `text`, or 1 when it is not one.
std::size_t Utf8SequenceLength(std::string_view text)
{
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead < 0xE0 ? 2 : 1;
    if (length == 1 || text.size() < length)
        return 1;
    for (std::size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return 1;
    return length;
}

// The five bytes Windows-1252 leaves undefined map to the control characters of the same
// number, as the platform maps them, so every byte comes back unchanged.
std::string ControlCharacter(std::string_view byte)
{
    const auto c = static_cast<unsigned char>(byte[0]);
    if (c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D)
        return {static_cast<char>(0xC2), static_cast<char>(c)};
    return "?";
}

bool IsUndefined1252(std::string_view sequence)
{
    return sequence.size() == 2 && static_cast<unsigned char>(sequence[0]) == 0xC2 &&
           ControlCharacter(sequence.substr(1)) != "?";
}

std::string IconvName(unsigned codePage)
{
    return codePage == kWesternCodePage ? "WINDOWS-1252" : "CP" + std::to_string(codePage);
}

// One converter per code page and direction, for this thread.
Converter& ConverterFor(unsigned codePage, bool toCodePage)
{
    thread_local std::map<std::pair<unsigned, bool>, std::unique_ptr<Converter>> converters;
    std::unique_ptr<Converter>& converter = converters[{codePage, toCodePage}];
    if (!converter) {
        const std::string name = IconvName(codePage);
        converter = toCodePage ? std::make_unique<Converter>(name.c_str(), "UTF-8")
                               : std::make_unique<Converter>("UTF-8", name.c_str());
    }
    return *converter;
}

}  // namespace

unsigned SystemCodePage() { return kWesternCodePage; }

bool IsUsableCodePage(unsigned codePage)
{
    if (codePage == kUtf8CodePage)
        return true;
    const iconv_t handle = iconv_open("UTF-8", IconvName(codePage).c_str());
    if (handle == reinterpret_cast<iconv_t>(-1))
        return false;
    iconv_close(handle);
    return true;
}

std::optional<std::string> EncodeCodePage(std::string_view utf8, unsigned codePage)
{
    if (FirstInvalidUtf8(utf8) != std::string_view::npos)
        return std::nullopt;
    if (codePage == kUtf8CodePage)
        return std::string(utf8);
    bool whole = true;
    std::string bytes = ConverterFor(codePage, true).Run(
        utf8, 1, Utf8SequenceLength, [&](std::string_view sequence) -> std::string {
            if (codePage == kWesternCodePage && IsUndefined1252(sequence))
                return std::string(1, sequence[1]);
            whole = false;
            return {};
        });
    if (!whole)
        return std::nullopt;
    return bytes;
}

std::string DecodeCodePage(std::string_view bytes, unsigned codePage)
{
    if (codePage == kUtf8CodePage)
        return Utf8FromUtf16Le(Utf16LeFromUtf8(bytes));  // invalid bytes become U+FFFD
    return ConverterFor(codePage, false).Run(
        bytes, 3, [](std::string_view) -> std::size_t { return 1; },
        [&](std::string_view byte) -> std::string {
            if (codePage == kWesternCodePage && ControlCharacter(byte) != "?")
                return ControlCharacter(byte);
            return "\xEF\xBF\xBD";
        });
}

std::string ToAnsi(std::string_view utf8)
{
    thread_local Converter converter("WINDOWS-1252", "UTF-8");
    return converter.Run(
        utf8, 1, Utf8SequenceLength, [](std::string_view sequence) -> std::string {
            // The undefined bytes' control characters go back to their bytes.
            if (sequence.size() == 2 && static_cast<unsigned char>(sequence[0]) == 0xC2 &&
                ControlCharacter(sequence.substr(1)) != "?")
                return std::string(1, sequence[1]);
            return "?";
        });
}

std::string FromAnsi(std::string_view ansi)
{
    thread_local Converter converter("UTF-8", "WINDOWS-1252");
    return converter.Run(
        ansi, 3, [](std::string_view) -> std::size_t { return 1; }, ControlCharacter);
}

}  // namespace pelmora
