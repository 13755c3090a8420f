#pragma once

#include "registry/RegistryApi.h"

#include <memory>

namespace pelmora::testing {

// A registry of its own, empty, gone with the object: the store the build uses (the SQLite file in
// a temporary folder off Windows, advapi32 on Windows with its roots moved under a scratch key).
std::unique_ptr<RegistryApi> MakeScratchRegistry();

// Another program's way into the same scratch store, `scratch` from MakeScratchRegistry: a
// connection of its own to the SQLite file, or advapi32 on the same scratch keys. It must go
// before `scratch` does.
std::unique_ptr<RegistryApi> OpenScratchRegistryAgain(RegistryApi& scratch);

// Whether the scratch store commits a group of changes whole or not at all (advapi32 can only
// where the system has registry transactions, which Wine has not).
bool ScratchRegistryKeepsGroupsWhole();

}  // namespace pelmora::testing
