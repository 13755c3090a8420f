#include "platform/WindowsDirectory.h"

namespace pelmora {

std::string FindWindowsDir(WindowsDirectorySource& source)
{
    // First call with no buffer: the answer is the size needed, NUL included.
    std::string buffer;
    unsigned n = source.GetWindowsDirectory(nullptr, 0);
    if (n > buffer.size()) {
        buffer.assign(n, ' ');
        n = source.GetWindowsDirectory(buffer.data(), n);
    }
    if (n < buffer.size())
        buffer.resize(n);
    return buffer;
}

}  // namespace pelmora
