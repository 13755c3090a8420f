#include "branding/BrandingFields.h"

namespace pelmora {

const BrandingField* FindFieldByKey(std::string_view profileKey)
{
    for (const BrandingField& field : kTextFields) {
        if (profileKey == field.profileKey)
            return &field;
    }
    return nullptr;
}

const BrandingField& FieldOf(OemValue value)
{
    for (const BrandingField& field : kBrandingFields) {
        if (field.oemValue == value)
            return field;
    }
    return kLogoField;
}

}  // namespace pelmora
