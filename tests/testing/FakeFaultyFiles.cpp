#include "testing/FakeFaultyFiles.h"

namespace pelmora::testing {

bool FaultyFiles::Alive()
{
    if (m_ChangesLeft == 0)
        return false;
    if (m_ChangesLeft > 0)
        --m_ChangesLeft;
    return true;
}

Status FaultyFiles::WriteFile(const std::string& path, std::string_view bytes)
{
    ++writes;
    if (!Alive())
        return Status::Failed("the program was killed");
    if (const auto fault = m_WriteFaults.find(path); fault != m_WriteFaults.end())
        return Status::Failed(fault->second);
    return m_Real.WriteFile(path, bytes);
}

Status FaultyFiles::DeleteFile(const std::string& path)
{
    ++deletes;
    if (!Alive())
        return Status::Failed("the program was killed");
    if (const auto fault = m_DeleteFaults.find(path); fault != m_DeleteFaults.end())
        return Status::Failed(fault->second);
    return m_Real.DeleteFile(path);
}

Status FaultyFiles::ReadFile(const std::string& path, std::size_t maxBytes, std::string& bytes)
{
    if (const auto fault = m_ReadFaults.find(path); fault != m_ReadFaults.end()) {
        bytes.clear();
        return Status::Failed(fault->second);
    }
    return m_Real.ReadFile(path, maxBytes, bytes);
}

}  // namespace pelmora::testing
