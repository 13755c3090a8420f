#pragma once

#include "oem/SupportInfo.h"
#include "platform/FilePort.h"
#include "platform/Status.h"

#include <string>

namespace pelmora {

// Rewrite oeminfo.ini at `path` as a whole, replacing the old file atomically, for a system of
// the ANSI code page `codePage` (TargetCodePage). A value holding CR or LF is refused (the Status
// names the field) and nothing is written.
Status WriteFullLayout(FilePort& files, const std::string& path, const SupportInfo& info, unsigned codePage);
Status WriteShortLayout(FilePort& files, const std::string& path, const std::string& manufacturer,
                        const std::string& model, unsigned codePage);

}  // namespace pelmora
