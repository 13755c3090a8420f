#pragma once

#include "platform/Status.h"
#include "registry/RegistryApi.h"

namespace pelmora {

// One command's registry changes, committed together by stores that can: begun here, committed by
// Commit, abandoned when the object goes without it. A store that cannot be held says why in
// Commit; the writes in between fail on their own and say so too.
class RegistryChanges {
public:
    explicit RegistryChanges(RegistryApi& api) : m_Api(api), m_Begun(api.BeginChanges()) {}
    ~RegistryChanges()
    {
        if (m_Begun == kRegSuccess && !m_Finished)
            m_Api.AbandonChanges();
    }
    RegistryChanges(const RegistryChanges&) = delete;
    RegistryChanges& operator=(const RegistryChanges&) = delete;

    Status Commit()
    {
        if (m_Begun != kRegSuccess)
            return Status::Failed(m_Api.DescribeError(m_Begun));
        m_Finished = true;
        const long code = m_Api.CommitChanges();
        return code == kRegSuccess ? Status::Ok() : Status::Failed(m_Api.DescribeError(code));
    }

private:
    RegistryApi& m_Api;
    long m_Begun;
    bool m_Finished = false;
};

}  // namespace pelmora
