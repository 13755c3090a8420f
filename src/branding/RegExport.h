#pragma once

#include "platform/FilePort.h"
#include "registry/RegistryApi.h"

#include <optional>
#include <string>

namespace pelmora {

// A registry editor file (version 5.00, UTF-16LE with a byte-order mark, CR LF) that gives another
// machine this store's branding: the OEMInformation key's values (those it lacks are deleted on
// import, as the commands delete an emptied field), then the program key with every subkey and
// value, each value with its type. Null when the store cannot be read; `error` says why.
std::optional<std::string> RegExportBytes(RegistryApi& registry, std::string& error);

// The file written to `path`, replacing it atomically.
Status ExportReg(FilePort& files, RegistryApi& registry, const std::string& path);

}  // namespace pelmora
