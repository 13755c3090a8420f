#include "branding/BrandingPlaces.h"

#include "platform/FolderEntries.h"

#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

namespace pelmora {

namespace {

bool StartsIgnoringCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(text[i]) != lower(prefix[i]))
            return false;
    }
    return true;
}

// What follows "<root>\" at the start of `value`, for any of the names the system root goes by.
std::optional<std::string> PartUnderSystemRoot(const std::string& value, const std::string& windowsDir)
{
    for (const std::string& root : {WindowsSystemRoot(windowsDir), std::string("%SystemRoot%"), std::string("%windir%")}) {
        if (StartsIgnoringCase(value, root) && value.size() > root.size() &&
            (value[root.size()] == '\\' || value[root.size()] == '/'))
            return value.substr(root.size() + 1);
    }
    return std::nullopt;
}

// The parts of a Windows path; none when one of them would climb out of where it starts.
std::optional<std::vector<std::string>> SplitWindowsPath(const std::string& path)
{
    std::vector<std::string> parts;
    std::string part;
    for (std::size_t i = 0; i <= path.size(); ++i) {
        if (i < path.size() && path[i] != '\\' && path[i] != '/') {
            part += path[i];
            continue;
        }
        if (part == "..")
            return std::nullopt;
        if (!part.empty() && part != ".")
            parts.push_back(part);
        part.clear();
    }
    return parts;
}

}  // namespace

BrandingPlaces LocateBranding(ProgramDataSource& programData, const std::string& windowsDir,
                              const std::string& legacyLogo, const std::string& legacyInfo)
{
    BrandingPlaces places;
    places.windowsDir = windowsDir;
    places.legacyLogo = legacyLogo;
    places.legacyInfo = legacyInfo;
    if (windowsDir.empty())
        return places;

    std::error_code error;
    if (const auto system32 = FindEntryIgnoringCase(windowsDir, "System32");
        system32 && std::filesystem::is_directory(PathFromUtf8(*system32), error)) {
        places.system32 = *system32;
        places.logoFile = EntryIgnoringCase(*system32, "oemlogo.bmp");
        places.logoValue = WindowsSystemRoot(windowsDir) + "\\System32\\oemlogo.bmp";
    }
    if (const std::string folder = programData.ProgramDataDir(windowsDir); !folder.empty())
        places.factoryBackup = JoinPath(JoinPath(folder, "Pelmora"), "factory-branding");
    return places;
}

std::optional<std::string> LogoFileFromValue(const std::string& logoValue, const std::string& windowsDir)
{
    if (logoValue.empty() || windowsDir.empty())
        return std::nullopt;
    const std::optional<std::string> underRoot = PartUnderSystemRoot(logoValue, windowsDir);
    if (!underRoot) {
#ifdef _WIN32
        return logoValue;
#else
        return std::nullopt;
#endif
    }
    const auto parts = SplitWindowsPath(*underRoot);
    if (!parts || parts->empty())
        return std::nullopt;
    std::string path = windowsDir;
    for (const std::string& part : *parts)
        path = EntryIgnoringCase(path, part);
    return path;
}

}  // namespace pelmora
