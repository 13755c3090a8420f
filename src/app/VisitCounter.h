#pragma once

#include "registry/SettingsStore.h"

#include <string>

namespace pelmora {

// The stored counter after this start: a number goes up by one and is written in general number
// format (42, not 42.0; 1E+20); a text that is not a number stays as it is.
std::string NextVisitCount(const std::string& stored);

// Counts this start in the settings store (application, "Run", "Run") and returns the text shown.
// Nothing stored counts as zero earlier starts, so the first start shows 1.
std::string RegisterVisit(SettingsStore& settings, const std::string& application);

}  // namespace pelmora
