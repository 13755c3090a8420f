#pragma once

#include "oem/AppServices.h"
#include "oem/CommandJournal.h"
#include "platform/FilePort.h"
#include "platform/Status.h"

#include <string>

namespace pelmora {

// Where the journal of the commands on the Windows directory used is kept: in its installation's
// ProgramData (an image's own), under Pelmora. Empty when there is none; then no command writes
// a file (there is no Windows directory) and the values are committed in one group.
// The program's own folder in the ProgramData beside the Windows directory used (the image's own
// with --windows-dir); empty when there is none.
std::string ProgramDataFolder(AppServices& services);

std::string CommandJournalPath(AppServices& services);

// Writes the whole journal in place of the last one, atomically and on disk (FilePort's write),
// creating its folder first.
Status WriteJournalFile(FilePort& files, const std::string& path, const CommandJournal& journal);

// The journal of the command that is running, written before each of its changes to a file and
// before its values are committed; removed once the command has ended whole, either way.
class RunningJournal {
public:
    RunningJournal(FilePort& files, std::string path, std::string holder);

    // The branding keys as they stand before the command's first change.
    void Open(RegistryApi& registry);

    // Called before `path` is first changed, with its old content (none: no file).
    Status BeforeFileChange(const std::string& path, const std::optional<std::string>& bytes);

    // Called before the values are committed: the keys as the commit will leave them.
    Status BeforeCommit(RegistryApi& registry);

    // The command has ended whole (committed, or everything put back): the journal goes.
    void Close();

private:
    FilePort& m_Files;
    std::string m_Path;
    CommandJournal m_Journal;
    Status m_Snapshot = Status::Ok();  // why the keys could not be read, if they could not
    bool m_Written = false;
};

}  // namespace pelmora
