#pragma once

#include "branding/OemInformation.h"

#include <QWidget>

#include <optional>
#include <string>

namespace pelmora::sysprops {

// The OEMInformation values as read, and why they could not be, if a read failed: then the page
// says so instead of showing blanks that would read as "not set".
struct CurrentBranding {
    CurrentBranding(OemValues read = {}, std::optional<std::string> why = std::nullopt)
        : values(std::move(read)), unread(std::move(why))
    {
    }

    OemValues values;
    std::optional<std::string> unread;
};

// The OEMInformation values of the registry for `windowsDir` (an installation's own hive when it
// has one, else the system's), read only; none when there is no store or no key yet.
CurrentBranding ReadCurrentBranding(const std::string& windowsDir);

// What current Windows shows of the maker's branding, from the OEMInformation values: the logo
// the Logo value names (mapped back onto `windowsDir`), fitted into 120 x 120 and never scaled
// up; the support section of Settings' About page (manufacturer, model, phone, hours, website)
// and the contact Get Help offers (the provider, else the manufacturer, and the support app it
// opens, else the website), each only when it is set. Texts too long for the page end in an
// ellipsis. Without any value, a line saying so; after a failed read, a line saying why.
QWidget* BuildCurrentWindowsPage(const std::string& windowsDir, const CurrentBranding& current);

}  // namespace pelmora::sysprops
