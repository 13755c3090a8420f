#pragma once

#include "branding/BrandingPlaces.h"
#include "branding/OemInformation.h"
#include "oem/AppServices.h"
#include "oem/SupportInfo.h"

#include <optional>
#include <string>

namespace pelmora {

// One branding file as it is on the machine.
struct FileState {
    bool exists = false;
    std::optional<std::string> bytes;  // none for a missing file or one that could not be read
    std::string error;                 // why an existing file could not be read
};

// What a machine holds of the branding the commands write.
struct MachineBranding {
    // The installation's places; windowsDir is empty when no Windows directory was found, and
    // then no file is looked at.
    BrandingPlaces places;
    SupportInfo stored;  // the values under the program's OEM key
    OemValues mirror;    // the OEMInformation values
    FileState legacyLogo;
    FileState legacyInfo;
    FileState mirrorLogo;  // not looked at where nothing is mirrored
};

MachineBranding ReadMachineBranding(AppServices& services);

// The machine's branding as profile fields: the stored fields, with the OEMInformation values
// standing in for empty ones (a machine branded before this program holds only those).
SupportInfo MachineFields(const MachineBranding& machine);

// The machine's logo file: System/oemlogo.bmp, else the file the Logo value names; none when
// neither exists.
std::optional<std::string> MachineLogoFile(const MachineBranding& machine, FilePort& files);

}  // namespace pelmora
