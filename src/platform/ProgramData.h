#pragma once

#include <string>

namespace pelmora {

// The ProgramData folder of the Windows installation whose Windows directory is `windowsDir`:
// on Windows the running system's (the known folder FOLDERID_ProgramData); elsewhere the folder
// named ProgramData (in any letter case) beside the Windows directory, which need not exist yet.
// Empty when there is none to be found.
std::string FindProgramDataDir(const std::string& windowsDir);

}  // namespace pelmora
