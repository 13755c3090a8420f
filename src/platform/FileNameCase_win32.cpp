#include "platform/FileNameCase.h"

#include "platform/WindowsApi.h"

#include <string>

namespace pelmora {

namespace {

std::wstring Widen(std::string_view utf8)
{
    const int size = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
    return wide;
}

std::string Narrow(const std::wstring& wide)
{
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

// The character's one byte in the ANSI code page, when it has exactly one that reads back as it.
bool AnsiByteOf(wchar_t c, char& byte)
{
    BOOL lossy = FALSE;
    char bytes[4];
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, &c, 1, bytes, sizeof bytes, nullptr, &lossy);
    if (length != 1 || lossy)
        return false;
    wchar_t back = 0;
    if (MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes, 1, &back, 1) != 1 || back != c)
        return false;
    byte = bytes[0];
    return true;
}

}  // namespace

std::string ShownFileName(std::string_view utf8)
{
    std::wstring wide = Widen(utf8);
    for (wchar_t& c : wide) {
        char byte = 0;
        if (!AnsiByteOf(c, byte))
            continue;
        CharUpperBuffA(&byte, 1);
        wchar_t upper = 0;
        if (MultiByteToWideChar(CP_ACP, 0, &byte, 1, &upper, 1) == 1)
            c = upper;
    }
    return Narrow(wide);
}

}  // namespace pelmora
