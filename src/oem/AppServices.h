#pragma once

#include "platform/FilePort.h"
#include "platform/PicturePort.h"
#include "platform/ProcessPort.h"
#include "platform/ProgramData.h"
#include "platform/WindowsDirectory.h"
#include "registry/RegistryApi.h"

#include <string>

namespace pelmora {

// The platform as the presenters reach it; one set per run, shared by every window.
struct AppServices {
    RegistryApi& registry;
    FilePort& files;
    PicturePort& pictures;
    WindowsDirectorySource& windowsDirectory;
    ProcessPort& processes;
    ProgramDataSource& programData;  // where an installation's factory branding is kept
    std::string executableName;  // the running program's file name without extension
};

}  // namespace pelmora
