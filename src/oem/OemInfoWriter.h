#pragma once

#include "oem/SupportInfo.h"
#include "platform/FilePort.h"
#include "platform/Status.h"

#include <string>

namespace pelmora {

// Rewrite oeminfo.ini at `path` as a whole, replacing the old file atomically. A value holding
// CR or LF is refused (the Status names the field) and nothing is written.
Status WriteFullLayout(FilePort& files, const std::string& path, const SupportInfo& info);
Status WriteShortLayout(FilePort& files, const std::string& path, const std::string& manufacturer,
                        const std::string& model);

}  // namespace pelmora
