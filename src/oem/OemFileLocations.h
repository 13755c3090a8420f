#pragma once

#include <string>

namespace pelmora {

// Where the OEM files live: always the System folder under the Windows directory.
struct OemFileLocations {
    std::string WindowsDir;
    std::string LogoPath;
    std::string InfoPath;

    static OemFileLocations From(const std::string& windowsDir);
};

// The one place an OEM path is built: "\" on Windows, "/" elsewhere, the folder always "System".
std::string OemPath(const std::string& windowsDir, const char* fileName);

}  // namespace pelmora
