#include "platform/RegularFile.h"

#include "testing/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace pelmora {
namespace {

TEST(RegularFile, ReadsUpToTheLimitAndSaysWhetherMoreWasThere)
{
    testing::TempDir dir;
    const std::string path = dir.File("oeminfo.ini");
    const std::string bytes = std::string("[GENERAL]\r\n\0\xff", 13) + std::string(200000, 'x');
    std::ofstream(path, std::ios::binary) << bytes;
    const struct {
        std::size_t limit;
        std::size_t kept;
        bool cut;
    } cases[] = {
        {bytes.size(), bytes.size(), false},
        {bytes.size() + 1, bytes.size(), false},
        {bytes.size() - 1, bytes.size() - 1, true},
        {65536, 65536, true},
        {0, 0, true},
    };
    for (const auto& c : cases) {
        const RegularFileRead read = ReadRegularFile(path, c.limit);
        EXPECT_TRUE(read.status) << read.status.error;
        EXPECT_EQ(read.bytes, bytes.substr(0, c.kept)) << c.limit;
        EXPECT_EQ(read.cut, c.cut) << c.limit;
    }

    std::ofstream(dir.File("empty"));
    const RegularFileRead empty = ReadRegularFile(dir.File("empty"), 10);
    EXPECT_TRUE(empty.status);
    EXPECT_EQ(empty.bytes, "");
    EXPECT_FALSE(empty.cut);
}

TEST(RegularFile, AMissingFileOrAFolderIsAFailureThatSaysSo)
{
    testing::TempDir dir;
    std::filesystem::create_directory(dir.Path() / "oemlogo.bmp");
    for (const std::string& path : {dir.File("missing.bmp"), dir.File("oemlogo.bmp")}) {
        const RegularFileRead read = ReadRegularFile(path, 1000);
        EXPECT_FALSE(read.status) << path;
        EXPECT_FALSE(read.status.error.empty());
        EXPECT_EQ(read.bytes, "");
    }
}

}  // namespace
}  // namespace pelmora
