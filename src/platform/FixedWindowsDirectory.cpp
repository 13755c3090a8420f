#include "platform/SystemWindowsDirectory.h"

#include <cstring>

namespace pelmora {

unsigned FixedWindowsDirectory::GetWindowsDirectory(char* buffer, unsigned size)
{
    const auto length = static_cast<unsigned>(m_Path.size());
    if (length == 0)
        return 0;
    if (!buffer || size <= length)
        return length + 1;  // the size needed, NUL included
    std::memcpy(buffer, m_Path.data(), length);
    buffer[length] = '\0';
    return length;
}

}  // namespace pelmora
