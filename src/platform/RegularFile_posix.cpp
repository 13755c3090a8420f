#include "platform/RegularFile.h"

#include "platform/FileKind.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pelmora {

namespace {

// Reads up to `limit` bytes of a file of about `expected` bytes; `cut` when one more was there.
int ReadUpTo(int fd, std::size_t limit, std::size_t expected, std::string& bytes, bool& cut)
{
    // Room for the end to be seen without growing, unless the file grows meanwhile.
    bytes.resize(std::min(limit, expected) + 1);
    std::size_t filled = 0;
    for (;;) {
        if (bytes.size() == filled)
            bytes.resize(std::min(limit + 1, 2 * bytes.size()));
        const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return errno;
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
        if (filled > limit)
            break;
    }
    cut = filled > limit;
    bytes.resize(std::min(filled, limit));
    return 0;
}

}  // namespace

RegularFileRead ReadRegularFile(const std::string& path, std::size_t limit)
{
    RegularFileRead read;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        read.status = Status::Failed(std::strerror(errno));
        return read;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        read.status = Status::Failed(std::strerror(errno));
    } else if (!S_ISREG(info.st_mode)) {
        read.status = Status::Failed("not a file but " + FileKindName(info.st_mode));
    } else {
        const auto size = static_cast<std::size_t>(info.st_size);
        if (const int error = ReadUpTo(fd, limit, size, read.bytes, read.cut); error != 0) {
            read.status = Status::Failed(std::strerror(error));
            read.bytes.clear();
        }
    }
    ::close(fd);
    return read;
}

}  // namespace pelmora
