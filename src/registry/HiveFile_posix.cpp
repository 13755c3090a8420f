#include "registry/HiveFile.h"

#include "platform/KeptAttributes.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace pelmora {

namespace {

constexpr auto kLockPoll = std::chrono::milliseconds(10);
constexpr std::size_t kHeadSize = 20;

std::int64_t Nanoseconds(const timespec& time)
{
    return static_cast<std::int64_t>(time.tv_sec) * 1000000000 + time.tv_nsec;
}

HiveFileIdentity IdentityOf(const struct stat& status)
{
    return {static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino),
            static_cast<std::int64_t>(status.st_size), Nanoseconds(status.st_mtim), {}};
}

// Removes the new file unless it was renamed into place.
class TempFile {
public:
    explicit TempFile(const std::string& path) : m_Path(path + ".pelmora-XXXXXX")
    {
        const int fd = ::mkstemp(m_Path.data());
        m_Error = fd < 0 ? errno : 0;
        if (fd >= 0)
            ::close(fd);
        else
            m_Path.clear();
    }
    ~TempFile()
    {
        if (!m_Path.empty())
            ::unlink(m_Path.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    int Error() const { return m_Error; }
    const std::string& Path() const { return m_Path; }
    void Kept() { m_Path.clear(); }

private:
    std::string m_Path;
    int m_Error;
};

// Gives the new file the old one's mode and owner (on an NTFS mount its security descriptor,
// attributes and streams), and flushes it.
int Finish(const std::string& temp, const std::string& path, const struct stat& old, bool flush)
{
    const int fd = ::open(temp.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return errno;
    // A file system that keeps no modes or owners of its own (an NTFS mount may fix them for the
    // whole mount) refuses these, which changes nothing; only root may give a file away.
    (void)::fchmod(fd, old.st_mode & 07777);
    if (::geteuid() == 0)
        (void)::fchown(fd, old.st_uid, old.st_gid);
    int error = KeepAttributes(path, fd);
    if (!error && flush && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && !error)
        error = errno;
    return error;
}

// Makes the rename itself last. The new file is in place by now, so a folder that cannot be
// flushed (some file systems cannot) is no failure of the commit.
void FlushFolder(const std::string& path)
{
    const std::string folder = std::filesystem::path(path).parent_path().string();
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    (void)::fsync(fd);
    ::close(fd);
}

}  // namespace

int ReadHiveFileIdentity(const std::string& path, HiveFileIdentity& identity)
{
    std::string head;
    return ReadHiveFileStart(path, 0, head, identity);
}

int ReadHiveFileStart(const std::string& path, std::size_t size, std::string& bytes, HiveFileIdentity& identity)
{
    bytes.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    struct stat status {};
    int error = ::fstat(fd, &status) == 0 ? 0 : errno;
    if (!error) {
        identity = IdentityOf(status);
        bytes.assign(std::max(size, kHeadSize), '\0');
        const ssize_t got = ::pread(fd, bytes.data(), bytes.size(), 0);
        error = got < 0 ? errno : 0;
        bytes.resize(got < 0 ? 0 : static_cast<std::size_t>(got));
        identity.head = bytes.substr(0, kHeadSize);
        bytes.resize(std::min(bytes.size(), size));
    }
    ::close(fd);
    return error;
}

int HiveFileWritable(const std::string& path)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return errno;
    // The mount first: there no file mode would help.
    struct statvfs fileSystem {};
    if (::statvfs(path.c_str(), &fileSystem) == 0 && (fileSystem.f_flag & ST_RDONLY))
        return EROFS;
    if ((status.st_mode & 0222) == 0)
        return EACCES;
    return ::access(path.c_str(), W_OK) == 0 ? 0 : errno;
}

int HiveLock::Acquire(const std::string& path, int timeoutMs)
{
    Release();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return errno;
        while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            if ((error != EWOULDBLOCK && error != EINTR) || std::chrono::steady_clock::now() >= deadline) {
                ::close(fd);
                return error;
            }
            std::this_thread::sleep_for(kLockPoll);
        }
        struct stat locked {};
        struct stat current {};
        if (::fstat(fd, &locked) == 0 && ::stat(path.c_str(), &current) == 0 && locked.st_dev == current.st_dev &&
            locked.st_ino == current.st_ino) {
            m_Fd = fd;
            return 0;
        }
        ::close(fd);  // replaced while we waited
    }
}

void HiveLock::Release()
{
    if (m_Fd >= 0)
        ::close(m_Fd);  // closing the last descriptor releases the lock
    m_Fd = -1;
}

int CommitHiveFile(hive_h* hive, const std::string& path, bool flush, const HiveCommitProbe& probe,
                   HiveFileIdentity& committed)
{
    struct stat old {};
    if (::stat(path.c_str(), &old) != 0)
        return errno;
    TempFile temp(path);
    if (temp.Error())
        return temp.Error();
    auto stopped = [&](HiveCommitStep step) { return probe && !probe(step); };
    if (stopped(HiveCommitStep::TempCreated))
        return ECANCELED;
    if (hivex_commit(hive, temp.Path().c_str(), 0) != 0)
        return errno ? errno : EIO;
    if (stopped(HiveCommitStep::TempWritten))
        return ECANCELED;
    if (const int error = Finish(temp.Path(), path, old, flush))
        return error;
    if (const int error = ReadHiveFileIdentity(temp.Path(), committed))
        return error;
    if (stopped(HiveCommitStep::TempFlushed))
        return ECANCELED;
    if (::rename(temp.Path().c_str(), path.c_str()) != 0)
        return errno;
    temp.Kept();
    if (flush)
        FlushFolder(path);
    return 0;
}

int RewriteHiveFile(hive_h* hive, const std::string& path, HiveFileIdentity& committed)
{
    struct stat old {};
    if (::lstat(path.c_str(), &old) != 0)
        return errno;
    if (!S_ISREG(old.st_mode))
        return EINVAL;
    if (hivex_commit(hive, path.c_str(), 0) != 0)
        return errno ? errno : EIO;
    return ReadHiveFileIdentity(path, committed);
}

}  // namespace pelmora
