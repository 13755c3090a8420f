// The programs' resources: the manifest and version that Windows reads before the program runs.
#include "platform/Utf16_win32.h"
#include "platform/WindowsApi.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

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
