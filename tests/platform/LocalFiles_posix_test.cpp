// Failures only a POSIX system can stage: permissions (not for root, whom they do not stop), a
// file size limit (which stops root too) and names that are not regular files.
#include "platform/LocalFiles.h"

#include "testing/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pelmora {
namespace {

namespace fs = std::filesystem;

using testing::ReadBytes;

std::size_t EntryCount(const fs::path& folder)
{
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

// Lowers the largest file this process may write, for the object's lifetime.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_Old);
        m_OldHandler = std::signal(SIGXFSZ, SIG_IGN);  // the write then fails with EFBIG
        rlimit lower = m_Old;
        lower.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lower);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_Old);
        std::signal(SIGXFSZ, m_OldHandler);
    }

private:
    rlimit m_Old{};
    void (*m_OldHandler)(int);
};

TEST(LocalFilesPosix, AWriteCutShortKeepsTheOldFile)
{
    testing::TempDir dir;
    LocalFiles files;
    const std::string path = dir.File("oemlogo.bmp");
    ASSERT_TRUE(files.WriteFile(path, "old logo"));
    Status status;
    {
        FileSizeLimit limit(16);
        status = files.WriteFile(path, std::string(4096, 'n'));
    }
    EXPECT_FALSE(status);
    EXPECT_EQ(status.error, "File too large");
    EXPECT_EQ(ReadBytes(path), "old logo");
    EXPECT_EQ(EntryCount(dir.Path()), 1u);
}

TEST(LocalFilesPosix, AReplacedFileKeepsItsPermissions)
{
    testing::TempDir dir;
    LocalFiles files;
    const std::string path = dir.File("oeminfo.ini");
    ASSERT_TRUE(files.WriteFile(path, "one"));
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(files.WriteFile(path, "two"));
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(LocalFilesPosix, AReadOnlyFolderRefusesWritesAndDeletes)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop root";
    testing::TempDir dir;
    LocalFiles files;
    const std::string path = dir.File("oeminfo.ini");
    ASSERT_TRUE(files.WriteFile(path, "old"));
    fs::permissions(dir.Path(), fs::perms::owner_read | fs::perms::owner_exec);
    const Status write = files.WriteFile(path, "new");
    const Status remove = files.DeleteFile(path);
    fs::permissions(dir.Path(), fs::perms::owner_all);
    EXPECT_EQ(write.error, "Permission denied");
    EXPECT_EQ(remove.error, "Permission denied");
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_EQ(EntryCount(dir.Path()), 1u);
}

TEST(LocalFilesPosix, APipeOrDeviceIsRefusedWithoutWaiting)
{
    testing::TempDir dir;
    ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0600), 0);
    LocalFiles files;
    for (const std::string& path : {dir.File("pipe"), std::string("/dev/zero")}) {
        SCOPED_TRACE(path);
        std::string read;
        const Status status = files.ReadFile(path, 1000, read);
        EXPECT_EQ(status.error, "it is not a regular file");
        EXPECT_EQ(read, "");
    }
}

}  // namespace
}  // namespace pelmora
