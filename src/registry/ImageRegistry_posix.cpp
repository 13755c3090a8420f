#include "registry/ImageRegistry.h"

#include "registry/HiveRegistry.h"
#include "registry/RoutedRegistry.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

namespace pelmora {

namespace fs = std::filesystem;

namespace {

std::string FoldAscii(std::string name)
{
    for (char& c : name)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return name;
}

bool IsKind(const fs::path& path, bool folder)
{
    std::error_code error;
    return folder ? fs::is_directory(path, error) : fs::is_regular_file(path, error);
}

// The entry of `folder` named `name` in any letter case: the one spelt so if there is one, else
// the first in order of its name.
std::optional<fs::path> FindEntry(const fs::path& folder, const std::string& name, bool isFolder)
{
    if (IsKind(folder / name, isFolder))
        return folder / name;
    std::vector<fs::path> matches;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (FoldAscii(it->path().filename().string()) == FoldAscii(name) && IsKind(it->path(), isFolder))
            matches.push_back(it->path());
    if (matches.empty())
        return std::nullopt;
    return *std::min_element(matches.begin(), matches.end());
}

}  // namespace

std::optional<std::string> FindImageHive(const std::string& windowsDir, const std::string& name)
{
    if (windowsDir.empty())
        return std::nullopt;
    auto system32 = FindEntry(windowsDir, "System32", true);
    auto config = system32 ? FindEntry(*system32, "config", true) : std::nullopt;
    auto hive = config ? FindEntry(*config, name, false) : std::nullopt;
    if (!hive)
        return std::nullopt;
    return hive->string();
}

std::optional<std::string> FindSoftwareHive(const std::string& windowsDir)
{
    return FindImageHive(windowsDir, "SOFTWARE");
}

std::unique_ptr<RegistryApi> MakeImageRegistry(const std::string& windowsDir, std::unique_ptr<RegistryApi> local,
                                               HiveWrites writes)
{
    const auto hive = FindSoftwareHive(windowsDir);
    if (!hive)
        return local;
    HiveRegistryOptions options;
    options.path = *hive;
    options.inPlace = writes == HiveWrites::InPlace;
    options.soleUser = writes == HiveWrites::InPlace;
    return std::make_unique<RoutedRegistry>(std::make_unique<HiveRegistry>(std::move(options)), std::move(local));
}

}  // namespace pelmora
