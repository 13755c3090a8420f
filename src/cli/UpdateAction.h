#pragma once

#include "oem/AppServices.h"

#include <string>

namespace pelmora::cli {

// Where keep-after-updates puts its files for one Windows installation. Windows Setup runs
// run\<GUID>\success.cmd under System32\update after each feature update that succeeded, as the
// system account, and carries the run folder over to later updates (runonce would be one update only).
struct UpdateActionPlaces {
    std::string keptFolder;   // <ProgramData>\Pelmora
    std::string profile;      // the kept profile in it
    std::string actionFolder;  // <WindowsDir>\System32\update\run\<our GUID>
    std::string script;       // success.cmd in it
};

// Empty paths when there is no Windows directory or no ProgramData folder for it. Each folder is
// matched without regard to letter case where it exists (a mounted installation keeps its own).
UpdateActionPlaces LocateUpdateAction(AppServices& services);

// The kept logo's file name: "kept-profile-logo" with the picture's extension.
std::string KeptLogoName(const std::string& source);

// success.cmd: applies the kept profile with the installed pelmora-cli.exe and appends what it
// says to a log beside the profile. The paths are the running system's (%ProgramFiles%,
// %ProgramData%), so the one script holds on the machine and for an image branded off Windows.
std::string UpdateActionScript();

// The installed console tool the script runs, under the installation's Program Files folder;
// empty when that folder is not known.
std::string InstalledCliPath(AppServices& services);

}  // namespace pelmora::cli
