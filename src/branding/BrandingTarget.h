#pragma once

#include "branding/BrandingPlaces.h"
#include "branding/OemInformation.h"
#include "oem/AppServices.h"
#include "platform/DialogPort.h"

#include <optional>
#include <string>

namespace pelmora {

// Where a window's Apply writes the branding, asked with the command's lock held and before its
// first change. No places without a Windows directory: the program's own values are still stored
// and no file is written.
struct BrandingTarget {
    bool refused = false;  // the stop message was shown: the command ends, having changed nothing
    std::optional<BrandingPlaces> places;
};

// The target of a window's change to the installation at `windowsDir`, whose mirror takes
// `mirrored`; a refusal (see RefuseBrandingChange) is shown through `dialogs`.
BrandingTarget TargetOfChange(AppServices& services, DialogPort& dialogs, const std::string& windowsDir,
                              const OemValues& mirrored);

}  // namespace pelmora
