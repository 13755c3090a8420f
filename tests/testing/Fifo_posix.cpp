#include "testing/Fifo.h"

#include <chrono>
#include <stdexcept>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pelmora::testing {

UnwrittenFifo::UnwrittenFifo(std::string path, int patienceSeconds) : m_Path(std::move(path))
{
    if (::mkfifo(m_Path.c_str(), 0600) != 0)
        throw std::runtime_error("cannot make a named pipe at " + m_Path);
    m_Watch = std::thread([this, patienceSeconds] {
        std::unique_lock lock(m_Mutex);
        while (!m_Done.wait_for(lock, std::chrono::seconds(patienceSeconds), [this] { return m_Stopping; })) {
            // Opening for writing without waiting succeeds only while a reader waits.
            const int fd = ::open(m_Path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) {
                ::close(fd);
                m_Released = true;
            }
        }
    });
}

UnwrittenFifo::~UnwrittenFifo()
{
    {
        std::lock_guard lock(m_Mutex);
        m_Stopping = true;
    }
    m_Done.notify_all();
    m_Watch.join();
    ::unlink(m_Path.c_str());
}

bool UnwrittenFifo::ReleasedAReader() const
{
    std::lock_guard lock(m_Mutex);
    return m_Released;
}

}  // namespace pelmora::testing
