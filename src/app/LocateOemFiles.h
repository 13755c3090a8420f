#pragma once

#include "oem/OemFileLocations.h"
#include "platform/DialogPort.h"
#include "platform/ViewPort.h"

#include <optional>

namespace pelmora {

// The OEM file paths built from the main window's Windows directory (La11) as a command runs.
// None, after a stop message, when the directory is unknown: the paths would then start at the
// drive's root.
std::optional<OemFileLocations> LocateOemFiles(const ViewPort& view, DialogPort& dialogs);

}  // namespace pelmora
