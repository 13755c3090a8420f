#include "platform/NamedLock.h"

#include "testing/LockHolder.h"
#include "testing/ScratchLock.h"
#include "testing/TempDir.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using namespace std::chrono_literals;

TEST(NamedLock, OneHolderAtATimeAndAWaiterThatGivesUpNamesTheHolder)
{
    testing::TempDir dir;
    const std::string name = testing::ScratchLockName(dir);
    NamedLock mine(name, 150ms);
    {
        testing::LockHolder other(name, "pelmora-cli");
        ASSERT_TRUE(other.Held());
        const auto start = std::chrono::steady_clock::now();
        const std::optional<LockRefusal> refusal = mine.Acquire("pelmora");
        const auto waited = std::chrono::steady_clock::now() - start;
        ASSERT_TRUE(refusal);
        EXPECT_TRUE(refusal->busy);
        EXPECT_NE(refusal->why.find(name + " is held by pelmora-cli (process "), std::string::npos) << refusal->why;
        EXPECT_EQ(refusal->why.back(), ')');
        EXPECT_GE(waited, 150ms);
        EXPECT_LT(waited, 3s);
        EXPECT_FALSE(mine.Held());
    }
    EXPECT_FALSE(mine.Acquire("pelmora"));
    EXPECT_TRUE(mine.Held());
    EXPECT_FALSE(testing::LockHolder(name, "late").Held());
    mine.Release();
    EXPECT_FALSE(mine.Held());
    EXPECT_TRUE(testing::LockHolder(name, "after").Held());
}

TEST(NamedLock, AHoldersNoteNamesItsProgramAndProcess)
{
    const std::pair<std::string, std::string> cases[] = {
        {"4242 pelmora-cli\n", "pelmora-cli (process 4242)"},
        {"7 pelmora", "pelmora (process 7)"},
        {"7 two words\n", "two words (process 7)"},
        {"", ""},
        {"\n", ""},
        {"pelmora 7", ""},
        {"7", ""},
        {"7 ", ""},
        {"-7 x", ""},
    };
    for (const auto& [note, described] : cases)
        EXPECT_EQ(DescribeLockHolder(note), described) << note;
}

}  // namespace
}  // namespace pelmora
