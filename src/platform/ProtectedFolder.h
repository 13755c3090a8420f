#pragma once

#include "platform/Status.h"

#include <string>

namespace pelmora {

// Makes `folder` (and what it holds or will hold) writable by administrators and the system
// account only, for files the system account acts on later. On Windows a protected DACL replaces
// what the folder inherited from ProgramData, where every user may create files and folders;
// owner rights are cut to reading, so a user who made the folder first cannot open it again. Off
// Windows nothing is changed: the folder belongs to an installation that is not running.
Status ProtectFolderForAdministrators(const std::string& folder);

}  // namespace pelmora
