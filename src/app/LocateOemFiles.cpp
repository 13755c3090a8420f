#include "app/LocateOemFiles.h"

#include "app/MainWindowControls.h"
#include "oem/FailureReport.h"

namespace pelmora {

std::optional<OemFileLocations> LocateOemFiles(const ViewPort& view, DialogPort& dialogs)
{
    const std::string windowsDir = view.Text(form1::kWindowsDir);
    if (windowsDir.empty()) {
        ShowStop(dialogs, "No Windows directory was found, so no OEM file can be written or removed.");
        return std::nullopt;
    }
    return OemFileLocations::From(windowsDir);
}

BrandingPlaces BrandingPlacesOf(const OemFileLocations& locations, AppServices& services)
{
    return LocateBranding(services.programData, locations.WindowsDir, locations.LogoPath, locations.InfoPath);
}

}  // namespace pelmora
