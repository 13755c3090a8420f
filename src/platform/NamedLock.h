#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace pelmora {

// Why a NamedLock was not had.
struct LockRefusal {
    bool busy = false;  // another holder kept it past the wait; else it could not be taken at all
    std::string why;    // names the lock and, when busy and known, its holder
};

// One holder at a time among every process that names the lock alike: off Windows a lock file
// (flock), on Windows a named mutex. Acquire waits a bounded time; the holder's name and process
// are left where a waiter that gives up can name them. A holder that dies releases it.
class NamedLock {
public:
    // `name`: the lock file's path off Windows, the mutex's name on Windows.
    NamedLock(std::string name, std::chrono::milliseconds wait);
    ~NamedLock();
    NamedLock(const NamedLock&) = delete;
    NamedLock& operator=(const NamedLock&) = delete;

    // Takes the lock for `holder` (a program's name, shown to waiters); none once held.
    std::optional<LockRefusal> Acquire(const std::string& holder);
    void Release();
    bool Held() const;

    const std::string& Name() const { return m_Name; }

private:
    std::string m_Name;
    std::chrono::milliseconds m_Wait;
#ifdef _WIN32
    void* m_Mutex = nullptr;
    void* m_Holder = nullptr;  // the shared note naming the holder
    bool m_Held = false;
#else
    int m_Fd = -1;
#endif
};

// "pelmora-cli (process 4242)" from a holder's note "4242 pelmora-cli"; empty when the note is not one.
std::string DescribeLockHolder(const std::string& note);

}  // namespace pelmora
