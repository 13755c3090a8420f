#pragma once

#include "branding/BrandingPlaces.h"
#include "platform/PicturePort.h"
#include "profile/BrandingProfile.h"

#include <optional>
#include <string>
#include <vector>

namespace pelmora {

// What the commands leave on a machine when they apply a profile, file bytes and stored texts
// exactly as they would write them.
struct ExpectedBranding {
    SupportInfo stored;  // each field as the store hands it back
    std::string infoFile;  // the bytes
    unsigned codePage = 0;  // the target's ANSI code page, which infoFile and the machine's file are read in
    // For each CR LF line of infoFile, the key of the field it shows; empty for the fixed lines.
    std::vector<std::string> infoLineKeys;
    std::optional<std::string> legacyLogo;  // System/oemlogo.bmp; none: no file
    std::optional<std::string> mirrorLogo;  // System32/oemlogo.bmp where mirrored; none: no file
    std::string logoValue;                  // the Logo value where mirrored; empty: none
};

// `logo` is the profile's picture, loaded; null when the profile has none. None, with `error`
// saying why, when the picture cannot be made into the bitmaps the commands write.
std::optional<ExpectedBranding> ExpectBranding(const BrandingProfile& profile, const Picture* logo,
                                               PicturePort& pictures, const BrandingPlaces& places,
                                               std::string& error);

// The CR LF lines of a file's text; a last line without its CR LF is a line too.
std::vector<std::string> CrLfLines(const std::string& bytes);

}  // namespace pelmora
