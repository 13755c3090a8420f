#include "platform/SystemWindowsDirectory.h"

#include "platform/WindowsApi.h"

namespace pelmora {

namespace {

class Win32WindowsDirectory : public WindowsDirectorySource {
public:
    unsigned GetWindowsDirectory(char* buffer, unsigned size) override { return ::GetWindowsDirectoryA(buffer, size); }
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
