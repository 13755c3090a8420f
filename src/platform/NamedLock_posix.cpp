#include "platform/NamedLock.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace pelmora {

namespace {

constexpr auto kPoll = std::chrono::milliseconds(10);

std::string ReadNote(int fd)
{
    char buffer[256];
    const ssize_t size = ::pread(fd, buffer, sizeof buffer, 0);
    return size > 0 ? std::string(buffer, static_cast<std::size_t>(size)) : std::string();
}

// Empties the holder's note; one that stays only makes a waiter's message name a past holder.
void ClearNote(int fd)
{
    [[maybe_unused]] const int result = ::ftruncate(fd, 0);
}

}  // namespace

NamedLock::NamedLock(std::string name, std::chrono::milliseconds wait) : m_Name(std::move(name)), m_Wait(wait) {}

NamedLock::~NamedLock()
{
    Release();
}

bool NamedLock::Held() const
{
    return m_Fd >= 0;
}

std::optional<LockRefusal> NamedLock::Acquire(const std::string& holder)
{
    if (m_Fd >= 0)
        return LockRefusal{false, "the lock file " + m_Name + " is held already"};
    if (m_Name.empty())
        return LockRefusal{false, "there is no place for the lock file (no home folder)"};
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(m_Name).parent_path(), ignored);
    // Private like the store beside it: whoever may open it may hold it.
    const int fd = ::open(m_Name.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return LockRefusal{false, "cannot open the lock file " + m_Name + ": " + std::strerror(errno)};

    const auto deadline = std::chrono::steady_clock::now() + m_Wait;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if (error == EINTR)
            continue;
        if (error != EWOULDBLOCK) {
            ::close(fd);
            return LockRefusal{false, "cannot lock the lock file " + m_Name + ": " + std::strerror(error)};
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            const std::string named = DescribeLockHolder(ReadNote(fd));
            ::close(fd);
            return LockRefusal{true, "the lock file " + m_Name + " is held by " +
                                         (named.empty() ? std::string("another program") : named)};
        }
        std::this_thread::sleep_for(kPoll);
    }
    m_Fd = fd;
    // The note only names the holder for a waiter's message: the lock is the flock, so a note
    // that cannot be written costs nothing.
    const std::string note = std::to_string(::getpid()) + " " + holder + "\n";
    ClearNote(fd);
    if (::pwrite(fd, note.data(), note.size(), 0) != static_cast<ssize_t>(note.size()))
        ClearNote(fd);
    return std::nullopt;
}

void NamedLock::Release()
{
    if (m_Fd < 0)
        return;
    ClearNote(m_Fd);
    ::close(m_Fd);  // closing the only descriptor releases the flock
    m_Fd = -1;
}

}  // namespace pelmora
