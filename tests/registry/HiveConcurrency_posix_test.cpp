// Two programs on one image: neither loses the other's values, and one waits for the other.
#include "registry/HiveImage.h"
#include "registry/HiveRegistry.h"
#include "registry/RegString.h"
#include "registry/RegistryChanges.h"

#include <gtest/gtest.h>

#include <sys/file.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

namespace pelmora {
namespace {

using testing::Utf16;
using testing::WindowsImage;

constexpr RegRoot kMachine = RegRoot::LocalMachine;
const std::string kKey = "Pelmora\\Corvexa\\OEM";

HiveRegistryOptions At(const std::string& path, int lockTimeoutMs = 10000)
{
    HiveRegistryOptions options;
    options.path = path;
    options.lockTimeoutMs = lockTimeoutMs;
    options.syncToDisk = false;  // locking is the same, only faster
    return options;
}

TEST(HiveConcurrency, AChangeStartsFromTheHiveOnDiskNotFromWhatWasReadBefore)
{
    const WindowsImage image({{kKey, "Model", kRegSz, Utf16(u"stored")}});
    HiveRegistry one(At(image.HivePath()));
    HiveRegistry two(At(image.HivePath()));
    // Both have read the hive; then each writes its own value.
    EXPECT_EQ(ReadRegString(one, kMachine, kKey, "Model", ""), "stored");
    EXPECT_EQ(ReadRegString(two, kMachine, kKey, "Model", ""), "stored");
    ASSERT_TRUE(WriteRegString(one, kMachine, kKey, "Manufacture", "from one"));
    ASSERT_TRUE(WriteRegString(two, kMachine, kKey, "Model", "from two"));
    EXPECT_EQ(ReadRegString(one, kMachine, kKey, "Model", ""), "from two");

    for (const auto& [name, text] : {std::pair{"Manufacture", u"from one"}, std::pair{"Model", u"from two"}})
        EXPECT_EQ(testing::ReadFromHive(image.HivePath(), kKey, name)->data, testing::StoredText(text)) << name;
}

TEST(HiveConcurrency, TwoProgramsWritingAtOnceLoseNothing)
{
    constexpr int kEach = 25;
    const WindowsImage image;
    auto writer = [&](const std::string& who) {
        HiveRegistry hive(At(image.HivePath()));
        int failed = 0;
        for (int i = 0; i < kEach; ++i) {
            // Odd rounds write a pair in one commit, even rounds one value alone.
            RegistryChanges changes(hive);
            failed += !WriteRegString(hive, kMachine, kKey + "\\" + who, std::to_string(i), who);
            if (i % 2)
                failed += !WriteRegString(hive, kMachine, kKey + "\\" + who, std::to_string(i) + "b", who);
            failed += !changes.Commit();
        }
        return failed;
    };
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        _exit(writer("child") == 0 ? 0 : 1);
    EXPECT_EQ(writer("parent"), 0);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    HiveRegistry hive(At(image.HivePath()));
    for (const std::string who : {"child", "parent"}) {
        for (int i = 0; i < kEach; ++i) {
            EXPECT_EQ(ReadRegString(hive, kMachine, kKey + "\\" + who, std::to_string(i), ""), who) << i;
            if (i % 2) {
                EXPECT_EQ(ReadRegString(hive, kMachine, kKey + "\\" + who, std::to_string(i) + "b", ""), who) << i;
            }
        }
    }
}

TEST(HiveConcurrency, AHiveHeldByAnotherProgramIsNotChanged)
{
    const WindowsImage image({{kKey, "Model", kRegSz, Utf16(u"stored")}});
    const std::string before = testing::ReadBytes(image.HivePath());
    // Another program holds the lock: a descriptor of its own, as flock counts them.
    const int other = ::open(image.HivePath().c_str(), O_RDONLY);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX), 0);

    HiveRegistry hive(At(image.HivePath(), 100));
    ::testing::internal::CaptureStderr();
    const Status write = WriteRegString(hive, kMachine, kKey, "Model", "new");
    ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(write.error, "the registry hive " + image.HivePath() + " is locked by another program");
    EXPECT_EQ(ReadRegString(hive, kMachine, kKey, "Model", ""), "stored");
    EXPECT_EQ(testing::ReadBytes(image.HivePath()), before);

    ::close(other);
    EXPECT_TRUE(WriteRegString(hive, kMachine, kKey, "Model", "new"));
    EXPECT_EQ(ReadRegString(hive, kMachine, kKey, "Model", ""), "new");
}

TEST(HiveConcurrency, AGroupOfChangesHoldsTheHiveFromItsFirstChangeToItsEnd)
{
    const WindowsImage image;
    HiveRegistry one(At(image.HivePath()));
    HiveRegistry two(At(image.HivePath(), 50));
    ::testing::internal::CaptureStderr();
    {
        RegistryChanges changes(one);
        EXPECT_TRUE(WriteRegString(two, kMachine, kKey, "Model", "two, before"));
        ASSERT_TRUE(WriteRegString(one, kMachine, kKey, "Manufacture", "one"));
        EXPECT_FALSE(WriteRegString(two, kMachine, kKey, "Model", "two, meanwhile"));
        ASSERT_TRUE(WriteRegString(one, kMachine, kKey, "Model", "one"));
        EXPECT_TRUE(changes.Commit());
    }
    ::testing::internal::GetCapturedStderr();
    EXPECT_TRUE(WriteRegString(two, kMachine, kKey, "web addres", "two, after"));
    for (const auto& [name, text] :
         {std::pair{"Manufacture", u"one"}, std::pair{"Model", u"one"}, std::pair{"web addres", u"two, after"}})
        EXPECT_EQ(testing::ReadFromHive(image.HivePath(), kKey, name)->data, testing::StoredText(text)) << name;
}

}  // namespace
}  // namespace pelmora
