#include "registry/StoreFailures.h"

#include "registry/StoreWarning.h"

namespace pelmora {

long StoreFailures::Fail(long code, std::string text)
{
    m_LastCode = code;
    m_LastText = std::move(text);
    WarnOnce(m_Warned, m_LastText);
    return code;
}

long StoreFailures::Read(long code)
{
    if (IsReadFailure(code))
        m_ReadFailures.Note(Describe(code));
    return code;
}

std::string StoreFailures::Describe(long code) const
{
    if (code == m_LastCode && !m_LastText.empty())
        return m_LastText;
    return DescribeRegResult(code, m_Store, m_Path);
}

}  // namespace pelmora
