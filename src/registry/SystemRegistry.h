#pragma once

#include "registry/ImageRegistry.h"
#include "registry/RegistryApi.h"

#include <memory>
#include <string>

namespace pelmora {

// The registry the program uses: advapi32 on Windows; elsewhere the SQLite store at its default
// path, seeded with the machine's registration facts when it is first created.
std::unique_ptr<RegistryApi> MakeSystemRegistry();

// The name of the lock every command that changes the store or the OEM files holds: off Windows a
// lock file beside the store (empty when the store has no place), on Windows a named mutex.
std::string CommandLockName();

// The same registry for a program that only looks: elsewhere the store is opened read-only, and
// null when its file does not exist yet (nothing is created or seeded).
std::unique_ptr<RegistryApi> OpenSystemRegistryForReading();

// The same two for the Windows folder the program works on: off Windows, when it holds an
// installation's SOFTWARE hive, HKLM "SOFTWARE" is that hive and the rest stays in the store (see
// MakeImageRegistry); for reading, a store that does not exist then reads as empty. On Windows
// the system's registry.
std::unique_ptr<RegistryApi> MakeSystemRegistry(const std::string& windowsDir,
                                                HiveWrites writes = HiveWrites::Renamed);
std::unique_ptr<RegistryApi> OpenSystemRegistryForReading(const std::string& windowsDir);

}  // namespace pelmora
