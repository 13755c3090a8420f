#pragma once

#include "branding/BrandingPlaces.h"
#include "branding/BrandingSteps.h"
#include "platform/FilePort.h"
#include "platform/PicturePort.h"
#include "registry/RegistryApi.h"

namespace pelmora {

// Windows shows the maker's logo at most this many pixels wide and high.
inline constexpr int kLogoBoxSide = 120;

// Installing a logo: `picture` as a 32-bit BMP fitted into the box at places.logoFile, then the
// Logo value naming it. Without System32 there is nothing to do (no steps). When the bitmap
// cannot be made or written, Logo is left as it was.
BrandingSteps InstallLogoMirror(FilePort& files, PicturePort& pictures, RegistryApi& registry,
                                const BrandingPlaces& places, const Picture& picture);

// Removing the logo: deletes places.logoFile and the Logo value.
BrandingSteps RemoveLogoMirror(FilePort& files, RegistryApi& registry, const BrandingPlaces& places);

}  // namespace pelmora
