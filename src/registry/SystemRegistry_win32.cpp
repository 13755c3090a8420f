#include "registry/SystemRegistry.h"

#include "registry/Win32Registry.h"

namespace pelmora {

std::unique_ptr<RegistryApi> MakeSystemRegistry()
{
    return std::make_unique<Win32Registry>();
}

std::string CommandLockName()
{
    // Machine-wide, as the registry and the System folder are.
    return "Global\\Pelmora.Commands";
}

std::unique_ptr<RegistryApi> OpenSystemRegistryForReading() { return std::make_unique<Win32Registry>(); }

// An installation's hive is read off Windows only; here the Windows folder is the system's own.
std::unique_ptr<RegistryApi> MakeSystemRegistry(const std::string&, HiveWrites) { return MakeSystemRegistry(); }

std::unique_ptr<RegistryApi> OpenSystemRegistryForReading(const std::string&) { return OpenSystemRegistryForReading(); }

}  // namespace pelmora
