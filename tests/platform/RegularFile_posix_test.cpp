#include "platform/RegularFile.h"

#include "testing/Fifo.h"
#include "testing/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace pelmora {
namespace {

TEST(RegularFilePosix, APipeOrADeviceIsRefusedWithoutWaiting)
{
    testing::TempDir dir;
    testing::UnwrittenFifo fifo(dir.File("oemlogo.bmp"));
    std::filesystem::create_symlink("/dev/zero", dir.Path() / "zero.bmp");
    const struct {
        std::string path;
        std::string error;
    } cases[] = {
        {fifo.Path(), "not a file but a pipe"},
        {dir.File("zero.bmp"), "not a file but a device"},
        {dir.File(""), "not a file but a folder"},
    };
    for (const auto& c : cases) {
        const RegularFileRead read = ReadRegularFile(c.path, 1000);
        EXPECT_EQ(read.status.error, c.error) << c.path;
    }
    EXPECT_FALSE(fifo.ReleasedAReader());
}

}  // namespace
}  // namespace pelmora
