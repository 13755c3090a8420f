#include "platform/LocalFiles.h"

#include <atomic>
#include <cstdint>
#include <cerrno>
#include <cstring>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pelmora {

namespace {

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

// A hidden name beside the file, unique to this call.
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

// Fills the open temporary file, closes it (`fd` becomes -1) and puts it in place; 0 or the
// failure's errno.
int FillAndReplace(int& fd, const std::string& temporary, const std::string& path, std::string_view bytes)
{
    // A file that is replaced keeps its permissions.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode) && ::fchmod(fd, old.st_mode & 07777) != 0)
        return errno;
    if (const int error = WriteAll(fd, bytes); error != 0)
        return error;
    if (::fsync(fd) != 0)
        return errno;
    const int closed = ::close(fd);
    fd = -1;  // gone even when close reports a failure
    if (closed != 0)
        return errno;
    return ::rename(temporary.c_str(), path.c_str()) == 0 ? 0 : errno;
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

}  // namespace

Status LocalFiles::WriteFile(const std::string& path, std::string_view bytes)
{
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = TemporaryName(path);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return SystemFailure(errno);
    }
    if (fd < 0)
        return SystemFailure(EEXIST);

    const int error = FillAndReplace(fd, temporary, path, bytes);
    if (error != 0) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(temporary.c_str());
        return SystemFailure(error);
    }
    // The new name must survive a crash too.
    if (const int folder = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); folder >= 0) {
        ::fsync(folder);
        ::close(folder);
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
    return ::stat(path.c_str(), &info) == 0;
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
