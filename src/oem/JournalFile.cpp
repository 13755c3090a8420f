#include "oem/JournalFile.h"

#include "platform/FolderEntries.h"

#include <filesystem>
#include <system_error>

namespace pelmora {

namespace {

constexpr const char* kJournalName = "command-journal";

}  // namespace

std::string ProgramDataFolder(AppServices& services)
{
    const std::string windowsDir = FindWindowsDir(services.windowsDirectory);
    if (windowsDir.empty())
        return {};
    const std::string programData = services.programData.ProgramDataDir(windowsDir);
    return programData.empty() ? std::string() : JoinPath(programData, "Pelmora");
}

std::string CommandJournalPath(AppServices& services)
{
    const std::string folder = ProgramDataFolder(services);
    return folder.empty() ? std::string() : JoinPath(folder, kJournalName);
}

Status WriteJournalFile(FilePort& files, const std::string& path, const CommandJournal& journal)
{
    const std::filesystem::path folder = PathFromUtf8(path).parent_path();
    // An image's ProgramData or Pelmora folder may be a link leading out of it.
    if (Status contained = files.CheckFolder(Utf8FromPath(folder)); !contained)
        return contained;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        return Status::Failed(Utf8FromPath(folder) + " could not be created: " + error.message());
    return files.WriteFile(path, EncodeJournal(journal));
}

RunningJournal::RunningJournal(FilePort& files, std::string path, std::string holder)
    : m_Files(files), m_Path(std::move(path))
{
    m_Journal.holder = std::move(holder);
}

void RunningJournal::Open(RegistryApi& registry)
{
    if (m_Path.empty())
        return;
    m_Snapshot = TakeSnapshot(registry, BrandingTrees(), m_Journal.before);
}

Status RunningJournal::BeforeFileChange(const std::string& path, const std::optional<std::string>& bytes)
{
    if (m_Path.empty())
        return Status::Ok();
    // Without the keys as they were, the next command could not tell how far this one got.
    if (!m_Snapshot)
        return Status::Failed("the stored values could not be read to keep them (" + m_Snapshot.error + ")");
    m_Journal.files.push_back({path, bytes});
    Status written = WriteJournalFile(m_Files, m_Path, m_Journal);
    if (!written) {
        m_Journal.files.pop_back();
        return Status::Failed(m_Path + " could not be written (" + written.error + ")");
    }
    m_Written = true;
    return written;
}

Status RunningJournal::BeforeCommit(RegistryApi& registry)
{
    // A command that changed no file commits its values in one group: nothing to finish later.
    if (!m_Written)
        return Status::Ok();
    RegistrySnapshot after;
    if (Status taken = TakeSnapshot(registry, BrandingTrees(), after); !taken)
        return taken;
    m_Journal.after = std::move(after);
    if (Status written = WriteJournalFile(m_Files, m_Path, m_Journal); !written) {
        m_Journal.after.reset();
        return Status::Failed(m_Path + " could not be written (" + written.error + ")");
    }
    return Status::Ok();
}

void RunningJournal::Close()
{
    if (m_Written) {
        // One left behind is finished by the next command, to the same end.
        static_cast<void>(m_Files.DeleteFile(m_Path));
    }
    m_Written = false;
    m_Journal.files.clear();
    m_Journal.after.reset();
}

}  // namespace pelmora
