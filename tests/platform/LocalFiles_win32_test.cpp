// A read-only file: the platform refuses to delete it, and says so in its own words.
#include "platform/LocalFiles.h"

#include "platform/WindowsApi.h"
#include "testing/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace pelmora {
namespace {

// Under Wine, a read-only file is one without write permission, which does not stop root.
bool ReadOnlyFilesStopUs(const testing::TempDir& dir)
{
    const std::string probe = dir.File("probe");
    std::ofstream(probe) << "x";
    SetFileAttributesA(probe.c_str(), FILE_ATTRIBUTE_READONLY);
    const bool stopped = !DeleteFileA(probe.c_str());
    SetFileAttributesA(probe.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(probe.c_str());
    return stopped;
}

TEST(LocalFilesWin32, AReadOnlyFileIsNotDeleted)
{
    testing::TempDir dir;
    if (!ReadOnlyFilesStopUs(dir))
        GTEST_SKIP() << "read-only files do not stop this user";
    LocalFiles files;
    const std::string path = dir.File("oeminfo.ini");
    ASSERT_TRUE(files.WriteFile(path, "old"));
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));

    const Status remove = files.DeleteFile(path);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);

    EXPECT_EQ(remove.error, SystemErrorText(ERROR_ACCESS_DENIED));
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    EXPECT_EQ(bytes.str(), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), std::filesystem::directory_iterator()), 1);
}

}  // namespace
}  // namespace pelmora
