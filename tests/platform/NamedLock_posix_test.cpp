// The lock file off Windows: private, naming its holder only while held, and released by a holder
// that ends without letting go.
#include "platform/NamedLock.h"

#include "testing/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/wait.h>
#include <unistd.h>

namespace pelmora {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

TEST(NamedLockFile, IsPrivateAndNamesItsHolderOnlyWhileHeld)
{
    testing::TempDir dir;
    const std::string path = dir.File("config/pelmora/registry.sqlite3.lock");
    NamedLock lock(path, 0ms);
    ASSERT_FALSE(lock.Acquire("pelmora-cli"));
    EXPECT_EQ(testing::ReadBytes(path), std::to_string(::getpid()) + " pelmora-cli\n");
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    lock.Release();
    EXPECT_EQ(testing::ReadBytes(path), "");
    EXPECT_TRUE(fs::exists(path));  // removing a lock file races with its next holder
}

TEST(NamedLockFile, AHolderThatEndsReleasesIt)
{
    testing::TempDir dir;
    const std::string path = dir.File("commands.lock");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        NamedLock lock(path, 0ms);
        ::_exit(lock.Acquire("dying") ? 1 : 0);  // ends holding it: no release runs
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    NamedLock lock(path, 0ms);
    EXPECT_FALSE(lock.Acquire("pelmora"));
}

TEST(NamedLockFile, WithoutAPlaceNothingIsHeld)
{
    testing::TempDir dir;
    fs::create_directory(dir.File("folder.lock"));
    for (const std::string& name : {std::string(), dir.File("folder.lock")}) {
        NamedLock lock(name, 0ms);
        const std::optional<LockRefusal> refusal = lock.Acquire("pelmora");
        ASSERT_TRUE(refusal) << name;
        EXPECT_FALSE(refusal->busy);
        EXPECT_FALSE(lock.Held());
    }
}

}  // namespace
}  // namespace pelmora
