#include "platform/SystemWindowsDirectory.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <pwd.h>
#include <unistd.h>

namespace pelmora {

namespace {

std::string Env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string HomeFolder()
{
    if (std::string home = Env("HOME"); !home.empty())
        return home;
    const passwd* account = ::getpwuid(::getuid());
    return account && account->pw_dir ? account->pw_dir : "";
}

}  // namespace

WindowsDirChoice ChooseWindowsDir()
{
    if (std::string path = Env("PELMORA_WINDOWS_DIR"); !path.empty())
        return {path, false};
    std::string data = Env("XDG_DATA_HOME");
    if (data.empty() || data.front() != '/') {
        const std::string home = HomeFolder();
        if (home.empty())
            return {};
        data = home + "/.local/share";
    }
    return {data + "/pelmora/Windows", true};
}

std::unique_ptr<WindowsDirectorySource> MakeSystemWindowsDirectory()
{
    const WindowsDirChoice choice = ChooseWindowsDir();
    if (choice.isDefault) {
        // Should this fail, the commands that write into it report why.
        std::error_code ignored;
        std::filesystem::create_directories(std::filesystem::path(choice.path) / "System", ignored);
        // System32 too: the folder stands for a current Windows, which reads the OEMInformation key.
        std::filesystem::create_directories(std::filesystem::path(choice.path) / "System32", ignored);
    }
    return std::make_unique<FixedWindowsDirectory>(choice.path);
}

}  // namespace pelmora
