#pragma once

#include "platform/ProcessPort.h"

#include <string>
#include <vector>

namespace pelmora {

// Starts programs of this machine: CreateProcessA on Windows; elsewhere a new session of its own,
// no shell, nothing left to wait for (the show style has no meaning there).
class LocalProcesses : public ProcessPort {
public:
    bool StartDetached(const std::string& program, const std::vector<std::string>& arguments, int showStyle) override;

    // Windows: the System Properties applet, so that the command line is
    // "rundll32.exe shell32.dll,Control_RunDLL sysdm.cpl,,0". Elsewhere: pelmora-sysprops from
    // the running program's folder, given the Windows directory.
    ProgramCommand SystemPropertiesCommand(const std::string& windowsDir) const override;
};

// The command line CreateProcessA receives: the program quoted when it holds a blank, each
// argument quoted and escaped only when it must be, so the C runtime splits it back unchanged.
std::string JoinWindowsCommandLine(const std::string& program, const std::vector<std::string>& arguments);

}  // namespace pelmora
