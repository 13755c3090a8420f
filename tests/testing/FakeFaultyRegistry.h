#pragma once

#include "registry/ForwardingRegistry.h"

#include <functional>
#include <set>
#include <string>

namespace pelmora::testing {

// Forwards to a real store, except that storing a value of a chosen name is refused (access
// denied), that reads may fail from a chosen read on as if another program held the store, and
// that a test may act just before a read or a write reaches the store (lock it, end the process).
class FaultyRegistry : public ForwardingRegistry {
public:
    explicit FaultyRegistry(RegistryApi& real) : ForwardingRegistry(real) {}

    void FailWritesOf(const std::string& valueName) { m_Refused.insert(valueName); }
    // Opens and queries from the `first` one on (counting from 0) fail, counted as failed reads.
    void FailReadsFrom(int first, std::string why)
    {
        m_FailFrom = m_Reads + first;
        m_FailWhy = std::move(why);
    }
    void Heal()
    {
        m_Refused.clear();
        m_FailFrom = -1;
    }

    // Called with the value's name before each query and each store of a value.
    std::function<void(const std::string& name)> beforeQuery;
    std::function<void(const std::string& name)> beforeSet;

    long OpenKey(RegRoot root, const std::string& path, RegKey& key) override
    {
        if (ReadFails())
            return key = 0, kFakeLockViolation;
        return ForwardingRegistry::OpenKey(root, path, key);
    }
    long QueryValue(RegKey key, const std::string& name, std::uint32_t* type, char* data, std::uint32_t* size) override
    {
        if (beforeQuery)
            beforeQuery(name);
        if (ReadFails())
            return kFakeLockViolation;
        return ForwardingRegistry::QueryValue(key, name, type, data, size);
    }
    long SetValue(RegKey key, const std::string& name, std::uint32_t type, const char* data, std::uint32_t size) override
    {
        if (beforeSet)
            beforeSet(name);
        if (m_Refused.count(name))
            return kRegAccessDenied;
        return ForwardingRegistry::SetValue(key, name, type, data, size);
    }
    std::string DescribeError(long code) override
    {
        return code == kFakeLockViolation ? m_FailWhy : ForwardingRegistry::DescribeError(code);
    }
    RegReadFailures ReadFailures() const override
    {
        RegReadFailures failures = ForwardingRegistry::ReadFailures();
        failures.count += m_Failed.count;
        if (m_Failed.count > 0)
            failures.latest = m_Failed.latest;
        return failures;
    }

private:
    static constexpr long kFakeLockViolation = kRegLockViolation;

    bool ReadFails()
    {
        const bool fails = m_FailFrom >= 0 && m_Reads >= m_FailFrom;
        ++m_Reads;
        if (fails)
            m_Failed.Note(m_FailWhy);
        return fails;
    }

    std::set<std::string> m_Refused;
    int m_Reads = 0;
    int m_FailFrom = -1;
    std::string m_FailWhy;
    RegReadFailures m_Failed;
};

}  // namespace pelmora::testing
