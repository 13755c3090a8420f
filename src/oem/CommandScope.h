#pragma once

#include "oem/AppServices.h"
#include "oem/FailureReport.h"
#include "oem/JournalFile.h"
#include "oem/KeptFiles.h"
#include "platform/DialogPort.h"
#include "platform/Status.h"
#include "registry/RegistryChanges.h"

#include <optional>

namespace pelmora {

// The last line of a command's failure report once everything it changed was put back.
inline constexpr const char* kNothingChanged = "Nothing was changed: the stored values and the files are as they were.";

// Opened by each command that changes the stored values or the OEM files, before its first
// change: one such command at a time among every Pelmora program on this store (the command
// lock, held until the scope ends), and the values it stores in one transaction (committed by
// CommitValues or Finish, dropped when the scope ends without either). The files it writes go
// through Files(), which keeps each one's old content: a scope that ends without committing puts
// them back, so a command that stops midway leaves nothing of itself. A command killed midway
// leaves its journal (see RunningJournal), which the next one settles once it has the lock. When
// the lock cannot be had in its bounded wait, a stop message names its holder and the command
// must change nothing. A scope opened while another of the same program is open (a command
// that runs other commands, such as applying a profile) is part of it: its files, values and
// journal are the outer one's, and only the outer one commits; a failure inside puts back all.
class CommandScope {
public:
    // Inside a CommandLockHold the lock is that hold's: taken there, and released there.
    CommandScope(AppServices& services, DialogPort& dialogs);
    ~CommandScope();
    CommandScope(const CommandScope&) = delete;
    CommandScope& operator=(const CommandScope&) = delete;

    // False when the command must not go on (its refusal has been shown).
    explicit operator bool() const { return m_Outer ? static_cast<bool>(*m_Outer) : m_Changes.has_value(); }

    // The files as this command must write them (see KeptFiles).
    FilePort& Files() { return m_Outer ? m_Outer->Files() : m_Files; }

    // Commits the values stored since the scope opened and keeps the files written so far; the
    // lock stays until the scope ends, so files written after this still agree with them.
    Status CommitValues();

    // Ends the command whole or not at all, once every write is done: when `failures` is empty the
    // values are committed (last, so a failed file is never left beside new values); otherwise, or
    // when the commit fails, the values are dropped and every file written is put back. What
    // failed here, and that nothing was kept, is added to `failures`.
    void Finish(FailureReport& failures);

private:
    // Drops the values and puts back every file; what could not be, or that nothing was kept, is
    // added to `failures`.
    void Abandon(FailureReport& failures);

    CommandScope* m_Outer = nullptr;     // the scope this one is part of, if any
    CommandScope* m_Enclosing = nullptr;  // the open scope before this one, put back when it ends
    NamedLock& m_Lock;
    RegistryApi& m_Registry;
    bool m_OwnsLock = false;
    RunningJournal m_Journal;
    KeptFiles m_Files;
    std::optional<RegistryChanges> m_Changes;
};

// The command lock alone, for a command that must read what it writes back under the lock too
// (a console command loads its window and then runs it): nobody changes the values in between.
// When it cannot be had, the same stop message as CommandScope's has been shown.
class CommandLockHold {
public:
    CommandLockHold(AppServices& services, DialogPort& dialogs);
    ~CommandLockHold();
    CommandLockHold(const CommandLockHold&) = delete;
    CommandLockHold& operator=(const CommandLockHold&) = delete;

    explicit operator bool() const { return m_Held; }

private:
    NamedLock& m_Lock;
    bool m_OwnsLock = false;  // false inside a command that holds it already
    bool m_Held = false;
};

}  // namespace pelmora
