#pragma once

#include "registry/RegistryApi.h"

#include <set>
#include <string>

namespace pelmora::testing {

// Forwards to a real store, except that storing a value of a chosen name is refused (access denied).
class FaultyRegistry : public RegistryApi {
public:
    explicit FaultyRegistry(RegistryApi& real) : m_Real(real) {}

    void FailWritesOf(const std::string& valueName) { m_Refused.insert(valueName); }
    void Heal() { m_Refused.clear(); }

    long OpenKey(RegRoot root, const std::string& path, RegKey& key) override { return m_Real.OpenKey(root, path, key); }
    long QueryValue(RegKey key, const std::string& name, std::uint32_t* type, char* data, std::uint32_t* size) override
    {
        return m_Real.QueryValue(key, name, type, data, size);
    }
    long CreateKey(RegRoot root, const std::string& path, RegKey& key) override { return m_Real.CreateKey(root, path, key); }
    long SetValue(RegKey key, const std::string& name, std::uint32_t type, const char* data, std::uint32_t size) override
    {
        if (m_Refused.count(name))
            return kRegAccessDenied;
        return m_Real.SetValue(key, name, type, data, size);
    }
    long CloseKey(RegKey key) override { return m_Real.CloseKey(key); }
    long EnumValues(RegKey key, std::vector<RegValueEntry>& values) override { return m_Real.EnumValues(key, values); }
    long EnumSubKeys(RegKey key, std::vector<std::string>& names) override { return m_Real.EnumSubKeys(key, names); }
    long DeleteValue(RegKey key, const std::string& name) override { return m_Real.DeleteValue(key, name); }
    long DeleteTree(RegRoot root, const std::string& path) override { return m_Real.DeleteTree(root, path); }
    std::string DescribeError(long code) override { return m_Real.DescribeError(code); }

private:
    RegistryApi& m_Real;
    std::set<std::string> m_Refused;
};

}  // namespace pelmora::testing
