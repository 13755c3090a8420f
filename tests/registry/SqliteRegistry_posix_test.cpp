// The SQLite store's own promises: its file, its seeding, and a file it cannot use (corrupt, locked,
// read-only) that is reported once and never changed.
#include "platform/ProgramName.h"
#include "registry/MachineFacts.h"
#include "registry/RegString.h"
#include "registry/SqliteRegistry.h"
#include "testing/TempDir.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>

namespace pelmora {
namespace {

namespace fs = std::filesystem;
constexpr RegRoot kMachine = RegRoot::LocalMachine;
const std::string kKey = "SOFTWARE\\Pelmora\\Corvexa\\OEM";

using testing::ReadBytes;

SqliteRegistryOptions At(const std::string& path, int busyTimeoutMs = 5000)
{
    SqliteRegistryOptions options;
    options.path = path;
    options.busyTimeoutMs = busyTimeoutMs;
    return options;
}

std::string RandomBytes(std::size_t size)
{
    std::mt19937 random(7);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random());
    return bytes;
}

// Reads and writes through a store on an unusable file; says what was reported.
struct Outcome {
    std::string read;
    Status write;
    std::string warnings;
};

Outcome TryStore(SqliteRegistryOptions options)
{
    Outcome outcome;
    ::testing::internal::CaptureStderr();
    {
        SqliteRegistry store(std::move(options));
        outcome.read = ReadRegString(store, kMachine, kKey, "Model", "default");
        outcome.write = WriteRegString(store, kMachine, kKey, "Model", "new");
        ReadRegString(store, kMachine, kKey, "Manufacture", "default");
        WriteRegString(store, kMachine, kKey, "Manufacture", "new");
    }
    outcome.warnings = ::testing::internal::GetCapturedStderr();
    return outcome;
}

// A store whose schema page is overwritten after the file header.
std::string DamagedStore(const testing::TempDir& dir)
{
    const std::string path = dir.File("to-damage.sqlite3");
    {
        SqliteRegistry store(At(path));
        WriteRegString(store, kMachine, kKey, "Model", "stored");
    }
    std::string bytes = ReadBytes(path);
    return bytes.replace(100, 3000, RandomBytes(3000));
}

TEST(SqliteRegistry, AFileThatIsNoStoreIsReportedOnceAndNeverChanged)
{
    testing::TempDir dir;
    const struct {
        const char* what;
        std::string bytes;
        const char* error;
    } cases[] = {
        {"random bytes", RandomBytes(8192), "is not a database"},
        {"a damaged store", DamagedStore(dir), "is damaged"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = dir.File(std::string(c.what) + ".sqlite3");
        std::ofstream(path, std::ios::binary) << c.bytes;
        const Outcome outcome = TryStore(At(path));
        EXPECT_EQ(outcome.read, "default");
        EXPECT_FALSE(outcome.write);
        EXPECT_NE(outcome.write.error.find(path), std::string::npos) << outcome.write.error;
        EXPECT_NE(outcome.write.error.find(c.error), std::string::npos) << outcome.write.error;
        EXPECT_EQ(outcome.warnings, RunningExecutableName("pelmora") + ": warning: " + outcome.write.error + "\n");
        EXPECT_EQ(ReadBytes(path), c.bytes);
    }
}

TEST(SqliteRegistry, AnotherProgramsDatabaseIsLeftAlone)
{
    testing::TempDir dir;
    const std::string path = dir.File("other.sqlite3");
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    sqlite3_exec(db, "CREATE TABLE notes(text)", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    const std::string before = ReadBytes(path);
    const Outcome outcome = TryStore(At(path));
    EXPECT_EQ(outcome.read, "default");
    EXPECT_EQ(outcome.write.error, "the registry store " + path + " holds another program's database");
    EXPECT_EQ(ReadBytes(path), before);
}

TEST(SqliteRegistry, AStoreThatCannotBeCreatedSaysWhy)
{
    testing::TempDir dir;
    std::ofstream(dir.File("a-file")) << "x";
    const std::string path = dir.File("a-file/registry.sqlite3");
    const Outcome outcome = TryStore(At(path));
    EXPECT_EQ(outcome.read, "default");
    EXPECT_EQ(outcome.write.error, "cannot create the registry store " + path + ": Not a directory");
    EXPECT_EQ(ReadBytes(dir.File("a-file")), "x");
}

class StoredFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        SqliteRegistry store(At(m_Path));
        ASSERT_TRUE(WriteRegString(store, kMachine, kKey, "Model", "stored"));
    }

    testing::TempDir m_Dir;
    std::string m_Path = m_Dir.File("registry.sqlite3");
};

TEST_F(StoredFile, ALockedStoreFailsItsWritesAndKeepsItsValues)
{
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(m_Path.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    const std::string before = ReadBytes(m_Path);
    const auto start = std::chrono::steady_clock::now();
    const Outcome outcome = TryStore(At(m_Path, 1500));
    const auto waited = std::chrono::steady_clock::now() - start;
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);

    EXPECT_EQ(outcome.read, "default");
    EXPECT_EQ(outcome.write.error, "the registry store " + m_Path + " is locked by another program");
    // Only the first call waits the full time; four calls waiting it would take 6 s.
    EXPECT_LT(waited, std::chrono::milliseconds(4000));
    EXPECT_EQ(ReadBytes(m_Path), before);
    SqliteRegistry store(At(m_Path));
    EXPECT_EQ(ReadRegString(store, kMachine, kKey, "Model", ""), "stored");
    EXPECT_TRUE(WriteRegString(store, kMachine, kKey, "Model", "later"));
}

TEST_F(StoredFile, AReadOnlyStoreIsReadButNotWritten)
{
    const std::string before = ReadBytes(m_Path);
    SqliteRegistryOptions options = At(m_Path);
    options.readOnly = true;
    const Outcome outcome = TryStore(options);
    EXPECT_EQ(outcome.read, "stored");
    EXPECT_EQ(outcome.write.error, "the registry store " + m_Path + " is read-only");
    EXPECT_EQ(outcome.warnings, RunningExecutableName("pelmora") + ": warning: " + outcome.write.error + "\n");
    EXPECT_EQ(ReadBytes(m_Path), before);
}

TEST_F(StoredFile, FilePermissionsAreHonoured)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop root";
    fs::permissions(m_Path, fs::perms::owner_read);
    Outcome outcome = TryStore(At(m_Path));
    EXPECT_EQ(outcome.read, "stored");
    EXPECT_EQ(outcome.write.error, "the registry store " + m_Path + " is read-only");

    fs::permissions(m_Path, fs::perms::none);
    outcome = TryStore(At(m_Path));
    EXPECT_EQ(outcome.read, "default");
    EXPECT_EQ(outcome.write.error, "cannot open the registry store " + m_Path + ": Permission denied");
    fs::permissions(m_Path, fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(StoredFile, TwoProgramsWritingTogetherLoseNothing)
{
    constexpr int kEach = 40;
    auto writer = [this](const std::string& prefix) {
        SqliteRegistryOptions options = At(m_Path);
        options.syncToDisk = false;  // locking is the same, only faster
        SqliteRegistry store(options);
        for (int i = 0; i < kEach; ++i)
            EXPECT_TRUE(WriteRegString(store, kMachine, kKey + "\\" + prefix, std::to_string(i), prefix));
    };
    std::thread first(writer, "first");
    std::thread second(writer, "second");
    first.join();
    second.join();

    SqliteRegistry store(At(m_Path));
    for (const char* prefix : {"first", "second"})
        for (int i = 0; i < kEach; ++i)
            EXPECT_EQ(ReadRegString(store, kMachine, kKey + "\\" + prefix, std::to_string(i), ""), prefix);
    EXPECT_EQ(ReadRegString(store, kMachine, kKey, "Model", ""), "stored");
}

TEST_F(StoredFile, TwoStoresOnOneFileSeeEachOthersWrites)
{
    SqliteRegistry one(At(m_Path));
    SqliteRegistry two(At(m_Path));
    EXPECT_TRUE(WriteRegString(one, kMachine, kKey, "Model", "from one"));
    EXPECT_EQ(ReadRegString(two, kMachine, kKey, "Model", ""), "from one");
    EXPECT_TRUE(WriteRegString(two, kMachine, kKey, "Manufacture", "from two"));
    EXPECT_EQ(ReadRegString(one, kMachine, kKey, "Manufacture", ""), "from two");
    EXPECT_EQ(ReadRegString(one, kMachine, kKey, "Model", ""), "from one");
}

TEST(SqliteRegistry, ANewStoreIsPrivateAndSeededOnce)
{
    testing::TempDir dir;
    const std::string path = dir.File("config/pelmora/registry.sqlite3");
    int seeded = 0;
    auto options = [&] {
        SqliteRegistryOptions o = At(path);
        o.seed = [&] {
            ++seeded;
            return RegistrationSeed({"J\xc3\xb6rg Doe", "0123abcd", "Debian GNU/Linux 12 (bookworm)"});
        };
        return o;
    };
    {
        SqliteRegistry store(options());
        EXPECT_EQ(ReadRegString(store, kMachine, "Software\\Microsoft\\Windows NT\\CurrentVersion", "RegisteredOwner",
                                ""),
                  "J\xc3\xb6rg Doe");
        EXPECT_EQ(ReadRegString(store, kMachine, "SOFTWARE\\MICROSOFT\\WINDOWS NT\\CURRENTVERSION", "productid", ""),
                  "0123abcd");
        EXPECT_TRUE(WriteRegString(store, kMachine, "Software\\Microsoft\\Windows NT\\CurrentVersion", "ProductName",
                                   "changed"));
    }
    SqliteRegistry again(options());
    EXPECT_EQ(ReadRegString(again, kMachine, "Software\\Microsoft\\Windows NT\\CurrentVersion", "ProductName", ""),
              "changed");
    EXPECT_EQ(seeded, 1);
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
}

}  // namespace
}  // namespace pelmora
