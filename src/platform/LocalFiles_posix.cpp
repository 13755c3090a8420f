#include "platform/LocalFiles.h"

#include "platform/KeptAttributes.h"

#include <atomic>
#include <cstdint>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstring>
#include <limits>
#include <optional>
#include <random>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pelmora {

namespace {

// Not a failure: the file system cannot give or link a file without a name.
constexpr int kNoUnnamedFiles = -1;

Status SystemFailure(int error)
{
    return Status::Failed(std::strerror(error));
}

std::string FolderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A hidden name beside the file, unique to this call: ".NAME.PID-COUNTER-RANDOM.tmp".
std::string TemporaryName(const std::string& path)
{
    static std::atomic<unsigned> counter{0};
    thread_local std::mt19937 random{std::random_device{}()};
    const auto slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return folder + "." + name + "." + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" +
           std::to_string(random() % 1000000) + ".tmp";
}

// The number after the last `separator` of `text`, which then ends before it; none when that
// part is not all digits.
std::optional<unsigned long> TakeNumber(std::string_view& text, char separator)
{
    const auto at = text.rfind(separator);
    if (at == std::string_view::npos || at + 1 == text.size())
        return std::nullopt;
    const std::string_view digits = text.substr(at + 1);
    unsigned long number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    text = text.substr(0, at);
    return number;
}

// The process that named a temporary file by TemporaryName; none for any other name.
std::optional<pid_t> TemporaryWriter(std::string_view name)
{
    if (name.size() < 2 || name.front() != '.' || !name.ends_with(".tmp"))
        return std::nullopt;
    name.remove_suffix(4);
    if (!TakeNumber(name, '-') || !TakeNumber(name, '-'))
        return std::nullopt;
    const auto pid = TakeNumber(name, '.');
    if (!pid || *pid == 0 || *pid > static_cast<unsigned long>(std::numeric_limits<pid_t>::max()) || name.size() < 2)
        return std::nullopt;
    return static_cast<pid_t>(*pid);
}

// A writer killed between naming its temporary file and renaming it left that file behind.
void RemoveDeadWritersTemporaries(const std::string& folder)
{
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return;
    const int dirFd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const auto writer = TemporaryWriter(entry->d_name);
        if (!writer || *writer == ::getpid() || ::kill(*writer, 0) == 0 || errno != ESRCH)
            continue;
        struct stat info {};
        if (::fstatat(dirFd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode))
            ::unlinkat(dirFd, entry->d_name, 0);
    }
    ::closedir(dir);
}

int WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// Gives the temporary file its bytes and what the file it replaces keeps (its mode; on an NTFS
// mount its security, attributes and streams), on disk. A link in the file's place is replaced,
// so nothing is taken from where it leads.
int Fill(int fd, const std::string& path, std::string_view bytes)
{
    struct stat old {};
    const bool replaces = ::lstat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    // A file system that keeps no modes of its own (an NTFS or WIM mount) refuses this, which
    // changes nothing.
    if (replaces && ::fchmod(fd, old.st_mode & 07777) != 0 && errno != EPERM && errno != EOPNOTSUPP)
        return errno;
    if (const int error = WriteAll(fd, bytes); error != 0)
        return error;
    if (replaces) {
        if (const int error = KeepAttributes(path, fd); error != 0)
            return error;
    }
    return ::fsync(fd) == 0 ? 0 : errno;
}

int CloseChecked(int& fd)
{
    const int closed = ::close(fd);
    fd = -1;  // gone even when close reports a failure
    return closed == 0 ? 0 : errno;
}

// ReadRegularFile's own refusals, beside errno values.
constexpr int kNotRegular = -1;
constexpr int kTooLarge = -2;

int ReadRegularFile(int fd, std::size_t maxBytes, std::string& bytes)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return errno;
    if (!S_ISREG(info.st_mode))
        return kNotRegular;
    if (static_cast<std::uintmax_t>(info.st_size) > maxBytes)
        return kTooLarge;
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (got == 0)
            return 0;
        // The file may grow while it is read.
        if (bytes.size() + static_cast<std::size_t>(got) > maxBytes)
            return kTooLarge;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
}

// Links the unnamed file under a fresh hidden name beside `path`, which `temporary` gets.
int NameUnnamed(int fd, const std::string& path, std::string& temporary)
{
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = TemporaryName(path);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temporary.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return 0;
        // Without /proc, only a process that may read any folder links by descriptor.
        if (errno == ENOENT && ::linkat(fd, "", AT_FDCWD, temporary.c_str(), AT_EMPTY_PATH) == 0)
            return 0;
        if (errno != EEXIST)
            return errno == ENOENT || errno == EPERM || errno == EOPNOTSUPP ? kNoUnnamedFiles : errno;
    }
    return EEXIST;
}

// The file is written without a name, which it gets only once it is whole and on disk: a
// crash before leaves nothing, and one in the moment before the rename a named temporary
// that the next write removes.
int WriteUnnamed(const std::string& path, std::string_view bytes)
{
    int fd = ::open(FolderOf(path).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0)
        return errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL ? kNoUnnamedFiles : errno;
    std::string temporary;
    int error = Fill(fd, path, bytes);
    if (error == 0)
        error = NameUnnamed(fd, path, temporary);
    if (const int closed = CloseChecked(fd); error == 0)
        error = closed;
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0)
        error = errno;
    if (error != 0 && !temporary.empty())
        ::unlink(temporary.c_str());
    return error;
}

int WriteNamed(const std::string& path, std::string_view bytes)
{
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = TemporaryName(path);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return errno;
    }
    if (fd < 0)
        return EEXIST;
    int error = Fill(fd, path, bytes);
    if (const int closed = CloseChecked(fd); error == 0)
        error = closed;
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0)
        error = errno;
    if (error != 0)
        ::unlink(temporary.c_str());
    return error;
}

// The file itself, truncated and written; one that is not there (or a link in its place, which is
// replaced, never followed) gets a named temporary instead.
int WriteInPlace(const std::string& path, std::string_view bytes)
{
    int fd = ::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT || errno == ELOOP ? WriteNamed(path, bytes) : errno;
    struct stat info {};
    int error = ::fstat(fd, &info) == 0 ? 0 : errno;
    if (error == 0 && !S_ISREG(info.st_mode))
        error = EISDIR;
    if (error == 0 && ::ftruncate(fd, 0) != 0)
        error = errno;
    if (error == 0)
        error = WriteAll(fd, bytes);
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (const int closed = CloseChecked(fd); error == 0)
        error = closed;
    return error;
}

}  // namespace

Status LocalFiles::WriteFile(const std::string& path, std::string_view bytes)
{
    const std::string folder = FolderOf(path);
    RemoveDeadWritersTemporaries(folder);
    if (m_Temporaries == Temporaries::None) {
        const int error = WriteInPlace(path, bytes);
        return error == 0 ? Status::Ok() : SystemFailure(error);
    }
    int error = m_Temporaries == Temporaries::Unnamed ? WriteUnnamed(path, bytes) : kNoUnnamedFiles;
    if (error == kNoUnnamedFiles)
        error = WriteNamed(path, bytes);
    if (error != 0)
        return SystemFailure(error);
    // The new name must survive a crash too.
    if (const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
    return Status::Ok();
}

Status LocalFiles::DeleteFile(const std::string& path)
{
    if (::unlink(path.c_str()) == 0 || errno == ENOENT)
        return Status::Ok();
    return SystemFailure(errno);
}

bool LocalFiles::Exists(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

Status LocalFiles::ReadFile(const std::string& path, std::size_t maxBytes, std::string& bytes)
{
    bytes.clear();
    // Non-blocking, so a pipe under the name cannot stall the open before it is refused.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return SystemFailure(errno);
    const int error = ReadRegularFile(fd, maxBytes, bytes);
    ::close(fd);
    if (error == 0)
        return Status::Ok();
    bytes.clear();
    if (error == kNotRegular)
        return Status::Failed("it is not a regular file");
    if (error == kTooLarge)
        return Status::Failed("it is larger than " + std::to_string(maxBytes) + " bytes");
    return SystemFailure(error);
}

}  // namespace pelmora
