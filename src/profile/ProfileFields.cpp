#include "profile/ProfileFields.h"

#include "support/SupportFields.h"

namespace pelmora {

const char* StoredValueName(const ProfileField& field)
{
    for (const SupportField& stored : kSupportFields) {
        if (stored.member == field.member)
            return stored.valueName;
    }
    return "";
}

bool IsMainWindowField(const ProfileField& field)
{
    return field.member == &SupportInfo::Manufacturer || field.member == &SupportInfo::Model;
}

const ProfileField* FindProfileField(std::string_view key)
{
    for (const ProfileField& field : kProfileFields) {
        if (key == field.key)
            return &field;
    }
    return nullptr;
}

}  // namespace pelmora
