#pragma once

#include "oem/AppServices.h"
#include "platform/DialogPort.h"
#include "platform/Status.h"
#include "registry/RegistryChanges.h"

#include <optional>

namespace pelmora {

// Opened by each command that changes the stored values or the OEM files, before its first
// change: one such command at a time among every Pelmora program on this store (the command
// lock, held until the scope ends), and the values it stores in one transaction (committed by
// CommitValues, dropped when the scope ends without it). When the lock cannot be had in its
// bounded wait, a stop message names its holder and the command must change nothing.
class CommandScope {
public:
    CommandScope(AppServices& services, DialogPort& dialogs);
    ~CommandScope();
    CommandScope(const CommandScope&) = delete;
    CommandScope& operator=(const CommandScope&) = delete;

    // False when the command must not go on (its refusal has been shown).
    explicit operator bool() const { return m_Changes.has_value(); }

    // Commits the values stored since the scope opened; the lock stays until the scope ends, so
    // files written after this still agree with them.
    Status CommitValues();

private:
    NamedLock& m_Lock;
    std::optional<RegistryChanges> m_Changes;
};

}  // namespace pelmora
