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

}  // namespace pelmora
