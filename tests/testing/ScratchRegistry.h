#pragma once

#include "registry/RegistryApi.h"

#include <memory>

namespace pelmora::testing {

// A registry of its own, empty, gone with the object: the store the build uses (the SQLite file in
// a temporary folder off Windows, advapi32 on Windows with its roots moved under a scratch key).
std::unique_ptr<RegistryApi> MakeScratchRegistry();

}  // namespace pelmora::testing
