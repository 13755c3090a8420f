#pragma once

#include "branding/BrandingPlaces.h"
#include "branding/BrandingSteps.h"
#include "platform/FilePort.h"
#include "registry/RegistryApi.h"

#include <cstddef>
#include <optional>
#include <string>

namespace pelmora {

// A branding file larger than this is not saved (and the change that needs the backup refused).
inline constexpr std::size_t kFactoryFileLimit = 64u << 20;

// Before the first change to an installation's branding: saves the two legacy files, the System32
// logo and every value of the OEMInformation key (type and bytes), noting what did not exist, in
// places.factoryBackup. Built in a temporary folder beside it and renamed into place, so it is
// whole or absent; once there it is never overwritten (this returns at once). A failure means no
// backup: the caller changes nothing.
Status EnsureFactoryBackup(FilePort& files, RegistryApi& registry, const BrandingPlaces& places);

bool HasFactoryBackup(const BrandingPlaces& places);

// The first folder of the places a command writes (the two legacy files, the System32 logo, the
// factory backup) that `files` refuses (see FilePort::CheckFolder), as the reason; none when all
// may be written. Asked before the first change, so one refused folder changes nothing.
std::optional<std::string> RefusedBrandingFolder(FilePort& files, const BrandingPlaces& places);

struct FactoryRestore {
    // No backup, or one that cannot be read: nothing was changed.
    std::optional<std::string> refusal;
    // One per file and value put back or removed.
    BrandingSteps steps;
};

// Puts back what the backup saved: the files byte for byte and the values with their types; a
// file that did not exist is deleted, and so are the values the program writes that did not
// exist (and the key, when it did not exist and nothing else is left in it). Values of the key
// that others added since are left alone. The backup stays.
FactoryRestore RestoreFactoryBranding(FilePort& files, RegistryApi& registry, const BrandingPlaces& places);

}  // namespace pelmora
