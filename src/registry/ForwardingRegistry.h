#pragma once

#include "registry/RegistryApi.h"

namespace pelmora {

// A registry that passes every call on to another, for wrappers that change a few of them (a
// guard, a test's fault injector): each entry point is forwarded here, so one added to
// RegistryApi leaves this class abstract until it is forwarded too, and no wrapper answers for
// the store it wraps by a body of its own that forgot it.
class ForwardingRegistry : public RegistryApi {
public:
    explicit ForwardingRegistry(RegistryApi& inner) : m_Inner(inner) {}

    long OpenKey(RegRoot root, const std::string& path, RegKey& key) override
    {
        return m_Inner.OpenKey(root, path, key);
    }
    long QueryValue(RegKey key, const std::string& name, std::uint32_t* type, char* data,
                    std::uint32_t* size) override
    {
        return m_Inner.QueryValue(key, name, type, data, size);
    }
    long CreateKey(RegRoot root, const std::string& path, RegKey& key) override
    {
        return m_Inner.CreateKey(root, path, key);
    }
    long SetValue(RegKey key, const std::string& name, std::uint32_t type, const char* data,
                  std::uint32_t size) override
    {
        return m_Inner.SetValue(key, name, type, data, size);
    }
    long CloseKey(RegKey key) override { return m_Inner.CloseKey(key); }
    long EnumValues(RegKey key, std::vector<RegValueEntry>& values) override { return m_Inner.EnumValues(key, values); }
    long EnumSubKeys(RegKey key, std::vector<std::string>& names) override { return m_Inner.EnumSubKeys(key, names); }
    long DeleteValue(RegKey key, const std::string& name) override { return m_Inner.DeleteValue(key, name); }
    long DeleteTree(RegRoot root, const std::string& path) override { return m_Inner.DeleteTree(root, path); }
    std::string DescribeError(long code) override { return m_Inner.DescribeError(code); }
    RegReadFailures ReadFailures() const override { return m_Inner.ReadFailures(); }
    long BeginChanges() override { return m_Inner.BeginChanges(); }
    long CommitChanges() override { return m_Inner.CommitChanges(); }
    void AbandonChanges() override { m_Inner.AbandonChanges(); }
    long CanChange() override { return m_Inner.CanChange(); }
    std::string Location() const override { return m_Inner.Location(); }

private:
    RegistryApi& m_Inner;
};

}  // namespace pelmora
