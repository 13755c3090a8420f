#pragma once

#include "registry/RegHandleTable.h"
#include "registry/RegistryApi.h"
#include "registry/StoreFailures.h"

#include <functional>
#include <string>
#include <vector>

struct sqlite3;

namespace pelmora {

// A text value written into a store when its file is first set up.
struct RegistrySeedValue {
    RegRoot root;
    std::string keyPath;  // UTF-8
    std::string name;     // UTF-8
    std::string text;     // UTF-8, stored whole as REG_SZ
};

struct SqliteRegistryOptions {
    std::string path;
    // Asked once, when the store is set up in an empty file; none when null.
    std::function<std::vector<RegistrySeedValue>()> seed;
    int busyTimeoutMs = 5000;
    bool readOnly = false;
    // Off only for throw-away stores: a crash may then lose the last writes.
    bool syncToDisk = true;
};

// The registry off Windows: one SQLite file. Key paths and value names are compared without regard
// to case and kept with their case; each value keeps its type code and bytes. Every write is one
// transaction, so two running programs lose nothing; a group of changes (BeginChanges) is one
// transaction from its first change to CommitChanges, each change in it kept or undone whole. A
// file that cannot be used (corrupt, not a database, unreadable, locked) is never changed or
// repaired: reads fail and are counted (ReadFailures), writes fail with a status, and one warning
// line goes to stderr. A read-only file is read but not written.
class SqliteRegistry : public RegistryApi {
public:
    explicit SqliteRegistry(SqliteRegistryOptions options);
    ~SqliteRegistry() override;
    SqliteRegistry(const SqliteRegistry&) = delete;
    SqliteRegistry& operator=(const SqliteRegistry&) = delete;

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
    RegReadFailures ReadFailures() const override { return m_Failures.ReadFailures(); }

    long BeginChanges() override;
    long CommitChanges() override;
    void AbandonChanges() override;
    // A store that cannot be changed says so at the change itself.
    long CanChange() override { return kRegSuccess; }
    std::string Location() const override { return m_Options.path; }

    const std::string& Path() const { return m_Options.path; }

private:
    struct OpenedKey {
        RegRoot root;
        std::string path;  // folded
    };

    // The connection, opened and set up on first use; null when the file cannot be used.
    sqlite3* Connection();
    bool OpenFile();
    bool SetUpSchema();
    // Brings a store an older version wrote up to UTF-8 text.
    bool UpgradeText();
    long WriteSeed();
    // Runs `body` as one change: in a transaction of its own, or inside the group being made; its
    // result decides whether the change is kept.
    long InWriteTransaction(const std::function<long(sqlite3*)>& body);
    long InOwnTransaction(sqlite3* db, const std::function<long(sqlite3*)>& body);
    long InGroup(const std::function<long(sqlite3*)>& body);
    // Ends the group's transaction: commits it, or rolls it back.
    long EndGroup(bool commit);
    long KeyExists(sqlite3* db, RegRoot root, const std::string& foldedPath, bool& exists);

    // Records a failure of the file, warns once and gives the result code for it.
    long Fail(int sqliteCode);

    SqliteRegistryOptions m_Options;
    StoreFailures m_Failures;
    sqlite3* m_Db = nullptr;
    bool m_Ready = false;
    RegHandleTable<OpenedKey> m_Keys;
    int m_ChangeDepth = 0;
    bool m_GroupOpen = false;  // the group's transaction has begun
    // What ended the group's transaction before its end (it could not begin, or SQLite rolled
    // it back after a failure): every later change of the group fails with it.
    long m_GroupLost = kRegSuccess;
    std::string m_GroupLostText;
};

// $PELMORA_REGISTRY, else $XDG_CONFIG_HOME/pelmora/registry.sqlite3, else
// ~/.config/pelmora/registry.sqlite3. Empty when there is no home folder to put it in.
std::string DefaultRegistryPath();

}  // namespace pelmora
