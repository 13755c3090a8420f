#include "oem/LeftCommand.h"

#include "oem/CommandJournal.h"
#include "oem/FailureReport.h"
#include "oem/JournalFile.h"

namespace pelmora {

namespace {

// Larger than any journal a command writes: a few branding files and the keys.
constexpr std::size_t kJournalLimit = 512u << 20;

std::string Stopped(const CommandJournal& journal)
{
    return "The last command of " + (journal.holder.empty() ? std::string("Pelmora") : journal.holder) +
           " was stopped midway";
}

std::vector<TreeName> TreesOf(const RegistrySnapshot& snapshot)
{
    std::vector<TreeName> names;
    for (const TreeSnapshot& tree : snapshot)
        names.push_back({tree.root, tree.path});
    return names;
}

Status PutFilesBack(FilePort& files, const CommandJournal& journal)
{
    for (auto file = journal.files.rbegin(); file != journal.files.rend(); ++file) {
        const Status back = file->bytes ? files.WriteFile(file->path, *file->bytes) : files.DeleteFile(file->path);
        if (!back)
            return Status::Failed(file->path + " could not be put back: " + Why(back));
    }
    return Status::Ok();
}

// Whether the command's commit had landed, in every store it reaches or only some.
bool Committed(const CommandJournal& journal, const RegistrySnapshot& now)
{
    return journal.after && *journal.after != journal.before && now != journal.before;
}

LeftCommandOutcome Settle(AppServices& services, const CommandJournal& journal)
{
    RegistrySnapshot now;
    if (Status taken = TakeSnapshot(services.registry, TreesOf(journal.before), now); !taken)
        return {Stopped(journal) + ", and the stored values could not be read to settle it: " + Why(taken) + ".",
                false};
    if (Committed(journal, now)) {
        if (now != *journal.after) {
            if (Status done = RestoreSnapshot(services.registry, *journal.after); !done)
                return {Stopped(journal) + " and could not be completed: " + Why(done) + ".", false};
        }
        return {Stopped(journal) + "; it was completed, as its values had been stored.", true};
    }
    Status back = PutFilesBack(services.files, journal);
    if (back && now != journal.before)
        back = RestoreSnapshot(services.registry, journal.before);
    if (!back)
        return {Stopped(journal) + " and could not be taken back: " + Why(back) + ".", false};
    return {Stopped(journal) + "; what it had changed was put back.", true};
}

}  // namespace

std::optional<LeftCommandOutcome> SettleLeftCommand(AppServices& services)
{
    const std::string path = CommandJournalPath(services);
    if (path.empty() || !services.files.Exists(path))
        return std::nullopt;
    std::string bytes;
    if (Status read = services.files.ReadFile(path, kJournalLimit, bytes); !read)
        return LeftCommandOutcome{"A command's journal " + path + " could not be read: " + Why(read) + ".", false};
    const std::optional<CommandJournal> journal = DecodeJournal(bytes);
    LeftCommandOutcome outcome =
        journal ? Settle(services, *journal)
                : LeftCommandOutcome{"A command's journal cut short while it was written was discarded (" + path +
                                         "): that command had changed nothing yet.",
                                     true};
    if (outcome.settled) {
        if (Status removed = services.files.DeleteFile(path); !removed)
            return LeftCommandOutcome{outcome.message + " Its journal " + path + " could not be removed: " +
                                          Why(removed) + ".",
                                      false};
    }
    return outcome;
}

std::optional<LeftCommandOutcome> SettleLeftCommandWhenFree(AppServices& services)
{
    if (services.commandLock.Held())
        return SettleLeftCommand(services);
    // Most runs find none, and need not wait for the lock to know it.
    const std::string path = CommandJournalPath(services);
    if (path.empty() || !services.files.Exists(path))
        return std::nullopt;
    if (services.commandLock.Acquire(services.executableName))
        return std::nullopt;
    std::optional<LeftCommandOutcome> outcome = SettleLeftCommand(services);
    services.commandLock.Release();
    return outcome;
}

}  // namespace pelmora
