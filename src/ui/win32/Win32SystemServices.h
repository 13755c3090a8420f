#pragma once

#include "app/AppServices.h"
#include "platform/LocalFiles.h"
#include "platform/LocalProcesses.h"
#include "platform/WicPictures_win32.h"

#include <memory>
#include <string>

namespace pelmora::win32 {

// The real Windows platform: the system registry (advapi32), local files, pictures through the
// Windows Imaging Component, GetWindowsDirectoryA and CreateProcessA, owned together.
class Win32SystemServices {
public:
    explicit Win32SystemServices(std::string executableName);

    AppServices& Services() { return m_Services; }

private:
    std::unique_ptr<RegistryApi> m_Registry;
    std::unique_ptr<WindowsDirectorySource> m_WindowsDirectory;
    LocalFiles m_Files;
    WicPictures m_Pictures;
    LocalProcesses m_Processes;
    AppServices m_Services;
};

}  // namespace pelmora::win32
