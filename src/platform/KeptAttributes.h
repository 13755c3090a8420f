#pragma once

#include <string>

namespace pelmora {

// Gives a new file, open as `fd`, what Windows keeps of the file at `oldPath` that it replaces,
// where the file system shows it as extended attributes (an ntfs-3g mount): the security
// descriptor, the attributes, the creation time and the alternate data streams (user.*).
// The old file is looked at without following a link. A file system without extended
// attributes, or an old file without them, is no failure. 0, or the errno of a failure.
int KeepAttributes(const std::string& oldPath, int fd);

}  // namespace pelmora
