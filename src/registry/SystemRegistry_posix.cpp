#include "registry/SystemRegistry.h"

#include "registry/ImageRegistry.h"
#include "registry/MachineFacts.h"
#include "registry/SqliteRegistry.h"

#include <filesystem>
#include <system_error>

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

std::unique_ptr<RegistryApi> OpenSystemRegistryForReading()
{
    SqliteRegistryOptions options;
    options.path = DefaultRegistryPath();
    options.readOnly = true;
    std::error_code error;
    if (!std::filesystem::is_regular_file(options.path, error))
        return nullptr;
    return std::make_unique<SqliteRegistry>(std::move(options));
}

std::unique_ptr<RegistryApi> MakeSystemRegistry(const std::string& windowsDir, HiveWrites writes)
{
    return MakeImageRegistry(windowsDir, MakeSystemRegistry(), writes);
}

std::unique_ptr<RegistryApi> OpenSystemRegistryForReading(const std::string& windowsDir)
{
    if (!FindSoftwareHive(windowsDir))
        return OpenSystemRegistryForReading();
    // Opened only when a key outside SOFTWARE is read, and never created.
    SqliteRegistryOptions options;
    options.path = DefaultRegistryPath();
    options.readOnly = true;
    return MakeImageRegistry(windowsDir, std::make_unique<SqliteRegistry>(std::move(options)));
}

}  // namespace pelmora
