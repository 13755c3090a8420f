#include "profile/ProfileRun.h"

#include "profile/ExpectedBranding.h"
#include "profile/MachineBranding.h"

namespace pelmora {

ProfileComparison CompareWithMachine(AppServices& services, const BrandingProfile& profile, const Picture* logo)
{
    ProfileComparison comparison;
    const MachineBranding machine = ReadMachineBranding(services);
    if (machine.places.windowsDir.empty()) {
        comparison.error = "no Windows directory was found, so there are no OEM files to compare";
        return comparison;
    }
    const auto expected = ExpectBranding(profile, logo, services.pictures, machine.places, comparison.error);
    if (expected)
        comparison.differences = CompareBranding(*expected, machine);
    return comparison;
}

bool ProfileApplied::Matches() const
{
    const ProfileComparison& last = steps.empty() ? before : after;
    return !refused && last.differences && last.differences->empty();
}

ProfileApplied ApplyProfile(AppServices& services, const BrandingProfile& profile, const Picture* logo,
                            const ProfileStepRunner& run, bool dryRun)
{
    ProfileApplied applied;
    applied.before = CompareWithMachine(services, profile, logo);
    if (!applied.before.differences)
        return applied;
    applied.steps = PlanProfile(profile, *applied.before.differences);
    if (dryRun || applied.steps.empty())
        return applied;
    for (const ProfileStep step : applied.steps) {
        if (!run(step)) {
            applied.refused = true;
            return applied;
        }
    }
    applied.after = CompareWithMachine(services, profile, logo);
    return applied;
}

}  // namespace pelmora
