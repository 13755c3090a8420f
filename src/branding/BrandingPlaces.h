#pragma once

#include "platform/ProgramData.h"

#include <optional>
#include <string>

namespace pelmora {

// Where one Windows installation keeps its branding, found once per command.
struct BrandingPlaces {
    std::string windowsDir;
    // The files the Parts write, as the program's one OEM path function builds them.
    std::string legacyLogo;
    std::string legacyInfo;
    // The System32 folder as found (any letter case off Windows); empty where there is none, so
    // the installation is not one that reads the OEMInformation key and nothing is mirrored.
    std::string system32;
    std::string logoFile;   // oemlogo.bmp in System32; empty without System32
    std::string logoValue;  // what the Logo value holds: the Windows form of logoFile's path
    // <ProgramData>/Pelmora/factory-branding; empty when no ProgramData folder is known.
    std::string factoryBackup;

    bool Mirrored() const { return !system32.empty(); }
};

// The places of the installation at `windowsDir`, whose legacy files the caller names; the
// factory backup goes into the ProgramData folder `programData` gives for it.
BrandingPlaces LocateBranding(ProgramDataSource& programData, const std::string& windowsDir,
                              const std::string& legacyLogo, const std::string& legacyInfo);

// The Windows form of the system root of the installation at `windowsDir`: on Windows the Windows
// directory itself; elsewhere $PELMORA_SYSTEM_ROOT, else C:\Windows. No closing backslash.
std::string WindowsSystemRoot(const std::string& windowsDir);

// The file a Logo value names, found under `windowsDir`: a value under the system root (also
// written as %SystemRoot% or %windir%) maps onto the Windows directory, each part matched without
// regard to letter case. None for an empty value, a ".." part, or (off Windows) a path outside
// the system root; on Windows such a path is taken as it stands.
std::optional<std::string> LogoFileFromValue(const std::string& logoValue, const std::string& windowsDir);

}  // namespace pelmora
