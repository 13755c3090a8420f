#include "platform/WindowsDirectory.h"

namespace pelmora {

std::string FindWindowsDir(WindowsDirectorySource& source)
{
    // First call with no buffer: the answer is the size needed, NUL included.
    unsigned needed = source.GetWindowsDirectory(nullptr, 0);
    // Should the directory grow between the calls, the second answer is again a size: ask again.
    for (int attempt = 0; attempt < 3 && needed > 0; ++attempt) {
        std::string buffer(needed, ' ');
        const unsigned length = source.GetWindowsDirectory(buffer.data(), needed);
        if (length < needed) {
            buffer.resize(length);
            return buffer;
        }
        needed = length;
    }
    return {};
}

}  // namespace pelmora
