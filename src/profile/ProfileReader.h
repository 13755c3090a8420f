#pragma once

#include "platform/FilePort.h"
#include "platform/PicturePort.h"
#include "profile/BrandingProfile.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// A profile is a few hundred bytes; anything far larger is not one.
inline constexpr std::size_t kProfileFileLimit = 1u << 20;

struct ProfileRead {
    // None when there is any problem: a profile is used whole or not at all.
    std::optional<BrandingProfile> profile;
    // One line per problem, starting with the key it concerns ("fax: must be text, not a number").
    std::vector<std::string> problems;
    std::shared_ptr<const Picture> logoPicture;  // the profile's logo, loaded
};

// The profile in `text`, a JSON object. Every key is optional but manufacturer and model, which
// Apply OEM Information needs; a support field left out is empty, a logo left out or null means
// no logo. Unknown or repeated keys, wrong types and values the commands would refuse (a line
// break, a NUL, more than the OEMInformation value takes) are problems. A relative logo path
// starts at `folder`.
ProfileRead ParseProfile(std::string_view text, const std::string& folder);

// The profile file at `path`, parsed, with its logo loaded: a logo that does not load is a problem.
ProfileRead ReadProfile(FilePort& files, PicturePort& pictures, const std::string& path);

// `path` as a full path (relative to the working folder), UTF-8.
std::string FullPathOf(const std::string& path);

}  // namespace pelmora
