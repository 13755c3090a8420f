#pragma once

#include "oem/AppServices.h"

#include <optional>
#include <string>

namespace pelmora {

// What became of a command that was killed midway, for one line to the user.
struct LeftCommandOutcome {
    std::string message;
    bool settled = true;  // false: its journal stays, and no command may change anything yet
};

// Under the command lock, before anything is read: finishes a command whose journal was left
// behind when its values had been committed (its files stand, and any store its commit had not
// reached yet gets them too), else puts back every file it changed and the values it left. A
// journal cut short while it was written is discarded: its command had changed nothing yet.
// None when there was no journal.
std::optional<LeftCommandOutcome> SettleLeftCommand(AppServices& services);

// The same for any command, before it reads: when a journal is there, the lock is taken for it
// (a command still running keeps its journal until it ends, so this waits for it); when the
// lock stays held by another program, that one settles the journal and this returns none.
std::optional<LeftCommandOutcome> SettleLeftCommandWhenFree(AppServices& services);

}  // namespace pelmora
