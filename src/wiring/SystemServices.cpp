#include "wiring/SystemServices.h"

#include "platform/SystemWindowsDirectory.h"
#include "registry/SystemRegistry.h"

namespace pelmora {

SystemServices::SystemServices(std::string executableName, std::unique_ptr<PicturePort> pictures)
    : m_Registry(MakeSystemRegistry()),
      m_WindowsDirectory(MakeSystemWindowsDirectory()),
      m_Pictures(std::move(pictures)),
      m_Services{*m_Registry, m_Files, *m_Pictures, *m_WindowsDirectory, m_Processes, m_ProgramData,
                 std::move(executableName)}
{
}

}  // namespace pelmora
