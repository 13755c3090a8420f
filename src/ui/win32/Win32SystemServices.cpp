#include "Win32SystemServices.h"

#include "platform/SystemWindowsDirectory.h"
#include "registry/SystemRegistry.h"

namespace pelmora::win32 {

Win32SystemServices::Win32SystemServices(std::string executableName)
    : m_Registry(MakeSystemRegistry()),
      m_WindowsDirectory(MakeSystemWindowsDirectory()),
      m_Services{*m_Registry, m_Files, m_Pictures, *m_WindowsDirectory, m_Processes, std::move(executableName)}
{
}

}  // namespace pelmora::win32
