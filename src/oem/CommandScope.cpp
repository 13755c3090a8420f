#include "oem/CommandScope.h"

#include "oem/FailureReport.h"
#include "oem/LeftCommand.h"

namespace pelmora {

namespace {

// A command killed midway is settled before this one reads anything; one that cannot be settled
// keeps the lock from every command until it is (the lock is let go here).
bool SettleBeforeCommand(AppServices& services, DialogPort& dialogs)
{
    const std::optional<LeftCommandOutcome> left = SettleLeftCommand(services);
    if (!left)
        return true;
    if (left->settled) {
        dialogs.ShowMessage(left->message, kStopTitle, MessageStyle::Information);
        return true;
    }
    services.commandLock.Release();
    ShowStop(dialogs, "Nothing was changed: " + left->message);
    return false;
}

// Takes the command lock for this program; false once the refusal has been shown.
bool TakeCommandLock(AppServices& services, DialogPort& dialogs)
{
    const std::optional<LockRefusal> refusal = services.commandLock.Acquire(services.executableName);
    if (!refusal)
        return SettleBeforeCommand(services, dialogs);
    ShowStop(dialogs, refusal->busy ? "Nothing was changed: another command is changing the OEM information (" +
                                          refusal->why + "). Try again when it has finished."
                                    : "Nothing was changed: " + refusal->why + ".");
    return false;
}

// The innermost scope open on this thread, which a scope opened under the same lock joins.
thread_local CommandScope* t_OpenScope = nullptr;

}  // namespace

CommandScope::CommandScope(AppServices& services, DialogPort& dialogs)
    : m_Lock(services.commandLock),
      m_Registry(services.registry),
      m_Journal(services.files, CommandJournalPath(services), services.executableName),
      m_Files(services.files, [this](const std::string& path, const std::optional<std::string>& bytes) {
          return m_Journal.BeforeFileChange(path, bytes);
      })
{
    if (t_OpenScope && &t_OpenScope->m_Lock == &m_Lock) {
        m_Outer = t_OpenScope;
        return;
    }
    if (!m_Lock.Held()) {
        if (!TakeCommandLock(services, dialogs))
            return;
        m_OwnsLock = true;
    }
    m_Changes.emplace(services.registry);
    m_Journal.Open(services.registry);
    m_Enclosing = t_OpenScope;
    t_OpenScope = this;
}

CommandScope::~CommandScope()
{
    if (m_Outer)
        return;
    if (t_OpenScope == this)
        t_OpenScope = m_Enclosing;
    // The changes go (or were committed) before another command may begin its own; so do the
    // files of a command that stopped before committing. A file that could not be put back
    // leaves the journal for the next command to try again.
    m_Changes.reset();
    if (m_Files.PutBack().empty())
        m_Journal.Close();
    if (m_OwnsLock)
        m_Lock.Release();
}

Status CommandScope::CommitValues()
{
    if (m_Outer)
        return Status::Ok();  // the outer command commits them with its own
    if (!m_Changes)
        return Status::Failed("the command did not begin");
    if (Status noted = m_Journal.BeforeCommit(m_Registry); !noted)
        return Status::Failed("the command's journal could not be written before them (" + Why(noted) + ")");
    Status committed = m_Changes->Commit();
    if (committed) {
        m_Files.Forget();
        m_Journal.Close();
        m_Journal.Open(m_Registry);
    }
    return committed;
}

void CommandScope::Finish(FailureReport& failures)
{
    if (failures.Empty()) {
        failures.Check(CommitValues(), "The values were not stored");
        if (failures.Empty())
            return;
    }
    if (m_Outer) {
        m_Outer->Abandon(failures);
        return;
    }
    Abandon(failures);
}

void CommandScope::Abandon(FailureReport& failures)
{
    m_Changes.reset();
    std::vector<std::string> notBack = m_Files.PutBack();
    if (notBack.empty()) {
        m_Journal.Close();
        failures.Conclude(kNothingChanged);
        return;
    }
    for (const std::string& line : notBack)
        failures.Conclude(line);
}

CommandLockHold::CommandLockHold(AppServices& services, DialogPort& dialogs)
    : m_Lock(services.commandLock),
      // Held already by the command this one runs inside, which lets it go.
      m_OwnsLock(!m_Lock.Held()),
      m_Held(!m_OwnsLock || TakeCommandLock(services, dialogs))
{
    m_OwnsLock = m_OwnsLock && m_Held;
}

CommandLockHold::~CommandLockHold()
{
    if (m_OwnsLock)
        m_Lock.Release();
}

}  // namespace pelmora
