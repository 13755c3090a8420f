#include "platform/ContainedFiles.h"

#include "platform/Descriptor_posix.h"
#include "platform/FolderEntries.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <optional>
#include <system_error>

#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace pelmora {

namespace {

namespace fs = std::filesystem;

std::string Normal(const std::string& path)
{
    std::error_code error;
    std::string normal = Utf8FromPath(fs::absolute(PathFromUtf8(path), error).lexically_normal());
    while (normal.size() > 1 && normal.back() == '/')
        normal.pop_back();
    return normal;
}

// The part of `path` under `root` ("" for the root itself); none when it is not under it.
std::optional<std::string> Below(const std::string& root, const std::string& path)
{
    const std::string base = Normal(root);
    const std::string full = Normal(path);
    if (full == base)
        return std::string();
    const std::string prefix = base == "/" ? base : base + "/";
    if (full.compare(0, prefix.size(), prefix) != 0)
        return std::nullopt;
    return full.substr(prefix.size());
}

// A descriptor of `relative` under the folder `rootFd`, or -errno. An absolute link, ".." above
// the root or a /proc link met on the way ends it with -EXDEV or -ELOOP.
int OpenBeneath(int rootFd, const std::string& relative, int flags)
{
    open_how how {};
    how.flags = static_cast<std::uint64_t>(flags | O_CLOEXEC);
    how.resolve = RESOLVE_BENEATH | RESOLVE_NO_MAGICLINKS;
    for (int attempt = 0;; ++attempt) {
        const long fd = ::syscall(SYS_openat2, rootFd, relative.empty() ? "." : relative.c_str(), &how, sizeof how);
        if (fd >= 0)
            return static_cast<int>(fd);
        // EAGAIN: a rename elsewhere on the file system raced the lookup.
        if ((errno != EAGAIN && errno != EINTR) || attempt == 20)
            return -errno;
    }
}

bool LeadsOut(int error)
{
    return error == -EXDEV || error == -ELOOP;
}

// The first part of `relative` whose link leads out of the root, as a message.
std::string NameLeavingLink(int rootFd, const std::string& root, const std::string& relative)
{
    for (std::size_t end = 0; end != std::string::npos;) {
        end = relative.find('/', end + 1);
        const std::string prefix = relative.substr(0, end);
        const int fd = OpenBeneath(rootFd, prefix, O_PATH);
        if (fd >= 0) {
            ::close(fd);
            continue;
        }
        if (LeadsOut(fd))
            return "the link " + JoinPath(Normal(root), prefix) + " leads outside the image " + Normal(root);
        return std::strerror(-fd);
    }
    return "a link of " + JoinPath(Normal(root), relative) + " leads outside the image " + Normal(root);
}

std::string Failure(int error, int rootFd, const std::string& root, const std::string& relative)
{
    return LeadsOut(error) ? NameLeavingLink(rootFd, root, relative) : std::strerror(-error);
}

// The path the inner files reach the pinned descriptor's file by, with `name` inside it if given.
std::string Pinned(int fd, const std::string& name = {})
{
    const std::string folder = "/proc/self/fd/" + std::to_string(fd);
    return name.empty() ? folder : folder + "/" + name;
}

std::string FolderPart(const std::string& relative)
{
    const auto slash = relative.rfind('/');
    return slash == std::string::npos ? std::string() : relative.substr(0, slash);
}

std::string NamePart(const std::string& relative)
{
    const auto slash = relative.rfind('/');
    return slash == std::string::npos ? relative : relative.substr(slash + 1);
}

int OpenRoot(const std::string& root)
{
    const int fd = ::open(root.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    return fd >= 0 ? fd : -errno;
}

}  // namespace

ContainedFiles::ContainedFiles(FilePort& inner, std::string root) : m_Inner(inner), m_Root(std::move(root)) {}

Status ContainedFiles::WriteFile(const std::string& path, std::string_view bytes)
{
    const auto relative = Below(m_Root, path);
    if (!relative || relative->empty())
        return m_Inner.WriteFile(path, bytes);
    const Descriptor root(OpenRoot(m_Root));
    if (root.Get() < 0)
        return Status::Failed(std::strerror(-root.Get()));
    const Descriptor folder(OpenBeneath(root.Get(), FolderPart(*relative), O_PATH | O_DIRECTORY));
    if (folder.Get() < 0)
        return Status::Failed(Failure(folder.Get(), root.Get(), m_Root, FolderPart(*relative)));
    // Renamed over the name itself, so a link there is replaced, never followed.
    return m_Inner.WriteFile(Pinned(folder.Get(), NamePart(*relative)), bytes);
}

Status ContainedFiles::DeleteFile(const std::string& path)
{
    const auto relative = Below(m_Root, path);
    if (!relative || relative->empty())
        return m_Inner.DeleteFile(path);
    const Descriptor root(OpenRoot(m_Root));
    if (root.Get() < 0)
        return Status::Failed(std::strerror(-root.Get()));
    const Descriptor folder(OpenBeneath(root.Get(), FolderPart(*relative), O_PATH | O_DIRECTORY));
    if (folder.Get() == -ENOENT)
        return Status::Ok();
    if (folder.Get() < 0)
        return Status::Failed(Failure(folder.Get(), root.Get(), m_Root, FolderPart(*relative)));
    return m_Inner.DeleteFile(Pinned(folder.Get(), NamePart(*relative)));
}

bool ContainedFiles::Exists(const std::string& path)
{
    const auto relative = Below(m_Root, path);
    if (!relative)
        return m_Inner.Exists(path);
    const Descriptor root(OpenRoot(m_Root));
    if (root.Get() < 0)
        return false;
    const Descriptor file(OpenBeneath(root.Get(), *relative, O_PATH));
    if (file.Get() < 0)
        return LeadsOut(file.Get());
    struct stat info {};
    return ::fstat(file.Get(), &info) == 0 && S_ISREG(info.st_mode);
}

Status ContainedFiles::ReadFile(const std::string& path, std::size_t maxBytes, std::string& bytes)
{
    bytes.clear();
    const auto relative = Below(m_Root, path);
    if (!relative)
        return m_Inner.ReadFile(path, maxBytes, bytes);
    const Descriptor root(OpenRoot(m_Root));
    if (root.Get() < 0)
        return Status::Failed(std::strerror(-root.Get()));
    const Descriptor file(OpenBeneath(root.Get(), *relative, O_PATH));
    if (file.Get() < 0)
        return Status::Failed(Failure(file.Get(), root.Get(), m_Root, *relative));
    return m_Inner.ReadFile(Pinned(file.Get()), maxBytes, bytes);
}

Status ContainedFiles::CheckFolder(const std::string& folder)
{
    const std::string problem = LeavesImage(m_Root, folder);
    return problem.empty() ? Status::Ok() : Status::Failed(problem);
}

std::string ImageRootOf(const std::string& windowsDir)
{
    return Utf8FromPath(PathFromUtf8(Normal(windowsDir)).parent_path());
}

std::string LeavesImage(const std::string& root, const std::string& path)
{
    const auto relative = Below(root, path);
    if (!relative || relative->empty())
        return {};
    const Descriptor rootFd(OpenRoot(root));
    if (rootFd.Get() < 0)
        return std::strerror(-rootFd.Get());
    // Resolved in one go, which stops at the first part that is missing (made afresh, inside) or
    // leads out; only the message looks part by part.
    const Descriptor whole(OpenBeneath(rootFd.Get(), *relative, O_PATH));
    if (LeadsOut(whole.Get()))
        return NameLeavingLink(rootFd.Get(), root, *relative);
    return {};
}

}  // namespace pelmora
