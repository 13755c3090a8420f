#include "oem/KeptFiles.h"

#include "oem/FailureReport.h"

namespace pelmora {

namespace {

// Larger than any branding file a command writes; a bigger one is not kept, so not replaced.
constexpr std::size_t kKeptFileLimit = 64u << 20;

}  // namespace

KeptFiles::Kept* KeptFiles::Keep(const std::string& path, Status& refused)
{
    for (Kept& kept : m_Kept) {
        if (kept.path == path)
            return &kept;
    }
    Kept kept{path, std::nullopt, false};
    if (m_Real.Exists(path)) {
        std::string bytes;
        if (const Status read = m_Real.ReadFile(path, kKeptFileLimit, bytes); !read) {
            refused = Status::Failed("its old content could not be kept to put back on failure (" +
                                     Why(read) + ")");
            return nullptr;
        }
        kept.bytes = std::move(bytes);
    }
    if (m_BeforeFirstChange) {
        if (const Status noted = m_BeforeFirstChange(path, kept.bytes); !noted) {
            refused = Status::Failed("the command's journal could not keep its old content (" + Why(noted) + ")");
            return nullptr;
        }
    }
    m_Kept.push_back(std::move(kept));
    return &m_Kept.back();
}

Status KeptFiles::WriteFile(const std::string& path, std::string_view bytes)
{
    Status refused = Status::Ok();
    Kept* kept = Keep(path, refused);
    if (!kept)
        return refused;
    Status written = m_Real.WriteFile(path, bytes);
    // A write that failed left the old file (FilePort's promise): nothing to put back for it.
    if (written)
        kept->changed = true;
    return written;
}

Status KeptFiles::DeleteFile(const std::string& path)
{
    Status refused = Status::Ok();
    Kept* kept = Keep(path, refused);
    if (!kept)
        return refused;
    Status deleted = m_Real.DeleteFile(path);
    if (deleted)
        kept->changed = true;
    return deleted;
}

std::vector<std::string> KeptFiles::PutBack()
{
    std::vector<std::string> failed;
    for (auto kept = m_Kept.rbegin(); kept != m_Kept.rend(); ++kept) {
        if (!kept->changed)
            continue;
        const Status back = kept->bytes ? m_Real.WriteFile(kept->path, *kept->bytes) : m_Real.DeleteFile(kept->path);
        if (!back)
            failed.push_back(kept->path + " could not be put back: " + Why(back) + ".");
    }
    m_Kept.clear();
    return failed;
}

}  // namespace pelmora
