#pragma once

#include "platform/Status.h"

#include <string>
#include <vector>

namespace pelmora {

// One write or delete of a branding command and what it was, so a caller can put a failure in
// its report ("The value Model under OEMInformation was not stored: Access is denied.").
struct BrandingStep {
    Status status;
    std::string what;
};
using BrandingSteps = std::vector<BrandingStep>;

inline bool AllDone(const BrandingSteps& steps)
{
    for (const BrandingStep& step : steps) {
        if (!step.status)
            return false;
    }
    return true;
}

// Hands every step to a report with Check(status, what), such as a command's failure report.
template <typename Report>
void CheckAll(Report& report, const BrandingSteps& steps)
{
    for (const BrandingStep& step : steps)
        report.Check(step.status, step.what);
}

}  // namespace pelmora
