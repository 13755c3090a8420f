#pragma once

#include "oem/SupportInfo.h"

#include <optional>
#include <string>

namespace pelmora {

// The branding a machine should have: the text fields and the logo.
struct BrandingProfile {
    SupportInfo info;
    // The picture's full path; none when the machine should show no logo.
    std::optional<std::string> logo;

    bool operator==(const BrandingProfile&) const = default;
};

// A profile whose nine support fields (those of oeminfo.ini's support section) are all empty gets the general section only, as Apply OEM
// Information writes it; any support text and the editor's full layout is written.
bool WantsSupportSection(const SupportInfo& info);

// oeminfo.ini in the layout given: its text, and its bytes as the commands write it for a system
// of the ANSI code page `codePage`.
std::string InfoFileText(const SupportInfo& info, bool supportSection);
std::string InfoFileBytes(const SupportInfo& info, bool supportSection, unsigned codePage);

// The text as the store hands it back after a command wrote it: whole, as every store keeps it.
std::string AsStored(const std::string& text);

}  // namespace pelmora
