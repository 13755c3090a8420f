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

CommandScope::CommandScope(AppServices& services, DialogPort& dialogs)
    : m_Lock(services.commandLock), m_Files(services.files)
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
    // The changes go (or were committed) before another command may begin its own; so do the
    // files of a command that stopped before committing.
    m_Changes.reset();
    m_Files.PutBack();
    if (m_OwnsLock)
        m_Lock.Release();
}

Status CommandScope::CommitValues()
{
    if (!m_Changes)
        return Status::Failed("the command did not begin");
    Status committed = m_Changes->Commit();
    if (committed)
        m_Files.Forget();
    return committed;
}

void CommandScope::Finish(FailureReport& failures)
{
    if (failures.Empty()) {
        failures.Check(CommitValues(), "The values were not stored");
        if (failures.Empty())
            return;
    }
    m_Changes.reset();
    std::vector<std::string> notBack = m_Files.PutBack();
    if (notBack.empty()) {
        failures.Conclude(kNothingChanged);
        return;
    }
    for (const std::string& line : notBack)
        failures.Conclude(line);
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
