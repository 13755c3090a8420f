#pragma once

#include "platform/MediaModule.h"

#include <string>

namespace pelmora {

// The media module installed with the program (PELMORA_MEDIA_MODULE, relative to the running
// executable's folder), loaded at the first call and kept for the rest of the process. Null when
// it cannot be loaded; `error` then says which file and why.
const MediaModuleEntries* LoadMediaModule(std::string& error);

}  // namespace pelmora
