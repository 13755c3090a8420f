#pragma once

#include "registry/RegistryApi.h"

#include <functional>
#include <set>
#include <string>

namespace pelmora::testing {

// Forwards to a real store, except that storing a value of a chosen name is refused (access
// denied), that reads may fail from a chosen read on as if another program held the store, and
// that a test may act just before a read or a write reaches the store (lock it, end the process).
class FaultyRegistry : public RegistryApi {
public:
    explicit FaultyRegistry(RegistryApi& real) : m_Real(real) {}

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
        return m_Real.OpenKey(root, path, key);
    }
    long QueryValue(RegKey key, const std::string& name, std::uint32_t* type, char* data, std::uint32_t* size) override
    {
        if (beforeQuery)
            beforeQuery(name);
        if (ReadFails())
            return kFakeLockViolation;
        return m_Real.QueryValue(key, name, type, data, size);
    }
    long CreateKey(RegRoot root, const std::string& path, RegKey& key) override { return m_Real.CreateKey(root, path, key); }
    long SetValue(RegKey key, const std::string& name, std::uint32_t type, const char* data, std::uint32_t size) override
    {
        if (beforeSet)
            beforeSet(name);
        if (m_Refused.count(name))
            return kRegAccessDenied;
        return m_Real.SetValue(key, name, type, data, size);
    }
    long CloseKey(RegKey key) override { return m_Real.CloseKey(key); }
    long EnumValues(RegKey key, std::vector<RegValueEntry>& values) override { return m_Real.EnumValues(key, values); }
    long EnumSubKeys(RegKey key, std::vector<std::string>& names) override { return m_Real.EnumSubKeys(key, names); }
    long DeleteValue(RegKey key, const std::string& name) override { return m_Real.DeleteValue(key, name); }
    long DeleteTree(RegRoot root, const std::string& path) override { return m_Real.DeleteTree(root, path); }
    std::string DescribeError(long code) override
    {
        return code == kFakeLockViolation ? m_FailWhy : m_Real.DescribeError(code);
    }
    RegReadFailures ReadFailures() const override
    {
        RegReadFailures failures = m_Real.ReadFailures();
        failures.count += m_Failed.count;
        if (m_Failed.count > 0)
            failures.latest = m_Failed.latest;
        return failures;
    }

    long BeginChanges() override { return m_Real.BeginChanges(); }
    long CommitChanges() override { return m_Real.CommitChanges(); }
    void AbandonChanges() override { m_Real.AbandonChanges(); }

private:
    static constexpr long kFakeLockViolation = 33;

    bool ReadFails()
    {
        const bool fails = m_FailFrom >= 0 && m_Reads >= m_FailFrom;
        ++m_Reads;
        if (fails)
            m_Failed.Note(m_FailWhy);
        return fails;
    }

    RegistryApi& m_Real;
    std::set<std::string> m_Refused;
    int m_Reads = 0;
    int m_FailFrom = -1;
    std::string m_FailWhy;
    RegReadFailures m_Failed;
};

}  // namespace pelmora::testing
