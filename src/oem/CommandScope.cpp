#include "oem/CommandScope.h"

#include "oem/FailureReport.h"

namespace pelmora {

CommandScope::CommandScope(AppServices& services, DialogPort& dialogs) : m_Lock(services.commandLock)
{
    if (const std::optional<LockRefusal> refusal = m_Lock.Acquire(services.executableName)) {
        ShowStop(dialogs, refusal->busy
                              ? "Nothing was changed: another command is changing the OEM information (" +
                                    refusal->why + "). Try again when it has finished."
                              : "Nothing was changed: " + refusal->why + ".");
        return;
    }
    m_Changes.emplace(services.registry);
}

CommandScope::~CommandScope()
{
    if (!m_Changes)
        return;  // the lock was not ours
    // The changes go (or were committed) before another command may begin its own.
    m_Changes.reset();
    m_Lock.Release();
}

Status CommandScope::CommitValues()
{
    return m_Changes ? m_Changes->Commit() : Status::Failed("the command did not begin");
}

}  // namespace pelmora
