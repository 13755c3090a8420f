#include "oem/OemInfoEncoding.h"

#include "platform/AnsiText.h"
#include "platform/UnicodeText.h"

namespace pelmora {

namespace {

constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

std::string SwapPairs(std::string_view bytes)
{
    std::string swapped(bytes.substr(0, bytes.size() & ~std::size_t{1}));
    for (std::size_t i = 0; i + 1 < swapped.size(); i += 2)
        std::swap(swapped[i], swapped[i + 1]);
    return swapped;
}

}  // namespace

std::string OemInfoFileBytes(std::string_view text, unsigned codePage)
{
    if (auto ansi = EncodeCodePage(text, codePage))
        return *std::move(ansi);
    return std::string(kUtf16LeMark) + Utf16LeFromUtf8(text);
}

std::string OemInfoFileText(std::string_view bytes, unsigned codePage)
{
    if (bytes.starts_with(kUtf8Mark))
        return Utf8FromUtf16Le(Utf16LeFromUtf8(bytes.substr(kUtf8Mark.size())));
    if (bytes.starts_with(kUtf16LeMark))
        return Utf8FromUtf16Le(bytes.substr(kUtf16LeMark.size()));
    if (bytes.starts_with(kUtf16BeMark))
        return Utf8FromUtf16Le(SwapPairs(bytes.substr(kUtf16BeMark.size())));
    return DecodeCodePage(bytes, codePage);
}

}  // namespace pelmora
