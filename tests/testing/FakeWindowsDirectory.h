#pragma once

#include "platform/WindowsDirectory.h"

#include <cstring>
#include <string>

namespace pelmora::testing {

// Answers as GetWindowsDirectoryA does; an empty directory is a failing call (0).
class FakeWindowsDirectory : public WindowsDirectorySource {
public:
    explicit FakeWindowsDirectory(std::string directory) : m_Directory(std::move(directory)) {}

    unsigned GetWindowsDirectory(char* buffer, unsigned size) override
    {
        if (m_Directory.empty())
            return 0;
        const auto length = static_cast<unsigned>(m_Directory.size());
        if (size < length + 1)
            return length + 1;
        std::memcpy(buffer, m_Directory.c_str(), length + 1);
        return length;
    }

private:
    std::string m_Directory;
};

}  // namespace pelmora::testing
