#include "branding/BrandingTarget.h"

#include "branding/BrandingChange.h"
#include "oem/FailureReport.h"
#include "oem/OemFileLocations.h"

namespace pelmora {

BrandingTarget TargetOfChange(AppServices& services, DialogPort& dialogs, const std::string& windowsDir,
                              const OemValues& mirrored)
{
    BrandingTarget target;
    if (windowsDir.empty())
        return target;
    const OemFileLocations locations = OemFileLocations::From(windowsDir);
    target.places = LocateBranding(services.programData, windowsDir, locations.LogoPath, locations.InfoPath);
    if (const auto refusal = RefuseBrandingChange(services.files, services.registry, *target.places, mirrored)) {
        ShowStop(dialogs, *refusal);
        target.refused = true;
    }
    return target;
}

}  // namespace pelmora
