#include "platform/ProgramName.h"

#include <string>

#include <unistd.h>

namespace pelmora {

// The file the process runs, as the kernel knows it: a symbolic link's target, not the link.
std::string RunningExecutableName(std::string_view fallback)
{
    std::string path(4096, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= path.size())
        return std::string(fallback);
    path.resize(static_cast<std::size_t>(length));
    // A file replaced or removed since it started keeps its name, with a note the kernel adds.
    constexpr std::string_view kDeleted = " (deleted)";
    if (path.size() > kDeleted.size() && path.ends_with(kDeleted))
        path.resize(path.size() - kDeleted.size());
    const std::string name = ExecutableNameOf(path);
    return name.empty() ? std::string(fallback) : name;
}

}  // namespace pelmora
