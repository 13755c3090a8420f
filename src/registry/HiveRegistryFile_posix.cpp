// The hive's file: loading it as it is on disk, holding it while changes are made, committing
// them, and what a file that cannot be used or written turns into.
#include "registry/HiveRegistry.h"

#include "registry/HiveHeader.h"

#include <cerrno>
#include <cstring>

namespace pelmora {

namespace {

bool IsDamage(int error)
{
    // What hivex reports for a file it cannot make sense of.
    return error == ENOTSUP || error == EINVAL || error == EFAULT || error == ELOOP || error == ERANGE ||
           error == ENOKEY;
}

}  // namespace

HiveRegistry::HiveRegistry(HiveRegistryOptions options)
    : m_Options(std::move(options)), m_Failures("the registry hive " + m_Options.path, m_Options.path)
{
}

HiveRegistry::~HiveRegistry()
{
    DropHive();
}

void HiveRegistry::DropHive()
{
    if (m_Hive)
        hivex_close(m_Hive);
    m_Hive = nullptr;
    m_Seen.reset();
    m_SoleWriter = false;
}

hive_h* HiveRegistry::Hive(long& code)
{
    if (m_Lock.Held() && m_Hive) {
        code = kRegSuccess;
        return m_Hive;  // only this program changes it now
    }
    return Refresh(code);
}

hive_h* HiveRegistry::Refresh(long& code)
{
    // Over a mounted image every look at the file is a round trip to the mount.
    if (m_Options.soleUser && m_Seen) {
        code = m_LoadCode;
        return m_Hive;
    }
    code = kRegSuccess;
    const std::string& path = m_Options.path;
    HiveFileIdentity now;
    if (const int error = ReadHiveFileIdentity(path, now)) {
        DropHive();
        code = m_Failures.Fail(kRegIoFailed, "cannot open the registry hive " + path + ": " + std::strerror(error));
        return nullptr;
    }
    if (m_Seen != now) {
        DropHive();
        m_Seen = now;
        m_LoadCode = Load();
    }
    code = m_LoadCode;
    return m_Hive;
}

long HiveRegistry::Load()
{
    const std::string& path = m_Options.path;
    // The header and the size it is checked against come from one file: a commit of another
    // program may rename a new one into place at any moment.
    std::string block;
    HiveFileIdentity identity;
    int error = ReadHiveFileStart(path, kHiveBaseBlockSize, block, identity);
    if (error)
        return m_Failures.Fail(error == EACCES ? kRegAccessDenied : kRegIoFailed,
                    "cannot open the registry hive " + path + ": " + std::strerror(error));
    m_Seen = identity;
    switch (InspectHiveHeader(block, static_cast<std::uint64_t>(identity.size))) {
    case HiveHeaderState::NotAHive:
        return m_Failures.Fail(kRegBadDb, "the file " + path + " is not a registry hive");
    case HiveHeaderState::Truncated:
        return m_Failures.Fail(kRegBadDb, "the registry hive " + path + " is truncated");
    case HiveHeaderState::BadChecksum:
        return m_Failures.Fail(kRegCorrupt,
                               "the registry hive " + path + " is damaged (the checksum of its header is wrong)");
    case HiveHeaderState::Dirty:
        m_Unfinished = true;
        break;
    case HiveHeaderState::Clean:
        m_Unfinished = false;
        break;
    }
    errno = 0;
    m_Hive = hivex_open(path.c_str(), HIVEX_OPEN_WRITE);
    if (!m_Hive) {
        error = errno;
        return m_Failures.Fail(IsDamage(error) ? kRegCorrupt : kRegIoFailed,
                    "the registry hive " + path + " cannot be read: " +
                        (IsDamage(error) ? std::string("it is damaged") : std::strerror(error)));
    }
    return kRegSuccess;
}

long HiveRegistry::RefuseWrite()
{
    if (m_SoleWriter)
        return kRegSuccess;
    const std::string& path = m_Options.path;
    if (m_Unfinished)
        return m_Failures.Fail(kRegCantWrite,
                    "the registry hive " + path +
                        " was not written: Windows left changes to it in its log files (it was hibernated or "
                        "shut down with fast start-up), and writing now would lose them. Start that Windows and "
                        "shut it down fully (not hibernate, fast start-up off), then try again");
    const int error = HiveFileWritable(path);
    if (error == EROFS)
        return m_Failures.Fail(kRegAccessDenied, "the registry hive " + path +
                                          " cannot be written: its file system is mounted read-only");
    if (error == EACCES || error == EPERM)
        return m_Failures.Fail(kRegAccessDenied, "the registry hive " + path + " is read-only");
    if (error)
        return m_Failures.Fail(kRegIoFailed, "cannot open the registry hive " + path + ": " + std::strerror(error));
    // What was writable stays so for the sole user until the hive is read again.
    m_SoleWriter = m_Options.soleUser;
    return kRegSuccess;
}

long HiveRegistry::CanChange()
{
    long code = kRegSuccess;
    if (!Hive(code))
        return code;
    return RefuseWrite();
}

long HiveRegistry::BeginChanges()
{
    if (m_ChangeDepth++ == 0)
        m_Pending = false;
    return kRegSuccess;
}

long HiveRegistry::Hold()
{
    if (m_Lock.Held() || m_SoleWriter)
        return kRegSuccess;
    long code = kRegSuccess;
    if (!Hive(code) || (code = RefuseWrite()) != kRegSuccess)
        return code;
    if (m_Options.soleUser)
        return kRegSuccess;  // nobody to keep out
    if (const int error = m_Lock.Acquire(m_Options.path, m_Options.lockTimeoutMs)) {
        if (error == EWOULDBLOCK)
            return m_Failures.Fail(kRegLockViolation,
                                   "the registry hive " + m_Options.path + " is locked by another program");
        return m_Failures.Fail(kRegIoFailed,
                               "cannot lock the registry hive " + m_Options.path + ": " + std::strerror(error));
    }
    // Another program may have changed the hive before the lock was ours: go on from the file as it is.
    if (!Refresh(code) || (code = RefuseWrite()) != kRegSuccess)
        m_Lock.Release();
    return code;
}

long HiveRegistry::CommitChanges()
{
    if (m_ChangeDepth == 0)
        return kRegInvalidParameter;
    if (--m_ChangeDepth > 0)
        return kRegSuccess;
    const long code = m_Pending ? Commit() : kRegSuccess;
    m_Pending = false;
    m_Lock.Release();
    return code;
}

void HiveRegistry::AbandonChanges()
{
    if (m_ChangeDepth == 0)
        return;
    if (m_Pending)
        DropHive();  // read again from the file, which never saw them
    m_Pending = false;
    if (--m_ChangeDepth == 0)
        m_Lock.Release();
}

long HiveRegistry::Change(const std::function<long(hive_h*)>& body)
{
    const bool alone = m_ChangeDepth == 0;
    if (alone)
        BeginChanges();
    long code = Hold();
    if (code == kRegSuccess)
        if (hive_h* hive = Hive(code))
            code = body(hive);
    if (alone) {
        if (code == kRegSuccess)
            code = CommitChanges();
        else
            AbandonChanges();
    }
    return code;
}

long HiveRegistry::Commit()
{
    const std::string& path = m_Options.path;
    HiveFileIdentity committed;
    const int error = m_Options.inPlace
                          ? RewriteHiveFile(m_Hive, path, committed)
                          : CommitHiveFile(m_Hive, path, m_Options.syncToDisk, m_Options.commitProbe, committed);
    if (error) {
        DropHive();  // the file kept its old bytes: so does this program's view of it
        if (error == ENOSPC || error == EDQUOT)
            return m_Failures.Fail(kRegDiskFull, "the disk of the registry hive " + path + " is full");
        return m_Failures.Fail(kRegIoFailed, "cannot save the registry hive " + path + ": " + std::strerror(error));
    }
    // What this program holds is that file, whatever the path names by now.
    m_Seen = committed;
    return kRegSuccess;
}

long HiveRegistry::FailChange(int error)
{
    return m_Failures.Fail(kRegIoFailed, "cannot change the registry hive " + m_Options.path + ": " +
                                             std::strerror(error ? error : EIO));
}

long HiveRegistry::Damaged(const std::string& what)
{
    return m_Failures.Fail(kRegCorrupt, "the registry hive " + m_Options.path + " is damaged: " + what +
                                            " cannot be read");
}

std::string HiveRegistry::DescribeError(long code)
{
    return m_Failures.Describe(code);
}

}  // namespace pelmora
