#include "profile/BrandingProfile.h"

#include "oem/OemInfoLayout.h"
#include "platform/AnsiText.h"
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

std::string InfoFileBytes(const SupportInfo& info, bool supportSection)
{
    return supportSection ? FullLayoutBytes(info) : ShortLayoutBytes(info.Manufacturer, info.Model);
}

std::string AsStored(const std::string& text) { return FromAnsi(ToAnsi(text)); }

}  // namespace pelmora
