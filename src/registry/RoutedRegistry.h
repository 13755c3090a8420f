#pragma once

#include "registry/RegHandleTable.h"
#include "registry/RegistryApi.h"

#include <memory>
#include <string>
#include <vector>

namespace pelmora {

// The registry of an offline Windows installation: HKLM "SOFTWARE" and everything below it is the
// installation's SOFTWARE hive (reached with the path below "SOFTWARE"); every other key, HKCU
// with the program's own settings and the rest of HKLM, stays in the local store.
class RoutedRegistry : public RegistryApi {
public:
    RoutedRegistry(std::unique_ptr<RegistryApi> software, std::unique_ptr<RegistryApi> local);

    long OpenKey(RegRoot root, const std::string& path, RegKey& key) override;
    long QueryValue(RegKey key, const std::string& name, std::uint32_t* type, char* data,
                    std::uint32_t* size) override;
    long CreateKey(RegRoot root, const std::string& path, RegKey& key) override;
    long SetValue(RegKey key, const std::string& name, std::uint32_t type, const char* data,
                  std::uint32_t size) override;
    long CloseKey(RegKey key) override;
    long EnumValues(RegKey key, std::vector<RegValueEntry>& values) override;
    long EnumSubKeys(RegKey key, std::vector<std::string>& names) override;
    long DeleteValue(RegKey key, const std::string& name) override;
    long DeleteTree(RegRoot root, const std::string& path) override;
    std::string DescribeError(long code) override;
    RegReadFailures ReadFailures() const override { return m_ReadFailures; }

    long BeginChanges() override;
    long CommitChanges() override;
    void AbandonChanges() override;
    long CanChange() override;
    std::string Location() const override { return m_Software->Location(); }

    RegistryApi& Software() { return *m_Software; }
    RegistryApi& Local() { return *m_Local; }

private:
    struct Route {
        RegistryApi* store;
        std::string path;
    };
    struct OpenedKey {
        RegistryApi* store;
        RegKey key;
        bool machineTop;  // HKLM itself, whose subkeys include the hive's top
    };

    Route RouteOf(RegRoot root, const std::string& path) const;
    long Opened(RegKey key, OpenedKey*& opened);
    long Open(RegRoot root, const std::string& path, RegKey& key, bool create);
    // Remembers which store answered, so DescribeError asks it.
    long From(RegistryApi* store, long code);
    // The same for a read, counting it when the store could not answer.
    long ReadFrom(RegistryApi* store, long code);

    std::unique_ptr<RegistryApi> m_Software;
    std::unique_ptr<RegistryApi> m_Local;
    RegHandleTable<OpenedKey> m_Keys;
    RegistryApi* m_LastStore;
    RegReadFailures m_ReadFailures;
};

}  // namespace pelmora
