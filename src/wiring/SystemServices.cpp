#include "wiring/SystemServices.h"

#include "platform/SystemWindowsDirectory.h"
#include "registry/SystemRegistry.h"

namespace pelmora {

namespace {

// Long enough for another command's writes, short enough for a window that waits on it.
constexpr std::chrono::milliseconds kCommandLockWait{5000};

}  // namespace

SystemServices::SystemServices(std::string executableName, std::unique_ptr<PicturePort> pictures)
    : m_Registry(MakeSystemRegistry()),
      m_WindowsDirectory(MakeSystemWindowsDirectory()),
      m_Pictures(std::move(pictures)),
      m_CommandLock(CommandLockName(), kCommandLockWait),
      m_Services{*m_Registry, m_Files, *m_Pictures, *m_WindowsDirectory, m_Processes, m_ProgramData,
                 std::move(executableName), m_CommandLock}
{
}

}  // namespace pelmora
