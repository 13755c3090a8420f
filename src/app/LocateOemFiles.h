#pragma once

#include "branding/BrandingPlaces.h"
#include "oem/AppServices.h"
#include "oem/OemFileLocations.h"
#include "platform/DialogPort.h"
#include "platform/ViewPort.h"

#include <optional>

namespace pelmora {

// The OEM file paths built from the main window's Windows directory (La11) as a command runs.
// None, after a stop message, when the directory is unknown: the paths would then start at the
// drive's root.
std::optional<OemFileLocations> LocateOemFiles(const ViewPort& view, DialogPort& dialogs);

// The same installation's places for current Windows (System32, the OEMInformation mirror) and
// its factory backup, found as a command runs.
BrandingPlaces BrandingPlacesOf(const OemFileLocations& locations, AppServices& services);

}  // namespace pelmora
