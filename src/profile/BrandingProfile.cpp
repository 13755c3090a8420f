#include "profile/BrandingProfile.h"

#include "oem/OemInfoLayout.h"
#include "profile/ProfileFields.h"

namespace pelmora {

bool WantsSupportSection(const SupportInfo& info)
{
    for (const ProfileField& field : kProfileFields) {
        if (field.infoLine != nullptr && !IsMainWindowField(field) && !(info.*field.member).empty())
            return true;
    }
    return false;
}

std::string InfoFileText(const SupportInfo& info, bool supportSection)
{
    return supportSection ? FullLayoutText(info) : ShortLayoutText(info.Manufacturer, info.Model);
}

std::string InfoFileBytes(const SupportInfo& info, bool supportSection, unsigned codePage)
{
    return supportSection ? FullLayoutBytes(info, codePage) : ShortLayoutBytes(info.Manufacturer, info.Model, codePage);
}

std::string AsStored(const std::string& text) { return text; }

}  // namespace pelmora
