// The programs' resources: the manifest and version that Windows reads before the program runs.
#include "platform/Utf16_win32.h"
#include "platform/WindowsApi.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace pelmora {
namespace {

std::filesystem::path ProgramBeside(const wchar_t* name)
{
    std::wstring own(32768, L'\0');
    own.resize(GetModuleFileNameW(nullptr, own.data(), static_cast<DWORD>(own.size())));
    return std::filesystem::path(own).parent_path() / name;
}

std::string ManifestOf(HMODULE module)
{
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
    if (found == nullptr)
        return {};
    const char* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
    return std::string(data, SizeofResource(module, found));
}

TEST(Win32Resources, ProgramAsksForAdministratorsPerMonitorDpiAndCommonControls6)
{
    const std::filesystem::path program = ProgramBeside(L"pelmora.exe");
    HMODULE module = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module, nullptr) << program.string();
    const std::string manifest = ManifestOf(module);
    FreeLibrary(module);
    EXPECT_NE(manifest.find("level=\"requireAdministrator\""), std::string::npos) << manifest;
    EXPECT_NE(manifest.find(">PerMonitorV2, PerMonitor<"), std::string::npos);
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
    // The tests themselves run as invoked, from the same template.
    EXPECT_NE(ManifestOf(GetModuleHandleW(nullptr)).find("level=\"asInvoker\""), std::string::npos);
}

// The start-up benchmark's first-paint stamp is built into the benchmark's copy only.
TEST(Win32Resources, TheShippedProgramCarriesNoFirstPaintStamp)
{
    std::ifstream file(ProgramBeside(L"pelmora.exe"), std::ios::binary);
    ASSERT_TRUE(file);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_GT(bytes.size(), 0u);
    EXPECT_EQ(bytes.find("PELMORA_FIRST_PAINT_STAMP"), std::string::npos);
}

// The icon made from the program's drawing, at the sizes Windows shows, the large one kept as PNG.
TEST(Win32Resources, ProgramCarriesItsIconAtEverySize)
{
    const std::filesystem::path program = ProgramBeside(L"pelmora.exe");
    HMODULE module = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module, nullptr) << program.string();
    HRSRC group = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
    ASSERT_NE(group, nullptr);
    const auto* directory = static_cast<const BYTE*>(LockResource(LoadResource(module, group)));
    const int count = directory[4] | (directory[5] << 8);
    std::vector<int> sizes;
    for (int i = 0; i < count; ++i) {
        const BYTE* entry = directory + 6 + 14 * i;  // width, height, ..., the image's resource id last
        sizes.push_back(entry[0] == 0 ? 256 : entry[0]);
        const WORD id = static_cast<WORD>(entry[12] | (entry[13] << 8));
        HRSRC image = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(3));  // RT_ICON
        ASSERT_NE(image, nullptr);
        const std::string bytes(static_cast<const char*>(LockResource(LoadResource(module, image))),
                                SizeofResource(module, image));
        EXPECT_EQ(bytes.rfind("\x89PNG", 0) == 0, sizes.back() == 256) << sizes.back();
    }
    FreeLibrary(module);
    EXPECT_EQ(sizes, (std::vector<int>{16, 20, 24, 32, 40, 48, 64, 256}));
    // The windows' classes show it; the test program carries the same icon.
    HICON own = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, 32, 32, 0));
    EXPECT_NE(own, nullptr);
}

TEST(Win32Resources, VersionComesFromTheProject)
{
    const std::wstring program = ProgramBeside(L"pelmora.exe").wstring();
    DWORD unused = 0;
    std::string block(GetFileVersionInfoSizeW(program.c_str(), &unused), '\0');
    ASSERT_FALSE(block.empty());
    ASSERT_TRUE(GetFileVersionInfoW(program.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
    wchar_t* version = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\StringFileInfo\\040904B0\\ProductVersion",
                               reinterpret_cast<void**>(&version), &length));
    EXPECT_EQ(FromUtf16(version), PELMORA_VERSION);
    VS_FIXEDFILEINFO* fixed = nullptr;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    const std::string numbers = std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." +
                                std::to_string(LOWORD(fixed->dwFileVersionMS)) + "." +
                                std::to_string(HIWORD(fixed->dwFileVersionLS));
    EXPECT_EQ(numbers, PELMORA_VERSION);
}

}  // namespace
}  // namespace pelmora
