#pragma once

#include "registry/RegistryApi.h"

#include <memory>

namespace pelmora {

// The registry the program uses: advapi32 on Windows; elsewhere the SQLite store at its default
// path, seeded with the machine's registration facts when it is first created.
std::unique_ptr<RegistryApi> MakeSystemRegistry();

// The same registry for a program that only looks: elsewhere the store is opened read-only, and
// null when its file does not exist yet (nothing is created or seeded).
std::unique_ptr<RegistryApi> OpenSystemRegistryForReading();

}  // namespace pelmora
