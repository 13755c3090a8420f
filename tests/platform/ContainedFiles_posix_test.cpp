// An image's links that lead out of it: what each operation does with them, and that nothing
// outside is touched.
#include "platform/ContainedFiles.h"
#include "platform/LocalFiles.h"

#include "testing/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

namespace pelmora {
namespace {

namespace fs = std::filesystem;

using testing::ReadBytes;

void Write(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// img/Windows/{System -> outside (absolute), System32 (real), Inside -> System32 (relative)},
// img/Windows/System32/{secret -> outside/secret, own.ini}, img/ProgramData -> outside.
struct Image {
    testing::TempDir temp;
    fs::path outside = temp.Path() / "outside";
    fs::path root = temp.Path() / "img";
    fs::path windows = root / "Windows";

    Image()
    {
        fs::create_directories(windows / "System32");
        fs::create_directories(outside);
        Write(outside / "secret", "host secret");
        Write(windows / "System32" / "own.ini", "own");
        fs::create_directory_symlink(outside, windows / "System");
        fs::create_directory_symlink("System32", windows / "Inside");
        fs::create_symlink(outside / "secret", windows / "System32" / "secret");
        fs::create_directory_symlink(outside, root / "ProgramData");
    }
    std::string At(const fs::path& path) const { return path.string(); }
};

TEST(ContainedFiles, LinksLeadingOutAreRefusedByNameAndNothingOutsideChanges)
{
    Image image;
    LocalFiles local;
    ContainedFiles files(local, image.root.string());
    const std::string system = image.At(image.windows / "System");
    const std::string secret = image.At(image.windows / "System32" / "secret");
    const std::string naming = "the link " + system + " leads outside the image " + image.root.string();
    struct Case {
        const char* what;
        std::function<Status()> run;
        std::string error;  // empty: allowed
    };
    std::string bytes;
    const Case cases[] = {
        {"write through a linked folder", [&] { return files.WriteFile(system + "/oeminfo.ini", "x"); }, naming},
        {"delete through a linked folder", [&] { return files.DeleteFile(system + "/secret"); }, naming},
        {"read a linked file", [&] { return files.ReadFile(secret, 100, bytes); },
         "the link " + secret + " leads outside the image " + image.root.string()},
        {"folder for the backup", [&] { return files.CheckFolder(image.At(image.root / "ProgramData" / "Pelmora")); },
         "the link " + image.At(image.root / "ProgramData") + " leads outside the image " + image.root.string()},
        {"read through a link inside", [&] { return files.ReadFile(image.At(image.windows / "Inside" / "own.ini"), 100, bytes); }, ""},
        {"folder not made yet", [&] { return files.CheckFolder(image.At(image.windows / "New" / "Deeper")); }, ""},
        {"write outside the image", [&] { return files.WriteFile(image.At(image.outside / "export.reg"), "e"); }, ""},
    };
    for (const Case& c : cases) {
        const Status status = c.run();
        EXPECT_EQ(status.ok, c.error.empty()) << c.what;
        EXPECT_EQ(status.error, c.error) << c.what;
    }
    EXPECT_EQ(ReadBytes(image.At(image.outside / "secret")), "host secret");
    EXPECT_FALSE(fs::exists(image.outside / "oeminfo.ini"));
    EXPECT_TRUE(files.Exists(secret)) << "a link leading out counts, so reading it meets the refusal";
}

TEST(ContainedFiles, AFileThatIsALinkOutIsReplacedNotWrittenThrough)
{
    Image image;
    LocalFiles local;
    ContainedFiles files(local, image.root.string());
    const fs::path secret = image.windows / "System32" / "secret";
    ASSERT_TRUE(files.WriteFile(secret.string(), "image bytes").ok);
    EXPECT_FALSE(fs::is_symlink(secret));
    EXPECT_EQ(ReadBytes(secret.string()), "image bytes");
    EXPECT_EQ(ReadBytes(image.At(image.outside / "secret")), "host secret");
}

}  // namespace
}  // namespace pelmora
