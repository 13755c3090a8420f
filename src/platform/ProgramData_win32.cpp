#include "platform/ProgramData.h"

#include "platform/SystemLibrary_win32.h"
#include "platform/WindowsApi.h"

#include <knownfolders.h>
#include <shlobj.h>

namespace pelmora {

namespace {

std::string Utf8FromWide(const wchar_t* wide)
{
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1)
        return "";
    std::string text(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), length, nullptr, nullptr);
    text.resize(static_cast<std::size_t>(length - 1));
    return text;
}

// Where the system keeps the folder, read without loading the shell (a start would pay for
// it): the known folder is a fixed one, set by this value and never redirected.
std::string FromProfileList()
{
    wchar_t stored[MAX_PATH] = {};
    DWORD size = sizeof stored;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList",
                     L"ProgramData", RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr, stored,
                     &size) != ERROR_SUCCESS)
        return "";
    wchar_t expanded[MAX_PATH] = {};
    const DWORD length = ExpandEnvironmentStringsW(stored, expanded, MAX_PATH);
    if (length == 0 || length > MAX_PATH || wcschr(expanded, L'%') != nullptr)
        return "";
    return Utf8FromWide(expanded);
}

std::string FromShell()
{
    static const auto knownFolderPath =
        SystemEntry<decltype(&SHGetKnownFolderPath)>(L"shell32.dll", "SHGetKnownFolderPath");
    static const auto taskMemFree = SystemEntry<decltype(&CoTaskMemFree)>(L"ole32.dll", "CoTaskMemFree");
    if (knownFolderPath == nullptr || taskMemFree == nullptr)
        return "";
    PWSTR path = nullptr;
    std::string folder;
    if (SUCCEEDED(knownFolderPath(FOLDERID_ProgramData, 0, nullptr, &path)))
        folder = Utf8FromWide(path);
    taskMemFree(path);
    return folder;
}

}  // namespace

// The running system's: the Windows directory on Windows is always the running one.
std::string FindProgramDataDir(const std::string&)
{
    std::string folder = FromProfileList();
    return folder.empty() ? FromShell() : folder;
}

}  // namespace pelmora
