#include "oem/CommandScope.h"

#include "oem/FailureReport.h"

namespace pelmora {

namespace {

// Takes the command lock for this program; false once the refusal has been shown.
bool TakeCommandLock(AppServices& services, DialogPort& dialogs)
{
    const std::optional<LockRefusal> refusal = services.commandLock.Acquire(services.executableName);
    if (!refusal)
        return true;
    ShowStop(dialogs, refusal->busy ? "Nothing was changed: another command is changing the OEM information (" +
                                          refusal->why + "). Try again when it has finished."
                                    : "Nothing was changed: " + refusal->why + ".");
    return false;
}

}  // namespace

CommandScope::CommandScope(AppServices& services, DialogPort& dialogs) : m_Lock(services.commandLock)
{
    if (!m_Lock.Held()) {
        if (!TakeCommandLock(services, dialogs))
            return;
        m_OwnsLock = true;
    }
    m_Changes.emplace(services.registry);
}

CommandScope::~CommandScope()
{
    // The changes go (or were committed) before another command may begin its own.
    m_Changes.reset();
    if (m_OwnsLock)
        m_Lock.Release();
}

Status CommandScope::CommitValues()
{
    return m_Changes ? m_Changes->Commit() : Status::Failed("the command did not begin");
}

CommandLockHold::CommandLockHold(AppServices& services, DialogPort& dialogs)
    : m_Lock(services.commandLock), m_Held(TakeCommandLock(services, dialogs))
{
}

CommandLockHold::~CommandLockHold()
{
    if (m_Held)
        m_Lock.Release();
}

}  // namespace pelmora
