// The system's ANSI code page. A character it cannot represent becomes '?' (no best-fit
// look-alikes); invalid UTF-8 becomes U+FFFD first and so '?' too.
#include "platform/AnsiText.h"

#include "platform/UnicodeText.h"
#include "platform/WindowsApi.h"

namespace pelmora {

namespace {

std::wstring Widen(UINT codePage, std::string_view text)
{
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string Narrow(UINT codePage, const std::wstring& wide)
{
    if (wide.empty())
        return {};
    // A UTF-8 code page takes neither a default character nor the best-fit flag.
    const bool utf8 = codePage == CP_UTF8 || (codePage == CP_ACP && GetACP() == CP_UTF8);
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const char* defaultChar = utf8 ? nullptr : "?";
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, defaultChar, nullptr);
    std::string text(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), size, text.data(), length, defaultChar, nullptr);
    return text;
}

// A character beyond the 16-bit range is one character: it becomes one '?', not one per half.
std::wstring JoinSurrogatePairs(std::wstring wide)
{
    std::size_t out = 0;
    for (std::size_t i = 0; i < wide.size(); ++i) {
        const bool pair = IS_HIGH_SURROGATE(wide[i]) && i + 1 < wide.size() && IS_LOW_SURROGATE(wide[i + 1]);
        wide[out++] = pair ? L'?' : wide[i];
        if (pair)
            ++i;
    }
    wide.resize(out);
    return wide;
}

}  // namespace

unsigned SystemCodePage() { return GetACP(); }

bool IsUsableCodePage(unsigned codePage) { return IsValidCodePage(codePage) != FALSE; }

std::optional<std::string> EncodeCodePage(std::string_view utf8, unsigned codePage)
{
    if (FirstInvalidUtf8(utf8) != std::string_view::npos)
        return std::nullopt;
    if (codePage == CP_UTF8 || utf8.empty())
        return std::string(utf8);
    const std::wstring wide = Widen(CP_UTF8, utf8);
    const int size = static_cast<int>(wide.size());
    BOOL lossy = FALSE;
    const int length =
        WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0, nullptr, &lossy);
    if (length <= 0 || lossy)
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), size, bytes.data(), length, nullptr, nullptr);
    // A code page without a default character may still have mapped one to another: check the round trip.
    if (Narrow(CP_UTF8, Widen(codePage, bytes)) != utf8)
        return std::nullopt;
    return bytes;
}

std::string DecodeCodePage(std::string_view bytes, unsigned codePage)
{
    return Narrow(CP_UTF8, Widen(codePage, bytes));
}

std::string ToAnsi(std::string_view utf8)
{
    if (GetACP() == CP_UTF8)
        return std::string(utf8);
    return Narrow(CP_ACP, JoinSurrogatePairs(Widen(CP_UTF8, utf8)));
}

std::string FromAnsi(std::string_view ansi)
{
    return Narrow(CP_UTF8, Widen(CP_ACP, ansi));
}

}  // namespace pelmora
