#include "profile/ProfilePlan.h"

#include "profile/ProfileFields.h"

namespace pelmora {

namespace {

struct Needs {
    bool logo = false;
    bool mainWindowValues = false;  // manufacturer or model, stored or mirrored
    bool supportValues = false;     // a support field, stored or mirrored
    bool windowsValues = false;     // a field of the Current Windows window, stored or mirrored
    bool infoFile = false;
};

Needs NeedsOf(std::span<const ProfileDifference> differences)
{
    Needs needs;
    for (const ProfileDifference& difference : differences) {
        if (difference.place == DifferencePlace::Logo) {
            needs.logo = true;
        } else if (difference.place == DifferencePlace::InfoFile) {
            needs.infoFile = true;
        } else {
            const ProfileField* field = FindProfileField(difference.key);
            const FieldWindow window = field != nullptr ? field->window : FieldWindow::SupportEditor;
            (window == FieldWindow::Main            ? needs.mainWindowValues
             : window == FieldWindow::CurrentWindows ? needs.windowsValues
                                                     : needs.supportValues) = true;
        }
    }
    return needs;
}

}  // namespace

std::vector<ProfileStep> PlanProfile(const BrandingProfile& profile, std::span<const ProfileDifference> differences)
{
    const Needs needs = NeedsOf(differences);
    std::vector<ProfileStep> steps;
    if (needs.logo)
        steps.push_back(profile.logo ? ProfileStep::InstallLogo : ProfileStep::RemoveLogo);
    if (needs.mainWindowValues)
        steps.push_back(ProfileStep::ApplyOem);

    // Apply OEM Information writes the general section only, the editor the full layout: the
    // layout the profile gives must be written last. The editor also needs the stored
    // manufacturer and model, so it runs after apply-oem.
    if (WantsSupportSection(profile.info)) {
        if (needs.supportValues || needs.infoFile || needs.mainWindowValues)
            steps.push_back(ProfileStep::ApplySupport);
    } else if (needs.supportValues) {
        steps.push_back(ProfileStep::ApplySupport);
        steps.push_back(ProfileStep::ApplyOem);
    } else if (needs.infoFile && !needs.mainWindowValues) {
        steps.push_back(ProfileStep::ApplyOem);
    }
    // Writes no file, so its place among the others does not matter.
    if (needs.windowsValues)
        steps.push_back(ProfileStep::ApplyWindows);
    return steps;
}

const char* StepCommand(ProfileStep step)
{
    switch (step) {
    case ProfileStep::InstallLogo:
        return "apply-logo";
    case ProfileStep::RemoveLogo:
        return "remove-logo";
    case ProfileStep::ApplyOem:
        return "apply-oem";
    case ProfileStep::ApplySupport:
        return "apply-support";
    case ProfileStep::ApplyWindows:
        return "apply-windows";
    }
    return "";
}

}  // namespace pelmora
