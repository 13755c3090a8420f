#pragma once

#include "platform/Status.h"
#include "registry/RegistryApi.h"

#include <string>

namespace pelmora {

// Reads a REG_SZ value as UTF-8 text. A missing key or value, a value of another type or a
// failed query gives `defaultText`. The text ends at the first NUL.
std::string ReadRegString(RegistryApi& api, RegRoot root, const std::string& keyPath,
                          const std::string& valueName, const std::string& defaultText);

// Writes text as REG_SZ without a terminating NUL, creating missing keys. Callers that must not
// report success after a failed write look at the result.
Status WriteRegString(RegistryApi& api, RegRoot root, const std::string& keyPath,
                      const std::string& valueName, const std::string& text);

}  // namespace pelmora
