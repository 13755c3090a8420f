#pragma once

#include <string>

namespace pelmora {

// Result codes, as the platform numbers them: every store answers with these.
enum : long {
    kRegSuccess = 0,
    kRegFileNotFound = 2,
    kRegAccessDenied = 5,
    kRegInvalidHandle = 6,
    kRegLockViolation = 33,
    kRegInvalidParameter = 87,
    kRegDiskFull = 112,
    kRegMoreData = 234,
    kRegBadDb = 1009,
    kRegCantWrite = 1013,
    kRegCorrupt = 1015,
    kRegIoFailed = 1016,
    kRegKeyDeleted = 1018,
};

// Whether a read's result means the store could not be read (locked, unreadable, damaged), as
// opposed to an answer: the key or value is absent, the buffer too small, the call wrong.
inline bool IsReadFailure(long code)
{
    return code != kRegSuccess && code != kRegFileNotFound && code != kRegMoreData && code != kRegInvalidHandle &&
           code != kRegInvalidParameter && code != kRegKeyDeleted;
}

// The text for a result code of a store that keeps its keys in a file: `store` names the store
// for the user ("the registry hive /mnt/..."), `path` is its file.
std::string DescribeRegResult(long code, const std::string& store, const std::string& path);

}  // namespace pelmora
