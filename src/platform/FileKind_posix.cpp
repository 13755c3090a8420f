#include "platform/FileKind.h"

#include <sys/stat.h>

namespace pelmora {

std::string FileKindName(mode_t mode)
{
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISLNK(mode))
        return "a link";
    if (S_ISFIFO(mode))
        return "a pipe";
    if (S_ISSOCK(mode))
        return "a socket";
    return "a device";
}

}  // namespace pelmora
