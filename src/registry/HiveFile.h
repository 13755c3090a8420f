#pragma once

#include <hivex.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace pelmora {

// What tells one version of the hive file from another. Each commit renames a new file over it,
// but the new file may get an inode number just freed, the same size and, within a clock tick,
// the same time: the start of its header (a sequence number raised by every commit) tells.
struct HiveFileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modified = 0;  // nanoseconds
    std::string head;           // the first bytes: signature, sequence numbers, time of the last write

    bool operator==(const HiveFileIdentity&) const = default;
};

// 0, or the errno of the failure.
int ReadHiveFileIdentity(const std::string& path, HiveFileIdentity& identity);

// The file's first `size` bytes (fewer when it is shorter) and the identity of that same file.
// 0, or the errno of the failure.
int ReadHiveFileStart(const std::string& path, std::size_t size, std::string& bytes, HiveFileIdentity& identity);

// 0 when the file may be replaced; EROFS or EACCES when it is read-only (no write permission bit
// at all counts too, also for root), another errno when it cannot be looked at.
int HiveFileWritable(const std::string& path);

// An exclusive lock on the hive file while a change is made, so two programs never change it at
// once. A commit renames a new file over the one locked: a waiter that gets the old file's lock
// takes the new file's instead.
class HiveLock {
public:
    HiveLock() = default;
    ~HiveLock() { Release(); }
    HiveLock(const HiveLock&) = delete;
    HiveLock& operator=(const HiveLock&) = delete;

    // 0 once held; EWOULDBLOCK when another program kept it past `timeoutMs`; another errno.
    int Acquire(const std::string& path, int timeoutMs);
    void Release();
    bool Held() const { return m_Fd >= 0; }

private:
    int m_Fd = -1;
};

// The points a commit passes; a test may fail it at each.
enum class HiveCommitStep { TempCreated, TempWritten, TempFlushed };
using HiveCommitProbe = std::function<bool(HiveCommitStep)>;

// Writes the hive into a new file beside `path` (with the old file's mode and owner), flushes it,
// renames it over `path` and flushes the folder. On any failure the new file is removed and `path`
// keeps its bytes. 0 with `committed` naming the new file (by then another program may have
// replaced it: its lock was on the file before), or the errno of the failure (ECANCELED when the
// probe stopped it).
int CommitHiveFile(hive_h* hive, const std::string& path, bool flush, const HiveCommitProbe& probe,
                   HiveFileIdentity& committed);

// Writes the hive over `path` itself, for a file system whose own commit makes a command's
// changes whole (a mounted WIM image), where a file renamed over it would lose its security
// descriptor. 0, or the errno of the failure; the file is then unusable until that commit is
// dropped.
int RewriteHiveFile(hive_h* hive, const std::string& path, HiveFileIdentity& committed);

}  // namespace pelmora
