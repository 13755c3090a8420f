#pragma once

#include "oem/SupportInfo.h"

#include <optional>
#include <string>

namespace pelmora {

// A profile's JSON text: the version, every field in the order of the profile's keys, and the
// logo as given (a path, relative to the profile's folder or full) or null for none.
std::string ProfileText(const SupportInfo& info, const std::optional<std::string>& logo);

}  // namespace pelmora
