#pragma once

#include "profile/BrandingProfile.h"
#include "profile/ProfileCheck.h"

#include <span>
#include <vector>

namespace pelmora {

// The commands that make a machine match a profile, each run as pelmora-cli runs it.
enum class ProfileStep {
    InstallLogo,   // apply-logo with the profile's picture
    RemoveLogo,    // remove-logo
    ApplyOem,      // apply-oem with manufacturer and model
    ApplySupport,  // apply-support with the nine support fields
    ApplyWindows,  // apply-windows with the fields only current Windows shows
};

// The commands to run, in order, for the differences found; none when there are none. Only
// the commands whose values or files differ run, so what matches is not written again, and the
// last to write oeminfo.ini writes the layout the profile gives.
std::vector<ProfileStep> PlanProfile(const BrandingProfile& profile, std::span<const ProfileDifference> differences);

const char* StepCommand(ProfileStep step);  // "apply-oem"

}  // namespace pelmora
