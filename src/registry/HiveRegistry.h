#pragma once

#include "registry/HiveFile.h"
#include "registry/RegHandleTable.h"
#include "registry/RegistryApi.h"
#include "registry/StoreFailures.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pelmora {

struct HiveRegistryOptions {
    std::string path;
    // How long a change waits for another program that is changing the hive.
    int lockTimeoutMs = 10000;
    // Off only for throw-away hives: a crash may then lose the last commits.
    bool syncToDisk = true;
    // Rewrite the file itself instead of renaming a new one over it (see RewriteHiveFile).
    bool inPlace = false;
    // The file is this program's alone while it runs (an image mounted for it): it is read once,
    // never looked at again for another program's changes, and never locked.
    bool soleUser = false;
    // Tests only: asked at each step of a commit; a false answer fails the commit there.
    HiveCommitProbe commitProbe;
};

// One registry hive file of a Windows installation, read and written with hivex through the
// registry's entry points (UTF-8 text). The hive is a single key tree: every root names its top, and paths are relative
// to it (RoutedRegistry decides which calls come here). Names compare without regard to case;
// text is stored as UTF-16LE and read as advapi32's wide entry points do (see HiveText.h).
//
// Each change, or each group between BeginChanges and CommitChanges, is made under a lock on the
// file (taken at the group's first change and kept to its end), on the hive as it is on disk then,
// and committed by renaming a new file over it; a failed commit leaves the file byte for byte and
// drops the change. An abandoned group drops every change since its outermost begin. A hive Windows left unfinished, one
// that is read-only, and a file that is no usable hive are never written: the reason is reported
// (once on stderr, and through DescribeError) and reading works where the file can be read.
class HiveRegistry : public RegistryApi {
public:
    explicit HiveRegistry(HiveRegistryOptions options);
    ~HiveRegistry() override;
    HiveRegistry(const HiveRegistry&) = delete;
    HiveRegistry& operator=(const HiveRegistry&) = delete;

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
    std::string Location() const override { return m_Options.path; }

    long BeginChanges() override;
    long CommitChanges() override;
    void AbandonChanges() override;
    long CanChange() override;

    const std::string& Path() const { return m_Options.path; }

private:
    struct OpenedKey {
        std::vector<std::string> parts;  // UTF-8, as opened
    };

    // The hive as it is on disk now (as this program left it while it holds the lock); null when
    // the file cannot be used, with `code` saying why.
    hive_h* Hive(long& code);
    // The same, read again if the file changed, also while the lock is held.
    hive_h* Refresh(long& code);
    long Load();
    void DropHive();
    // Why the loaded hive must not be written; kRegSuccess when it may be.
    long RefuseWrite();
    // Takes the lock for the changes being made, unless held, and reads the hive again under it.
    long Hold();
    // Runs `body` on the hive as one change (or as part of the group being made).
    long Change(const std::function<long(hive_h*)>& body);
    long Commit();
    // The opened key's node; 0 with `code` set when the hive cannot be used or the key is gone.
    hive_node_h Node(RegKey key, long& code);
    long FailChange(int error);
    // A part of the hive hivex cannot read: `what` names it.
    long Damaged(const std::string& what);

    HiveRegistryOptions m_Options;
    StoreFailures m_Failures;
    hive_h* m_Hive = nullptr;
    std::optional<HiveFileIdentity> m_Seen;  // the file version loaded, or that failed to load
    long m_LoadCode = kRegSuccess;
    bool m_Unfinished = false;  // Windows left it with changes still in its logs
    HiveLock m_Lock;
    bool m_SoleWriter = false;  // the sole user may write the hive loaded (checked once)
    int m_ChangeDepth = 0;
    bool m_Pending = false;
    RegHandleTable<OpenedKey> m_Keys;
};

}  // namespace pelmora
