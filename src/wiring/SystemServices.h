#pragma once

#include "oem/AppServices.h"
#include "platform/LocalFiles.h"
#include "platform/LocalProcesses.h"

#include <memory>
#include <string>

namespace pelmora {

// The real platform a program runs on: the system registry, local files, the Windows directory
// and processes, with the pictures of the program's toolkit, owned together so each program
// builds them in one line.
class SystemServices {
public:
    SystemServices(std::string executableName, std::unique_ptr<PicturePort> pictures);

    AppServices& Services() { return m_Services; }

private:
    std::unique_ptr<RegistryApi> m_Registry;
    std::unique_ptr<WindowsDirectorySource> m_WindowsDirectory;
    std::unique_ptr<PicturePort> m_Pictures;
    LocalFiles m_Files;
    LocalProcesses m_Processes;
    SystemProgramData m_ProgramData;
    AppServices m_Services;
};

}  // namespace pelmora
