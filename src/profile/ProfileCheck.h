#pragma once

#include "profile/ExpectedBranding.h"
#include "profile/MachineBranding.h"

#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// Where a difference lies, so the commands that mend it can be chosen.
enum class DifferencePlace { Stored, Mirror, InfoFile, Logo };

struct ProfileDifference {
    // The profile key it concerns ("fax", "logo"), or the file's name for a difference no one
    // field explains ("oeminfo.ini").
    std::string key;
    DifferencePlace place;
    std::string text;  // what differs, on one line

    std::string Line() const { return key + ": " + text; }
};

inline constexpr const char* kInfoFileKey = "oeminfo.ini";

// Every way the machine differs from what the commands would leave: the stored fields, the
// OEMInformation values (where the installation reads them), oeminfo.ini byte for byte and the
// logo files. The machine must have a Windows directory.
std::vector<ProfileDifference> CompareBranding(const ExpectedBranding& expected, const MachineBranding& machine);

// Text in double quotes on one line: control characters become \xHH.
std::string Quoted(std::string_view text);

}  // namespace pelmora
