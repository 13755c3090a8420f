#pragma once

#include <unistd.h>

namespace pelmora {

// Closes a file descriptor when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_Fd(fd) {}
    ~Descriptor()
    {
        if (m_Fd >= 0)
            ::close(m_Fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return m_Fd; }

private:
    int m_Fd;
};

}  // namespace pelmora
