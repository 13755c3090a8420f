#pragma once

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace pelmora::testing {

// Holds the command lock of that name as another program would: from a thread of its own (a
// Windows mutex is its thread's), until the object goes.
class LockHolder {
public:
    LockHolder(std::string name, std::string program);
    ~LockHolder();
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;

    bool Held() const { return m_Held; }

private:
    std::mutex m_Mutex;
    std::condition_variable m_Changed;
    bool m_Ready = false;
    bool m_Held = false;
    bool m_Done = false;
    std::thread m_Thread;
};

}  // namespace pelmora::testing
