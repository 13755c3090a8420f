#pragma once

#include <string>

namespace pelmora {

// The ProgramData folder of the Windows installation whose Windows directory is `windowsDir`:
// on Windows the running system's (the known folder FOLDERID_ProgramData); elsewhere the folder
// named ProgramData (in any letter case) beside the Windows directory, which need not exist yet.
// Empty when there is none to be found.
std::string FindProgramDataDir(const std::string& windowsDir);

// Where the commands find an installation's ProgramData folder: FindProgramDataDir on the real
// platform, a temporary folder in tests (on Windows the real one is the machine's own).
class ProgramDataSource {
public:
    virtual ~ProgramDataSource() = default;
    virtual std::string ProgramDataDir(const std::string& windowsDir) = 0;
};

class SystemProgramData final : public ProgramDataSource {
public:
    std::string ProgramDataDir(const std::string& windowsDir) override { return FindProgramDataDir(windowsDir); }
};

}  // namespace pelmora
