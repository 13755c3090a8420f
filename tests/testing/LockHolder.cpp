#include "testing/LockHolder.h"

#include "platform/NamedLock.h"

namespace pelmora::testing {

LockHolder::LockHolder(std::string name, std::string program)
{
    m_Thread = std::thread([this, name = std::move(name), program = std::move(program)] {
        NamedLock lock(name, std::chrono::milliseconds(0));
        const bool held = !lock.Acquire(program);
        std::unique_lock guard(m_Mutex);
        m_Held = held;
        m_Ready = true;
        m_Changed.notify_all();
        m_Changed.wait(guard, [this] { return m_Done; });
        lock.Release();
    });
    std::unique_lock guard(m_Mutex);
    m_Changed.wait(guard, [this] { return m_Ready; });
}

LockHolder::~LockHolder()
{
    {
        std::lock_guard guard(m_Mutex);
        m_Done = true;
    }
    m_Changed.notify_all();
    m_Thread.join();
}

}  // namespace pelmora::testing
