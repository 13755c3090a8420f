#pragma once

#include "branding/BrandingPlaces.h"

#include <string>

namespace pelmora {

// The branding files a factory backup holds: the role the record names, the name of the copy
// in the backup folder, and where the file lives.
struct FactoryFile {
    const char* role;
    const char* savedAs;
    std::string BrandingPlaces::*path;
};

inline constexpr FactoryFile kFactoryFiles[] = {
    {"legacy-logo", "System-oemlogo.bmp", &BrandingPlaces::legacyLogo},
    {"legacy-info", "System-oeminfo.ini", &BrandingPlaces::legacyInfo},
    {"system32-logo", "System32-oemlogo.bmp", &BrandingPlaces::logoFile},
};

inline constexpr const char* kFactoryRecordName = "record.txt";

}  // namespace pelmora
