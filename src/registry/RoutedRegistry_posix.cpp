#include "registry/RoutedRegistry.h"

#include "registry/RegistryNames.h"

#include <algorithm>

namespace pelmora {

namespace {

constexpr const char* kSoftware = "SOFTWARE";

bool IsSoftware(const std::string& name)
{
    return FoldRegistryName(name) == kSoftware;
}

}  // namespace

RoutedRegistry::RoutedRegistry(std::unique_ptr<RegistryApi> software, std::unique_ptr<RegistryApi> local)
    : m_Software(std::move(software)), m_Local(std::move(local)), m_LastStore(m_Local.get())
{
}

RoutedRegistry::Route RoutedRegistry::RouteOf(RegRoot root, const std::string& path) const
{
    const std::vector<std::string> parts = SplitKeyPath(path);
    if (root != RegRoot::LocalMachine || parts.empty() || !IsSoftware(parts.front()))
        return {m_Local.get(), path};
    std::string below;
    for (std::size_t i = 1; i < parts.size(); ++i)
        below += (i > 1 ? "\\" : "") + parts[i];
    return {m_Software.get(), below};
}

long RoutedRegistry::From(RegistryApi* store, long code)
{
    m_LastStore = store;
    return code;
}

long RoutedRegistry::ReadFrom(RegistryApi* store, long code)
{
    if (IsReadFailure(code))
        m_ReadFailures.Note(store->DescribeError(code));
    return From(store, code);
}

long RoutedRegistry::Opened(RegKey key, OpenedKey*& opened)
{
    opened = m_Keys.Find(key);
    return opened ? kRegSuccess : kRegInvalidHandle;
}

long RoutedRegistry::Open(RegRoot root, const std::string& path, RegKey& key, bool create)
{
    key = 0;
    const Route route = RouteOf(root, path);
    RegKey inner = 0;
    const long code = create ? route.store->CreateKey(root, route.path, inner)
                             : route.store->OpenKey(root, route.path, inner);
    if (code != kRegSuccess)
        return create ? From(route.store, code) : ReadFrom(route.store, code);
    key = m_Keys.Add(OpenedKey{route.store, inner, root == RegRoot::LocalMachine && SplitKeyPath(path).empty()});
    return From(route.store, kRegSuccess);
}

long RoutedRegistry::OpenKey(RegRoot root, const std::string& path, RegKey& key)
{
    return Open(root, path, key, false);
}

long RoutedRegistry::CreateKey(RegRoot root, const std::string& path, RegKey& key)
{
    return Open(root, path, key, true);
}

long RoutedRegistry::QueryValue(RegKey key, const std::string& name, std::uint32_t* type, char* data,
                                std::uint32_t* size)
{
    OpenedKey* opened = nullptr;
    if (const long code = Opened(key, opened); code != kRegSuccess)
        return code;
    return ReadFrom(opened->store, opened->store->QueryValue(opened->key, name, type, data, size));
}

long RoutedRegistry::SetValue(RegKey key, const std::string& name, std::uint32_t type, const char* data,
                              std::uint32_t size)
{
    OpenedKey* opened = nullptr;
    if (const long code = Opened(key, opened); code != kRegSuccess)
        return code;
    return From(opened->store, opened->store->SetValue(opened->key, name, type, data, size));
}

long RoutedRegistry::CloseKey(RegKey key)
{
    OpenedKey* opened = nullptr;
    if (const long code = Opened(key, opened); code != kRegSuccess)
        return code;
    RegistryApi* store = opened->store;
    const long code = store->CloseKey(opened->key);
    m_Keys.Remove(key);
    return From(store, code);
}

long RoutedRegistry::EnumValues(RegKey key, std::vector<RegValueEntry>& values)
{
    values.clear();
    OpenedKey* opened = nullptr;
    if (const long code = Opened(key, opened); code != kRegSuccess)
        return code;
    return ReadFrom(opened->store, opened->store->EnumValues(opened->key, values));
}

long RoutedRegistry::EnumSubKeys(RegKey key, std::vector<std::string>& names)
{
    names.clear();
    OpenedKey* opened = nullptr;
    if (const long code = Opened(key, opened); code != kRegSuccess)
        return code;
    const long code = opened->store->EnumSubKeys(opened->key, names);
    if (code == kRegSuccess && opened->machineTop) {
        // The local store's own SOFTWARE is hidden behind the hive.
        std::erase_if(names, IsSoftware);
        names.push_back(kSoftware);
        std::sort(names.begin(), names.end(),
                  [](const std::string& a, const std::string& b) { return FoldRegistryName(a) < FoldRegistryName(b); });
    }
    return ReadFrom(opened->store, code);
}

long RoutedRegistry::DeleteValue(RegKey key, const std::string& name)
{
    OpenedKey* opened = nullptr;
    if (const long code = Opened(key, opened); code != kRegSuccess)
        return code;
    return From(opened->store, opened->store->DeleteValue(opened->key, name));
}

long RoutedRegistry::DeleteTree(RegRoot root, const std::string& path)
{
    const Route route = RouteOf(root, path);
    return From(route.store, route.store->DeleteTree(root, route.path));
}

std::string RoutedRegistry::DescribeError(long code)
{
    return m_LastStore->DescribeError(code);
}

long RoutedRegistry::BeginChanges()
{
    if (const long code = m_Local->BeginChanges(); code != kRegSuccess)
        return From(m_Local.get(), code);
    if (const long code = m_Software->BeginChanges(); code != kRegSuccess) {
        m_Local->AbandonChanges();
        return From(m_Software.get(), code);
    }
    return kRegSuccess;
}

long RoutedRegistry::CommitChanges()
{
    const long software = m_Software->CommitChanges();
    const long local = m_Local->CommitChanges();
    if (software != kRegSuccess)
        return From(m_Software.get(), software);
    return local == kRegSuccess ? kRegSuccess : From(m_Local.get(), local);
}

long RoutedRegistry::CanChange()
{
    if (const long code = m_Software->CanChange(); code != kRegSuccess)
        return From(m_Software.get(), code);
    return From(m_Local.get(), m_Local->CanChange());
}

void RoutedRegistry::AbandonChanges()
{
    m_Software->AbandonChanges();
    m_Local->AbandonChanges();
}

}  // namespace pelmora
