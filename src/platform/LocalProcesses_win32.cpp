#include "platform/LocalProcesses.h"

#include "platform/AnsiText.h"
#include "platform/WindowsApi.h"

namespace pelmora {

bool LocalProcesses::StartDetached(const std::string& program, const std::vector<std::string>& arguments,
                                   int showStyle)
{
    std::string line = ToAnsi(JoinWindowsCommandLine(program, arguments));
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showStyle);
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    // Not waited for: the handles are only closed.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

ProgramCommand LocalProcesses::SystemPropertiesCommand(const std::string&) const
{
    // Two arguments, so the joined line is the applet's command line exactly (no quotes).
    return {"rundll32.exe", {"shell32.dll,Control_RunDLL", "sysdm.cpl,,0"}};
}

}  // namespace pelmora
