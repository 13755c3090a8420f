#pragma once

#include <string>
#include <sys/types.h>

namespace pelmora {

// What stands at a path that is not a regular file, for a message ("a folder", "a link", ...).
std::string FileKindName(mode_t mode);

}  // namespace pelmora
