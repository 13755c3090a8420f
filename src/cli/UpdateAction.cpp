#include "UpdateAction.h"

#include "oem/JournalFile.h"
#include "platform/FolderEntries.h"

#include <cstdlib>
#include <filesystem>
#include <initializer_list>

namespace pelmora::cli {

namespace {

// Ours alone, so other authors' custom actions stand beside it; never changed, or an
// installation would keep a script that --remove no longer finds.
constexpr const char* kActionGuid = "{5C0F2E7A-93D1-4B6E-A84F-1E7D3C29B640}";
constexpr const char* kKeptProfileName = "kept-profile.json";

// Each part found without regard to case, else added as it stands.
std::string Under(std::string folder, std::initializer_list<const char*> parts)
{
    for (const char* part : parts)
        folder = EntryIgnoringCase(folder, part);
    return folder;
}

}  // namespace

UpdateActionPlaces LocateUpdateAction(AppServices& services)
{
    const std::string windowsDir = FindWindowsDir(services.windowsDirectory);
    UpdateActionPlaces places;
    places.keptFolder = ProgramDataFolder(services);
    if (places.keptFolder.empty())
        return {};
    places.profile = JoinPath(places.keptFolder, kKeptProfileName);
    places.actionFolder = Under(windowsDir, {"System32", "update", "run", kActionGuid});
    places.script = Under(places.actionFolder, {"success.cmd"});
    return places;
}

std::string KeptLogoName(const std::string& source)
{
    return "kept-profile-logo" + Utf8FromPath(PathFromUtf8(source).extension());
}

std::string UpdateActionScript()
{
    return "@echo off\r\n"
           "rem Written by pelmora-cli keep-after-updates (pelmora-cli keep-after-updates --remove takes it away).\r\n"
           "rem Windows Setup runs it after a feature update: it puts the kept branding back.\r\n"
           "set \"PELMORA_LOG=%ProgramData%\\Pelmora\\after-updates.log\"\r\n"
           "echo %DATE% %TIME% after a feature update: >> \"%PELMORA_LOG%\"\r\n"
           "\"%ProgramFiles%\\Pelmora\\pelmora-cli.exe\" apply-profile \"%ProgramData%\\Pelmora\\kept-profile.json\""
           " >> \"%PELMORA_LOG%\" 2>&1\r\n"
           "set PELMORA_STATUS=%ERRORLEVEL%\r\n"
           "echo exit status %PELMORA_STATUS% >> \"%PELMORA_LOG%\"\r\n"
           "exit /b %PELMORA_STATUS%\r\n";
}

std::string InstalledCliPath(AppServices& services)
{
    const std::string windowsDir = FindWindowsDir(services.windowsDirectory);
    if (windowsDir.empty())
        return "";
#ifdef _WIN32
    // The running system's own, as the script finds it.
    const char* programFiles = std::getenv("ProgramFiles");
    return programFiles ? Under(programFiles, {"Pelmora", "pelmora-cli.exe"}) : "";
#else
    // Beside the Windows directory, as ProgramData is.
    const std::string programData = services.programData.ProgramDataDir(windowsDir);
    if (programData.empty())
        return "";
    const std::string root = Utf8FromPath(PathFromUtf8(programData).parent_path());
    return Under(root, {"Program Files", "Pelmora", "pelmora-cli.exe"});
#endif
}

}  // namespace pelmora::cli
