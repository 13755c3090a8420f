// Failures only a POSIX system can stage: permissions (not for root, whom they do not stop), a
// file size limit (which stops root too) and names that are not regular files.
#include "platform/LocalFiles.h"

#include "testing/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace pelmora {
namespace {

namespace fs = std::filesystem;

using testing::ReadBytes;

std::size_t EntryCount(const fs::path& folder)
{
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

std::vector<std::string> Listing(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The id of a process that has ended and been reaped: no process has it now.
pid_t DeadProcessId()
{
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

const LocalFiles::Temporaries kBothKinds[] = {LocalFiles::Temporaries::Unnamed, LocalFiles::Temporaries::Named};

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

TEST(LocalFilesPosix, ADeadProcesssTemporariesGoAtTheNextWriteInTheFolder)
{
    for (const auto kind : kBothKinds) {
        testing::TempDir dir;
        LocalFiles files(kind);
        const std::string dead = std::to_string(DeadProcessId());
        const std::string alive = std::to_string(getppid());
        const std::vector<std::string> stale = {".oemlogo.bmp." + dead + "-0-123456.tmp",
                                                ".oeminfo.ini." + dead + "-12-7.tmp"};
        const std::vector<std::string> kept = {
            ".oemlogo.bmp." + alive + "-3-99.tmp",  // a running writer's
            ".oemlogo.bmp.notes.tmp",               // not named as ours
            "oemlogo.bmp." + dead + "-0-1.tmp",     // not hidden
            ".oemlogo.bmp." + dead + "-x-1.tmp",
            ".oemlogo.bmp." + dead + "-1-1.tmp.keep",
        };
        for (const auto& name : stale)
            std::ofstream(dir.File(name)) << "half a logo";
        for (const auto& name : kept)
            std::ofstream(dir.File(name)) << "someone else's";

        ASSERT_TRUE(files.WriteFile(dir.File("oemlogo.bmp"), "BM new"));
        std::vector<std::string> expected = kept;
        expected.push_back("oemlogo.bmp");
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(Listing(dir.Path()), expected) << static_cast<int>(kind);
    }
}

// A writer killed at any point leaves the old file or the new one, and nothing else once the
// folder is written again.
TEST(LocalFilesPosix, KilledWritersLeaveNoTemporaryBehind)
{
    for (const auto kind : kBothKinds) {
        testing::TempDir dir;
        const std::string path = dir.File("oemlogo.bmp");
        const std::string logo(4 << 20, 'L');
        for (int round = 0; round < 6; ++round) {
            const pid_t writer = fork();
            if (writer == 0) {
                LocalFiles files(kind);
                for (;;)
                    files.WriteFile(path, logo);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20 + 15 * round));
            kill(writer, SIGKILL);
            waitpid(writer, nullptr, 0);
            const std::string bytes = ReadBytes(path);
            EXPECT_TRUE(bytes.empty() || bytes == logo) << bytes.size();
        }
        LocalFiles files(kind);
        ASSERT_TRUE(files.WriteFile(path, "BM final"));
        EXPECT_EQ(Listing(dir.Path()), std::vector<std::string>{"oemlogo.bmp"}) << static_cast<int>(kind);
    }
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
