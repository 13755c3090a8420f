#pragma once

#include "branding/BrandingPlaces.h"
#include "branding/OemInformation.h"
#include "platform/FilePort.h"
#include "registry/RegistryApi.h"

#include <optional>
#include <string>

namespace pelmora {

// Asked by a command before its first change to an installation's branding, so a refusal
// leaves everything as it was. Where the mirror is written, a value it cannot take is refused
// (naming the field); then the factory backup is taken unless it exists. The stop message when
// the command must not go on; none when it may.
std::optional<std::string> RefuseBrandingChange(FilePort& files, RegistryApi& registry, const BrandingPlaces& places,
                                                const OemValues& mirrored);

}  // namespace pelmora
