#include "platform/ProgramName.h"

#include "platform/WindowsApi.h"

#include <filesystem>
#include <string>

namespace pelmora {

// The module's file name, as the platform's own settings functions take it; read wide, so a name
// outside the ANSI code page survives, and kept as UTF-8 like all text in memory.
std::string RunningExecutableName(std::string_view fallback)
{
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) == path.size())
        path.resize(path.size() * 2);
    if (length == 0)
        return std::string(fallback);
    path.resize(length);
    const std::wstring stem = std::filesystem::path(path).stem().wstring();
    const int size = WideCharToMultiByte(CP_UTF8, 0, stem.data(), static_cast<int>(stem.size()), nullptr, 0, nullptr,
                                         nullptr);
    std::string name(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, stem.data(), static_cast<int>(stem.size()), name.data(), size, nullptr, nullptr);
    return name.empty() ? std::string(fallback) : name;
}

}  // namespace pelmora
