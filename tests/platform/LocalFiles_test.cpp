#include "platform/LocalFiles.h"

#include "testing/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace pelmora {
namespace {

namespace fs = std::filesystem;

using testing::ReadBytes;

std::vector<std::string> Listing(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class LocalFilesTest : public ::testing::Test {
protected:
    testing::TempDir m_Dir;
    LocalFiles m_Files;
};

TEST_F(LocalFilesTest, AWriteReplacesTheWholeFileAndLeavesNothingElse)
{
    const std::string path = m_Dir.File("oeminfo.ini");
    const std::string first("[General]\r\nManufacturer=Acme\r\n\0\xff", 32);
    ASSERT_TRUE(m_Files.WriteFile(path, first));
    EXPECT_EQ(ReadBytes(path), first);
    ASSERT_TRUE(m_Files.WriteFile(path, "short"));
    EXPECT_EQ(ReadBytes(path), "short");
    ASSERT_TRUE(m_Files.WriteFile(path, ""));
    EXPECT_EQ(ReadBytes(path), "");
    EXPECT_TRUE(m_Files.Exists(path));
    EXPECT_EQ(Listing(m_Dir.Path()), std::vector<std::string>{"oeminfo.ini"});
}

TEST_F(LocalFilesTest, AFailedWriteSaysWhyAndLeavesNoTrace)
{
    std::ofstream(m_Dir.File("plain-file")) << "keep";
    fs::create_directory(m_Dir.Path() / "folder");
    fs::create_directory(m_Dir.Path() / "folder" / "System");
    std::ofstream(m_Dir.File("folder/System/inside")) << "x";
    const struct {
        const char* what;
        std::string path;
    } cases[] = {
        {"missing folder", m_Dir.File("missing/oemlogo.bmp")},
        {"folder that is a file", m_Dir.File("plain-file/oemlogo.bmp")},
        {"target that is a folder", m_Dir.File("folder/System")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Status status = m_Files.WriteFile(c.path, "new bytes");
        EXPECT_FALSE(status);
        EXPECT_FALSE(status.error.empty());
    }
    EXPECT_EQ(ReadBytes(m_Dir.File("plain-file")), "keep");
    EXPECT_EQ(Listing(m_Dir.Path()), (std::vector<std::string>{"folder", "plain-file"}));
    EXPECT_EQ(Listing(m_Dir.Path() / "folder"), std::vector<std::string>{"System"});
    EXPECT_EQ(ReadBytes(m_Dir.File("folder/System/inside")), "x");
}

TEST_F(LocalFilesTest, DeletingAMissingFileIsNoError)
{
    const std::string path = m_Dir.File("oemlogo.bmp");
    ASSERT_TRUE(m_Files.WriteFile(path, "BM"));
    EXPECT_TRUE(m_Files.DeleteFile(path));
    EXPECT_FALSE(m_Files.Exists(path));
    EXPECT_TRUE(m_Files.DeleteFile(path));
    EXPECT_TRUE(m_Files.DeleteFile(m_Dir.File("missing/oemlogo.bmp")));
}

TEST_F(LocalFilesTest, AFileThatCannotBeDeletedIsAFailure)
{
    fs::create_directory(m_Dir.Path() / "oemlogo.bmp");
    const Status status = m_Files.DeleteFile(m_Dir.File("oemlogo.bmp"));
    EXPECT_FALSE(status);
    EXPECT_FALSE(status.error.empty());
    EXPECT_TRUE(m_Files.Exists(m_Dir.File("oemlogo.bmp")));
}

TEST_F(LocalFilesTest, AReadGivesEveryByteUpToTheLimit)
{
    const std::string bytes = std::string("BM\0\xff\r\n", 6) + std::string(70000, 'x');
    ASSERT_TRUE(m_Files.WriteFile(m_Dir.File("oemlogo.bmp"), bytes));
    const struct {
        const char* what;
        std::size_t limit;
        bool fits;
    } cases[] = {{"roomy", 1u << 20, true}, {"exact", bytes.size(), true}, {"one short", bytes.size() - 1, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::string read = "stale";
        const Status status = m_Files.ReadFile(m_Dir.File("oemlogo.bmp"), c.limit, read);
        EXPECT_EQ(static_cast<bool>(status), c.fits) << status.error;
        EXPECT_EQ(read, c.fits ? bytes : "");
    }
    std::string empty = "stale";
    ASSERT_TRUE(m_Files.WriteFile(m_Dir.File("empty"), ""));
    EXPECT_TRUE(m_Files.ReadFile(m_Dir.File("empty"), 0, empty));
    EXPECT_EQ(empty, "");
}

TEST_F(LocalFilesTest, OnlyARegularFileIsRead)
{
    fs::create_directory(m_Dir.Path() / "System32");
    for (const std::string& path : {m_Dir.File("missing.bmp"), m_Dir.File("System32")}) {
        SCOPED_TRACE(path);
        std::string read = "stale";
        const Status status = m_Files.ReadFile(path, 1000, read);
        EXPECT_FALSE(status);
        EXPECT_FALSE(status.error.empty());
        EXPECT_EQ(read, "");
    }
}

}  // namespace
}  // namespace pelmora
