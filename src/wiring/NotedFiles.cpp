#include "wiring/NotedFiles.h"

namespace pelmora {

Status NotedFiles::WriteFile(const std::string& path, std::string_view bytes)
{
    // Even a failed write may have begun to change the file.
    m_Changed = true;
    return m_Inner.WriteFile(path, bytes);
}

Status NotedFiles::DeleteFile(const std::string& path)
{
    // A file that is not there is no change; a link out of the image counts as one, and is refused.
    if (m_Inner.Exists(path))
        m_Changed = true;
    return m_Inner.DeleteFile(path);
}

}  // namespace pelmora
