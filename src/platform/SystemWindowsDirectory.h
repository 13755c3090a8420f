#pragma once

#include "platform/WindowsDirectory.h"

#include <memory>
#include <string>

namespace pelmora {

// A Windows directory known in advance, answered by GetWindowsDirectoryA's rules; an empty path is
// a platform that reports none (0).
class FixedWindowsDirectory : public WindowsDirectorySource {
public:
    explicit FixedWindowsDirectory(std::string path, std::string imageName = {})
        : m_Path(std::move(path)), m_ImageName(std::move(imageName))
    {
    }
    unsigned GetWindowsDirectory(char* buffer, unsigned size) override;
    std::string ImageName() const override { return m_ImageName; }

private:
    std::string m_Path;
    std::string m_ImageName;
};

// The platform's Windows directory. On Windows, GetWindowsDirectoryA. Elsewhere
// $PELMORA_WINDOWS_DIR (for example a mounted Windows installation, taken as it is), else
// $XDG_DATA_HOME/pelmora/Windows, else ~/.local/share/pelmora/Windows, whose System and System32
// folders are created here when missing.
std::unique_ptr<WindowsDirectorySource> MakeSystemWindowsDirectory();

// Off Windows: the path MakeSystemWindowsDirectory uses, and whether it is the default location.
struct WindowsDirChoice {
    std::string path;
    bool isDefault = false;
};
WindowsDirChoice ChooseWindowsDir();

}  // namespace pelmora
