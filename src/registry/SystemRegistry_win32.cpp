#include "registry/SystemRegistry.h"

#include "registry/Win32Registry.h"

namespace pelmora {

std::unique_ptr<RegistryApi> MakeSystemRegistry()
{
    return std::make_unique<Win32Registry>();
}

std::unique_ptr<RegistryApi> OpenSystemRegistryForReading() { return std::make_unique<Win32Registry>(); }

}  // namespace pelmora
