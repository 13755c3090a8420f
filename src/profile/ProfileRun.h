#pragma once

#include "oem/AppServices.h"
#include "platform/PicturePort.h"
#include "profile/BrandingProfile.h"
#include "profile/ProfileCheck.h"
#include "profile/ProfilePlan.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pelmora {

struct ProfileComparison {
    // None when the machine cannot be compared; `error` then says why.
    std::optional<std::vector<ProfileDifference>> differences;
    std::string error;
};

// How the machine differs from `profile`, whose picture `logo` is (null for none).
ProfileComparison CompareWithMachine(AppServices& services, const BrandingProfile& profile, const Picture* logo);

// Runs one command of a plan; false when it was refused or failed (it has said why).
using ProfileStepRunner = std::function<bool(ProfileStep)>;

struct ProfileApplied {
    ProfileComparison before;
    std::vector<ProfileStep> steps;  // planned; those run when not a dry run
    bool refused = false;            // a command refused or failed; the ones after it did not run
    ProfileComparison after;         // after the commands ran (not looked at for a dry run)

    // True when the machine matches the profile at the end.
    bool Matches() const;
};

// Makes the machine match the profile through `run`, then compares again, so a command that
// left something undone is not taken for success. A machine that matches gets no command at all;
// with `dryRun` none runs.
ProfileApplied ApplyProfile(AppServices& services, const BrandingProfile& profile, const Picture* logo,
                            const ProfileStepRunner& run, bool dryRun);

}  // namespace pelmora
