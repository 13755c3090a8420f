#include "registry/SystemRegistry.h"

#include "registry/MachineFacts.h"
#include "registry/SqliteRegistry.h"

namespace pelmora {

std::unique_ptr<RegistryApi> MakeSystemRegistry()
{
    SqliteRegistryOptions options;
    options.path = DefaultRegistryPath();
    options.seed = [] { return RegistrationSeed(ReadMachineFacts()); };
    return std::make_unique<SqliteRegistry>(std::move(options));
}

std::string CommandLockName()
{
    const std::string store = DefaultRegistryPath();
    return store.empty() ? store : store + ".lock";
}

}  // namespace pelmora
