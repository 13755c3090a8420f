// The SQLite store's groups of changes and failed reads: a group is one transaction from its first
// change, a process that dies inside one leaves none of it, and a read the store could not answer
// is counted, not taken for an absent value.
#include "registry/RegReadCheck.h"
#include "registry/RegString.h"
#include "registry/RegistryChanges.h"
#include "registry/SqliteRegistry.h"
#include "testing/TempDir.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <csignal>

#include <sys/wait.h>
#include <unistd.h>

namespace pelmora {
namespace {

constexpr RegRoot kMachine = RegRoot::LocalMachine;
const std::string kKey = "SOFTWARE\\Pelmora\\Corvexa\\OEM";

SqliteRegistryOptions At(const std::string& path, int busyTimeoutMs = 5000)
{
    SqliteRegistryOptions options;
    options.path = path;
    options.busyTimeoutMs = busyTimeoutMs;
    options.syncToDisk = false;
    return options;
}

// Another program's connection, holding the whole file while it lives.
class ExclusiveHolder {
public:
    explicit ExclusiveHolder(const std::string& path)
    {
        sqlite3_open(path.c_str(), &m_Db);
        m_Code = sqlite3_exec(m_Db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
    }
    ~ExclusiveHolder()
    {
        sqlite3_exec(m_Db, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(m_Db);
    }
    bool Held() const { return m_Code == SQLITE_OK; }

private:
    sqlite3* m_Db = nullptr;
    int m_Code = SQLITE_ERROR;
};

class SqliteChanges : public ::testing::Test {
protected:
    void SetUp() override
    {
        SqliteRegistry store(At(m_Path));
        for (const char* name : {"Manufacture", "Model"})
            ASSERT_TRUE(WriteRegString(store, kMachine, kKey, name, std::string("old ") + name));
    }

    std::string Stored(const char* name)
    {
        SqliteRegistry other(At(m_Path));
        return ReadRegString(other, kMachine, kKey, name, "missing");
    }

    testing::TempDir m_Dir;
    std::string m_Path = m_Dir.File("registry.sqlite3");
};

TEST_F(SqliteChanges, AGroupIsSeenByOthersWholeAtItsCommitOrNeverWhenAbandoned)
{
    SqliteRegistry store(At(m_Path));
    {
        RegistryChanges changes(store);
        ASSERT_TRUE(WriteRegString(store, kMachine, kKey, "Manufacture", "new"));
        ASSERT_TRUE(WriteRegString(store, kMachine, kKey, "Model", "new"));
        EXPECT_EQ(ReadRegString(store, kMachine, kKey, "Model", ""), "new");  // its own changes
        EXPECT_EQ(Stored("Manufacture"), "old Manufacture");
        EXPECT_TRUE(changes.Commit());
    }
    EXPECT_EQ(Stored("Manufacture"), "new");
    EXPECT_EQ(Stored("Model"), "new");
    {
        RegistryChanges abandoned(store);
        ASSERT_TRUE(WriteRegString(store, kMachine, kKey, "Manufacture", "dropped"));
        ASSERT_TRUE(WriteRegString(store, kMachine, kKey + "\\New", "Model", "dropped"));
    }
    EXPECT_EQ(Stored("Manufacture"), "new");
    RegKey key = 0;
    EXPECT_EQ(store.OpenKey(kMachine, kKey + "\\New", key), kRegFileNotFound);
}

TEST_F(SqliteChanges, AGroupHoldsTheStoreOnlyFromItsFirstChange)
{
    SqliteRegistry store(At(m_Path));
    RegistryChanges changes(store);
    SqliteRegistry other(At(m_Path, 100));
    EXPECT_TRUE(WriteRegString(other, kMachine, kKey, "company", "before"));  // nothing changed yet
    ASSERT_TRUE(WriteRegString(store, kMachine, kKey, "Model", "new"));
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(WriteRegString(other, kMachine, kKey, "company", "during"));
    ::testing::internal::GetCapturedStderr();
    EXPECT_TRUE(changes.Commit());
    EXPECT_EQ(Stored("company"), "before");
}

TEST_F(SqliteChanges, AProcessThatDiesBetweenTwoWritesLeavesNeither)
{
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        SqliteRegistry store(At(m_Path));
        RegistryChanges changes(store);
        WriteRegString(store, kMachine, kKey, "Manufacture", "half");
        ::raise(SIGKILL);  // as kill -9 would, before the second write
        ::_exit(1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(Stored("Manufacture"), "old Manufacture");
    EXPECT_EQ(Stored("Model"), "old Model");
}

TEST_F(SqliteChanges, AChangeThatFailsInAGroupIsUndoneAloneAndTheRestCommits)
{
    SqliteRegistry store(At(m_Path));
    RegKey doomed = 0;
    ASSERT_EQ(store.CreateKey(kMachine, kKey + "\\Doomed", doomed), kRegSuccess);
    ASSERT_EQ(store.DeleteTree(kMachine, kKey + "\\Doomed"), kRegSuccess);
    {
        RegistryChanges changes(store);
        ASSERT_TRUE(WriteRegString(store, kMachine, kKey, "Manufacture", "new"));
        EXPECT_NE(store.SetValue(doomed, "x", kRegSz, "x", 1), kRegSuccess);
        ASSERT_TRUE(WriteRegString(store, kMachine, kKey, "Model", "new"));
        EXPECT_TRUE(changes.Commit());
    }
    store.CloseKey(doomed);
    EXPECT_EQ(Stored("Manufacture"), "new");
    EXPECT_EQ(Stored("Model"), "new");
}

TEST_F(SqliteChanges, AGroupThatCannotBeginChangesNothingEvenOnceTheStoreIsFree)
{
    SqliteRegistry store(At(m_Path, 100));
    ::testing::internal::CaptureStderr();
    {
        RegistryChanges changes(store);
        {
            ExclusiveHolder other(m_Path);
            ASSERT_TRUE(other.Held());
            const Status first = WriteRegString(store, kMachine, kKey, "Manufacture", "new");
            EXPECT_EQ(first.error, "the registry store " + m_Path + " is locked by another program");
        }
        EXPECT_FALSE(WriteRegString(store, kMachine, kKey, "Model", "new"));
        const Status committed = changes.Commit();
        EXPECT_EQ(committed.error, "the registry store " + m_Path + " is locked by another program");
    }
    ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(Stored("Manufacture"), "old Manufacture");
    EXPECT_EQ(Stored("Model"), "old Model");
    EXPECT_TRUE(WriteRegString(store, kMachine, kKey, "Model", "later"));  // the next command begins afresh
}

TEST_F(SqliteChanges, AStoreLockedBetweenReadsIsAFailedReadNotAnEmptyValue)
{
    SqliteRegistry store(At(m_Path, 100));
    const RegReadCheck reads(store);
    EXPECT_EQ(ReadRegString(store, kMachine, kKey, "Manufacture", ""), "old Manufacture");
    EXPECT_EQ(ReadRegString(store, kMachine, kKey, "absent", "default"), "default");
    EXPECT_EQ(ReadRegString(store, kMachine, kKey + "\\Absent", "Model", "default"), "default");
    EXPECT_FALSE(reads.Failure());
    ::testing::internal::CaptureStderr();
    {
        ExclusiveHolder other(m_Path);
        ASSERT_TRUE(other.Held());
        EXPECT_EQ(ReadRegString(store, kMachine, kKey, "Model", ""), "");
    }
    ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(reads.Failure(), "the registry store " + m_Path + " is locked by another program");
    EXPECT_EQ(store.ReadFailures().count, 1u);

    const RegReadCheck later(store);
    EXPECT_EQ(ReadRegString(store, kMachine, kKey, "Model", ""), "old Model");
    EXPECT_FALSE(later.Failure());
}

}  // namespace
}  // namespace pelmora
