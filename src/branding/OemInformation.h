#pragma once

#include "branding/BrandingFields.h"
#include "branding/BrandingPlaces.h"
#include "branding/BrandingSteps.h"
#include "registry/RegistryApi.h"
#include "registry/RegistryPaths.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace pelmora {

// Every value, in the order Windows' answer files list them (by name).
inline constexpr OemValue kOemValues[] = {OemValue::Logo,          OemValue::Manufacturer, OemValue::Model,
                                          OemValue::SupportAppURL, OemValue::SupportHours, OemValue::SupportPhone,
                                          OemValue::SupportProvider, OemValue::SupportURL};

const char* OemValueName(OemValue value);    // "SupportURL"
const char* OemFieldLabel(OemValue value);   // what the user typed it as: "Web Address"
std::size_t OemValueLimit(OemValue value);   // the most characters Windows takes

// A value as text; the empty text means no value (the value is deleted, never stored empty).
struct OemValueText {
    OemValue value;
    std::string text;

    bool operator==(const OemValueText&) const = default;
};
using OemValues = std::vector<OemValueText>;

// What each command sets. Apply OEM Information: manufacturer and model; the support editor's
// Apply: its web address and telephone; the Current Windows window: its fields; Remove OEM
// Information: every text value, deleted; installing a logo: Logo, naming the System32 copy.
OemValues ManufacturerAndModel(const std::string& manufacturer, const std::string& model);
OemValues SupportLinks(const std::string& webAddress, const std::string& telephone);
// The values the text boxes of `window` mirror to, with the texts of `info`.
OemValues MirroredFrom(const SupportInfo& info, FieldWindow window);
OemValues ClearedByRemoval();
OemValues LogoValue(const BrandingPlaces& places);

// The stop message for the first text longer than its value takes, naming the field; none when
// every one fits. Ask before anything is written: the command then writes nothing.
std::optional<std::string> RefuseTooLong(const OemValues& values);

// Sets each value as REG_SZ, or deletes it for an empty text (a missing value or key is no
// failure); one step per value. Values too long are refused before any is written.
BrandingSteps WriteOemValues(RegistryApi& registry, const OemValues& values);

// WriteOemValues where the installation reads the key (it has System32); no steps elsewhere.
BrandingSteps MirrorOemValues(RegistryApi& registry, const BrandingPlaces& places, const OemValues& values);

// Every value as the key holds them; a missing value, or one that is not REG_SZ, is empty.
OemValues ReadOemInformation(RegistryApi& registry);
const std::string& TextOf(const OemValues& values, OemValue value);

}  // namespace pelmora
