#include "wiring/WindowsImageCheck.h"

#include "platform/ContainedFiles.h"
#include "platform/FileKind.h"
#include "platform/FolderEntries.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include <sys/stat.h>

namespace pelmora {

namespace {

namespace fs = std::filesystem;

std::optional<std::string> SubFolder(const std::string& folder, const std::string& name)
{
    const auto entry = FindEntryIgnoringCase(folder, name);
    std::error_code error;
    if (!entry || !fs::is_directory(PathFromUtf8(*entry), error))
        return std::nullopt;
    return entry;
}

std::string NotWindowsDirectory(const std::string& windowsDir)
{
    std::string problem = "--windows-dir " + windowsDir + " is not a Windows directory: it holds neither System32 nor System";
    if (const auto windows = SubFolder(windowsDir, "Windows"))
        problem += "; did you mean " + *windows + "?";
    return problem;
}

// The hive as the registry would open it: an entry named SOFTWARE of any kind.
std::string HiveProblem(const std::string& windowsDir, const std::string& root)
{
    const auto system32 = SubFolder(windowsDir, "System32");
    const auto config = system32 ? FindEntryIgnoringCase(*system32, "config") : std::nullopt;
    if (config) {
        if (std::string leaves = LeavesImage(root, *config); !leaves.empty())
            return leaves;
    }
    const auto hive = config ? FindEntryIgnoringCase(*config, "SOFTWARE") : std::nullopt;
    if (!hive)
        return {};
    struct stat info {};
    if (::lstat(hive->c_str(), &info) != 0 || S_ISREG(info.st_mode))
        return {};
    return "the hive " + *hive + " is not a regular file but " + FileKindName(info.st_mode) +
           "; it is neither read nor replaced";
}

}  // namespace

std::string WindowsImageProblem(const std::string& windowsDir)
{
    if (!SubFolder(windowsDir, "System32") && !SubFolder(windowsDir, "System"))
        return NotWindowsDirectory(windowsDir);
    return HiveProblem(windowsDir, ImageRootOf(windowsDir));
}

}  // namespace pelmora
