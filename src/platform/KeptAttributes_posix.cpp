#include "platform/KeptAttributes.h"

#include <array>
#include <cerrno>
#include <string_view>
#include <vector>

#include <sys/xattr.h>

namespace pelmora {

namespace {

// The creation time, not the time of the last write: the content is new.
constexpr std::array<std::string_view, 3> kNtfsNames = {"system.ntfs_acl", "system.ntfs_attrib", "system.ntfs_crtime"};

bool Unsupported(int error)
{
    return error == ENOTSUP || error == ENODATA || error == ENOSYS;
}

// The value of `name` on the old file; false (errno 0) when it has none.
bool ReadValue(const std::string& path, const std::string& name, std::vector<char>& value, int& error)
{
    error = 0;
    for (;;) {
        const ssize_t size = ::lgetxattr(path.c_str(), name.c_str(), nullptr, 0);
        if (size < 0) {
            error = Unsupported(errno) || errno == ENOENT ? 0 : errno;
            return false;
        }
        value.resize(static_cast<std::size_t>(size));
        const ssize_t got = ::lgetxattr(path.c_str(), name.c_str(), value.data(), value.size());
        if (got >= 0) {
            value.resize(static_cast<std::size_t>(got));
            return true;
        }
        if (errno != ERANGE) {  // ERANGE: it grew meanwhile
            error = Unsupported(errno) ? 0 : errno;
            return false;
        }
    }
}

// The names of the alternate data streams, as ntfs-3g shows them.
std::vector<std::string> StreamNames(const std::string& path)
{
    std::vector<std::string> names;
    const ssize_t size = ::llistxattr(path.c_str(), nullptr, 0);
    if (size <= 0)
        return names;
    std::vector<char> list(static_cast<std::size_t>(size));
    const ssize_t got = ::llistxattr(path.c_str(), list.data(), list.size());
    for (std::size_t at = 0; got > 0 && at < static_cast<std::size_t>(got);) {
        const std::string name(list.data() + at);
        if (name.rfind("user.", 0) == 0)
            names.push_back(name);
        at += name.size() + 1;
    }
    return names;
}

}  // namespace

int KeepAttributes(const std::string& oldPath, int fd)
{
    std::vector<std::string> names = StreamNames(oldPath);
    // The attributes last: a read-only one must not stop the others.
    names.insert(names.end(), {std::string(kNtfsNames[0]), std::string(kNtfsNames[2]), std::string(kNtfsNames[1])});
    std::vector<char> value;
    for (const std::string& name : names) {
        int error = 0;
        if (!ReadValue(oldPath, name, value, error)) {
            if (error != 0)
                return error;
            continue;
        }
        if (::fsetxattr(fd, name.c_str(), value.data(), value.size(), 0) != 0)
            return errno;
    }
    return 0;
}

}  // namespace pelmora
