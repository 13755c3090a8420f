#include "platform/qt/RuntimeFolder.h"

#ifndef _WIN32
#include <cerrno>
#include <cstdlib>

#include <sys/stat.h>
#include <unistd.h>
#endif

namespace pelmora {

#ifdef _WIN32

std::string ProvideRuntimeFolder() { return {}; }

#else

namespace {

std::string TempFolder()
{
    const char* temp = std::getenv("TMPDIR");
    std::string folder = temp != nullptr && temp[0] == '/' ? temp : "/tmp";
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

// A folder of this user's, not a link to one elsewhere, with no access for anyone else.
bool IsPrivateFolder(const std::string& path)
{
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::geteuid())
        return false;
    if ((info.st_mode & 07777) != 0700 && ::chmod(path.c_str(), 0700) != 0)
        return false;
    return ::lstat(path.c_str(), &info) == 0 && (info.st_mode & 07777) == 0700;
}

}  // namespace

std::string ProvideRuntimeFolder()
{
    const char* given = std::getenv("XDG_RUNTIME_DIR");
    if (given != nullptr && given[0] != '\0')
        return {};
    const std::string folder = TempFolder() + "/pelmora-runtime-" + std::to_string(::geteuid());
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return {};
    if (!IsPrivateFolder(folder) || ::setenv("XDG_RUNTIME_DIR", folder.c_str(), 1) != 0)
        return {};
    return folder;
}

#endif

}  // namespace pelmora
