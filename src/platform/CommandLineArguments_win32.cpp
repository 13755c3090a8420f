#include "platform/CommandLineArguments_win32.h"

#include "platform/Utf16_win32.h"
#include "platform/WindowsApi.h"

#include <shellapi.h>

namespace pelmora {

std::vector<std::string> SplitCommandLine(std::wstring_view commandLine)
{
    const std::wstring line(commandLine);
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(line.c_str(), &count);
    if (arguments == nullptr)
        return {};
    std::vector<std::string> result;
    result.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        result.push_back(FromUtf16(arguments[i]));
    LocalFree(arguments);
    return result;
}

std::vector<std::string> CommandLineArguments() { return SplitCommandLine(GetCommandLineW()); }

}  // namespace pelmora
