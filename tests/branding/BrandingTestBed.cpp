#include "BrandingTestBed.h"

#include "branding/OemInformation.h"
#include "platform/FolderEntries.h"
#include "testing/ScratchRegistry.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace pelmora::testing {

namespace {

std::string MakeWindowsDir(const TempDir& temp, BrandingTestBed::Kind kind)
{
    const std::filesystem::path windows = temp.Path() / "Windows";
    std::filesystem::create_directories(windows / "System");
    if (kind == BrandingTestBed::Kind::Current)
        std::filesystem::create_directories(windows / "System32");
    return windows.string();
}

}  // namespace

BrandingTestBed::BrandingTestBed(Kind kind)
    : windowsDir(MakeWindowsDir(temp, kind)),
      realRegistry(MakeScratchRegistry()),
      registry(*realRegistry),
      files(realFiles),
      programData(temp.File("ProgramData")),
      places(LocateBranding(programData, windowsDir, WindowsFile("System/oemlogo.bmp"),
                            WindowsFile("System/oeminfo.ini")))
{
}

std::string BrandingTestBed::WindowsFile(const std::string& relative) const
{
    std::string path = windowsDir;
    std::size_t start = 0;
    while (start <= relative.size()) {
        const std::size_t slash = relative.find('/', start);
        path = JoinPath(path, relative.substr(start, slash == std::string::npos ? std::string::npos : slash - start));
        if (slash == std::string::npos)
            break;
        start = slash + 1;
    }
    return path;
}

void BrandingTestBed::PutFile(const std::string& path, const std::string& bytes) const
{
    std::ofstream(PathFromUtf8(path), std::ios::binary | std::ios::trunc) << bytes;
}

std::optional<std::string> BrandingTestBed::FileBytes(const std::string& path) const
{
    std::ifstream file(PathFromUtf8(path), std::ios::binary);
    if (!file)
        return std::nullopt;
    return std::string{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::optional<std::vector<RegValueEntry>> BrandingTestBed::OemInformationKey()
{
    RegKey key = 0;
    if (realRegistry->OpenKey(RegRoot::LocalMachine, kOemInformationKey, key) != kRegSuccess)
        return std::nullopt;
    std::vector<RegValueEntry> values;
    realRegistry->EnumValues(key, values);
    realRegistry->CloseKey(key);
    return values;
}

void BrandingTestBed::SetOemValue(const std::string& name, std::uint32_t type, const std::string& bytes)
{
    RegKey key = 0;
    realRegistry->CreateKey(RegRoot::LocalMachine, kOemInformationKey, key);
    realRegistry->SetValue(key, name, type, bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    realRegistry->CloseKey(key);
}

std::string StoredText(const std::string& queried)
{
#ifdef _WIN32
    if (!queried.empty() && queried.back() == '\0')
        return queried.substr(0, queried.size() - 1);
#endif
    return queried;
}

}  // namespace pelmora::testing
