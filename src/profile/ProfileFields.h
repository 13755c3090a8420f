#pragma once

#include "branding/BrandingFields.h"
#include "branding/OemInformation.h"
#include "oem/SupportInfo.h"

#include <string_view>

namespace pelmora {

// A profile's text fields are the branding table's text fields, under their profile keys.
using ProfileField = BrandingField;
inline constexpr std::span<const BrandingField> kProfileFields = kTextFields;

// The profile keys beside the text fields.
inline constexpr const char* kLogoKey = kLogoField.profileKey;
inline constexpr const char* kVersionKey = "version";
inline constexpr int kProfileVersion = 1;

// The name of the field's value under the program's OEM key ("Manufacture", "web addres").
inline const char* StoredValueName(const ProfileField& field) { return field.storedName; }

// Apply OEM Information sets manufacturer and model.
inline bool IsMainWindowField(const ProfileField& field) { return field.window == FieldWindow::Main; }

inline const ProfileField* FindProfileField(std::string_view key) { return FindFieldByKey(key); }

}  // namespace pelmora
