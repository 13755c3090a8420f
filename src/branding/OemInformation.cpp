#include "branding/OemInformation.h"

#include "branding/Utf16.h"
#include "registry/KeyCloser.h"
#include "registry/RegString.h"

namespace pelmora {

namespace {

// Windows counts a string's characters in UTF-16 code units.
bool TooLong(const OemValueText& value)
{
    return value.text.size() > OemValueLimit(value.value) &&
           Utf16FromUtf8(value.text).size() > OemValueLimit(value.value);
}

Status DeleteOemValue(RegistryApi& registry, OemValue value)
{
    RegKey key = 0;
    KeyCloser closer(registry, key);
    const long opened = registry.OpenKey(RegRoot::LocalMachine, kOemInformationKey, key);
    if (opened == kRegFileNotFound)
        return Status::Ok();
    if (opened != kRegSuccess)
        return Status::Failed(registry.DescribeError(opened));
    const long code = registry.DeleteValue(key, OemValueName(value));
    if (code != kRegSuccess && code != kRegFileNotFound)
        return Status::Failed(registry.DescribeError(code));
    return Status::Ok();
}

std::string ValueWhat(OemValue value, const char* outcome)
{
    return std::string("The value ") + OemValueName(value) + " under OEMInformation was not " + outcome;
}

}  // namespace

const char* OemValueName(OemValue value)
{
    switch (value) {
    case OemValue::Logo: return "Logo";
    case OemValue::Manufacturer: return "Manufacturer";
    case OemValue::Model: return "Model";
    case OemValue::SupportAppURL: return "SupportAppURL";
    case OemValue::SupportHours: return "SupportHours";
    case OemValue::SupportPhone: return "SupportPhone";
    case OemValue::SupportProvider: return "SupportProvider";
    case OemValue::SupportURL: return "SupportURL";
    }
    return "";
}

const char* OemFieldLabel(OemValue value) { return FieldOf(value).label; }
std::size_t OemValueLimit(OemValue value) { return FieldOf(value).limit; }

OemValues ManufacturerAndModel(const std::string& manufacturer, const std::string& model)
{
    return {{OemValue::Manufacturer, manufacturer}, {OemValue::Model, model}};
}

OemValues SupportLinks(const std::string& webAddress, const std::string& telephone)
{
    return {{OemValue::SupportURL, webAddress}, {OemValue::SupportPhone, telephone}};
}

OemValues MirroredFrom(const SupportInfo& info, FieldWindow window)
{
    OemValues values;
    for (const BrandingField& field : kTextFields) {
        if (field.window == window && field.oemValue)
            values.push_back({*field.oemValue, info.*field.member});
    }
    return values;
}

OemValues ClearedByRemoval()
{
    OemValues values;
    for (const BrandingField& field : kTextFields) {
        if (field.oemValue)
            values.push_back({*field.oemValue, ""});
    }
    return values;
}

OemValues LogoValue(const BrandingPlaces& places) { return {{OemValue::Logo, places.logoValue}}; }

std::optional<std::string> RefuseTooLong(const OemValues& values)
{
    for (const OemValueText& value : values) {
        if (TooLong(value)) {
            return std::string(OemFieldLabel(value.value)) + " is longer than the " +
                   std::to_string(OemValueLimit(value.value)) + " characters Windows takes for " +
                   OemValueName(value.value) + ". Nothing was saved.";
        }
    }
    return std::nullopt;
}

BrandingSteps WriteOemValues(RegistryApi& registry, const OemValues& values)
{
    if (const auto refusal = RefuseTooLong(values))
        return {{Status::Failed(*refusal), "The OEMInformation values were not stored"}};
    BrandingSteps steps;
    for (const OemValueText& value : values) {
        if (value.text.empty())
            steps.push_back({DeleteOemValue(registry, value.value), ValueWhat(value.value, "deleted")});
        else
            steps.push_back({WriteRegString(registry, RegRoot::LocalMachine, kOemInformationKey,
                                            OemValueName(value.value), value.text),
                             ValueWhat(value.value, "stored")});
    }
    return steps;
}

BrandingSteps MirrorOemValues(RegistryApi& registry, const BrandingPlaces& places, const OemValues& values)
{
    if (!places.Mirrored())
        return {};
    return WriteOemValues(registry, values);
}

OemValues ReadOemInformation(RegistryApi& registry)
{
    OemValues values;
    for (const OemValue value : kOemValues) {
        values.push_back(
            {value, ReadRegString(registry, RegRoot::LocalMachine, kOemInformationKey, OemValueName(value), "")});
    }
    return values;
}

const std::string& TextOf(const OemValues& values, OemValue value)
{
    static const std::string kNone;
    for (const OemValueText& entry : values) {
        if (entry.value == value)
            return entry.text;
    }
    return kNone;
}

}  // namespace pelmora
