#pragma once

#include "oem/AppServices.h"
#include "platform/LocalFiles.h"
#include "platform/LocalProcesses.h"
#include "platform/qt/QtPictures.h"

#include <memory>
#include <string>

namespace pelmora {

// The real platform a program runs on: the system registry, local files, Qt pictures, the
// Windows directory and processes, owned together so each program builds them in one line.
class SystemServices {
public:
    explicit SystemServices(std::string executableName);

    AppServices& Services() { return m_Services; }

private:
    std::unique_ptr<RegistryApi> m_Registry;
    std::unique_ptr<WindowsDirectorySource> m_WindowsDirectory;
    LocalFiles m_Files;
    QtPictures m_Pictures;
    LocalProcesses m_Processes;
    AppServices m_Services;
};

}  // namespace pelmora
