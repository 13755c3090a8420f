#pragma once

#include "branding/OemInformation.h"
#include "oem/SupportInfo.h"

#include <optional>
#include <string>
#include <string_view>

namespace pelmora {

// The text fields of a branding profile: its JSON key (apply-oem's and apply-support's option
// names), the SupportInfo member it fills and the OEMInformation value that mirrors it, if any.
struct ProfileField {
    const char* key;
    std::string SupportInfo::*member;
    std::optional<OemValue> mirror;
};

inline constexpr ProfileField kProfileFields[] = {
    {"manufacturer", &SupportInfo::Manufacturer, OemValue::Manufacturer},
    {"model", &SupportInfo::Model, OemValue::Model},
    {"web", &SupportInfo::WebAddress, OemValue::SupportURL},
    {"email", &SupportInfo::EMail, std::nullopt},
    {"address", &SupportInfo::PostalAddress, std::nullopt},
    {"address2", &SupportInfo::Address2, std::nullopt},
    {"telephone", &SupportInfo::Telephone, OemValue::SupportPhone},
    {"fax", &SupportInfo::Fax, std::nullopt},
    {"owner", &SupportInfo::Owner, std::nullopt},
    {"company", &SupportInfo::Company, std::nullopt},
    {"date", &SupportInfo::Date, std::nullopt},
};

// The profile keys beside the text fields.
inline constexpr const char* kLogoKey = "logo";
inline constexpr const char* kVersionKey = "version";
inline constexpr int kProfileVersion = 1;

// The name of the field's value under the program's OEM key ("Manufacture", "web addres").
const char* StoredValueName(const ProfileField& field);

// Apply OEM Information sets manufacturer and model; every other field is the support editor's.
bool IsMainWindowField(const ProfileField& field);

const ProfileField* FindProfileField(std::string_view key);

}  // namespace pelmora
