#include "platform/SystemWindowsDirectory.h"

#include "platform/Utf16_win32.h"
#include "platform/WindowsApi.h"

#include <cstring>

namespace pelmora {

namespace {

class Win32WindowsDirectory : public WindowsDirectorySource {
public:
    // The wide call, answered as UTF-8 by the ANSI call's rules, so a folder of any name is found.
    unsigned GetWindowsDirectory(char* buffer, unsigned size) override
    {
        std::wstring wide(MAX_PATH, L'\0');
        UINT length = ::GetWindowsDirectoryW(wide.data(), MAX_PATH);
        if (length >= MAX_PATH) {
            wide.resize(length);
            length = ::GetWindowsDirectoryW(wide.data(), length);
        }
        if (length == 0 || length >= wide.size())
            return 0;
        const std::string utf8 = FromUtf16(std::wstring_view(wide.data(), length));
        if (size <= utf8.size())
            return static_cast<unsigned>(utf8.size() + 1);
        std::memcpy(buffer, utf8.data(), utf8.size());
        buffer[utf8.size()] = '\0';
        return static_cast<unsigned>(utf8.size());
    }
};

}  // namespace

std::unique_ptr<WindowsDirectorySource> MakeSystemWindowsDirectory()
{
    return std::make_unique<Win32WindowsDirectory>();
}

WindowsDirChoice ChooseWindowsDir()
{
    Win32WindowsDirectory source;
    return {FindWindowsDir(source), false};
}

}  // namespace pelmora
