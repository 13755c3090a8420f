#include "profile/ProfileWriter.h"

#include "profile/ProfileFields.h"

#include <nlohmann/json.hpp>

namespace pelmora {

std::string ProfileText(const SupportInfo& info, const std::optional<std::string>& logo)
{
    // Kept in the order written, so the file reads like the windows' fields.
    nlohmann::ordered_json profile;
    profile[kVersionKey] = kProfileVersion;
    for (const ProfileField& field : kProfileFields)
        profile[field.profileKey] = info.*field.member;
    profile[kLogoKey] = logo ? nlohmann::ordered_json(*logo) : nlohmann::ordered_json(nullptr);
    return profile.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

}  // namespace pelmora
