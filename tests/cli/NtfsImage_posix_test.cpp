// The built program on a real NTFS volume mounted with ntfs-3g: what Windows keeps of a file (its
// security descriptor, attributes, creation time and streams) survives the files being replaced.
// Making the volume needs mkntfs, ntfs-3g and FUSE as root; without them the test fails.
#include "CliTestBed.h"
#include "registry/HiveImage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string_view>

#include <sys/wait.h>
#include <sys/xattr.h>

namespace pelmora::cli::testing {
namespace {

namespace fs = std::filesystem;
using pelmora::testing::MinimalHivePath;
using pelmora::testing::ReadFromHive;
using pelmora::testing::StoredText;
using pelmora::testing::TempDir;

int Shell(const std::string& line)
{
    const int status = std::system(line.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A small NTFS volume in a file, mounted for the test's life.
class NtfsVolume {
public:
    NtfsVolume() : m_Mount(m_Temp.Path() / "mnt")
    {
        fs::create_directory(m_Mount);
        const std::string volume = m_Temp.File("ntfs.img");
        m_Mounted = Shell("truncate -s 16M '" + volume + "' && mkntfs -F -f -q '" + volume + "' >/dev/null 2>&1 && ntfs-3g '" +
                          volume + "' '" + m_Mount.string() + "'") == 0;
    }
    ~NtfsVolume()
    {
        if (m_Mounted)
            Shell("umount '" + m_Mount.string() + "'");
    }
    NtfsVolume(const NtfsVolume&) = delete;
    NtfsVolume& operator=(const NtfsVolume&) = delete;

    bool Mounted() const { return m_Mounted; }
    const fs::path& Root() const { return m_Mount; }
    std::string File(const std::string& name) const { return m_Temp.File(name); }

private:
    TempDir m_Temp;
    fs::path m_Mount;
    bool m_Mounted = false;
};

std::string FromHex(std::string_view hex)
{
    std::string bytes;
    for (std::size_t at = 0; at + 1 < hex.size(); at += 2)
        bytes += static_cast<char>(std::stoi(std::string(hex.substr(at, 2)), nullptr, 16));
    return bytes;
}

// Owner and group Administrators; Everyone may read and run, nothing more: not what a new file
// in the folder inherits (full control).
const std::string kNarrowAcl = FromHex(
    "01000480140000002400000000000000340000000102000000000005200000002002000001020000000000052000000020020000"
    "02001c000100000000031400a9001200010100000000000100000000");
const std::string kHiddenSystemArchive("\x26\x00\x00\x00", 4);

std::string Attribute(const fs::path& path, const std::string& name)
{
    char value[4096];
    const ssize_t size = ::getxattr(path.c_str(), name.c_str(), value, sizeof value);
    return size < 0 ? "<none>" : std::string(value, static_cast<std::size_t>(size));
}

std::map<std::string, std::string> Kept(const fs::path& path)
{
    std::map<std::string, std::string> kept;
    for (const char* name : {"system.ntfs_acl", "system.ntfs_attrib", "system.ntfs_crtime", "user.Zone.Identifier"})
        kept[name] = Attribute(path, name);
    return kept;
}

void Mark(const fs::path& path)
{
    ASSERT_EQ(::setxattr(path.c_str(), "user.Zone.Identifier", "[ZoneTransfer]", 14, 0), 0);
    ASSERT_EQ(::setxattr(path.c_str(), "system.ntfs_acl", kNarrowAcl.data(), kNarrowAcl.size(), 0), 0);
    ASSERT_EQ(::setxattr(path.c_str(), "system.ntfs_attrib", kHiddenSystemArchive.data(), 4, 0), 0);
}

TEST(CliProgramOnNtfs, TheHiveAndReplacedFilesKeepWhatWindowsKeeps)
{
    NtfsVolume volume;
    ASSERT_TRUE(volume.Mounted()) << "no NTFS volume could be made and mounted here (mkntfs, ntfs-3g, FUSE as root)";
    const fs::path windows = volume.Root() / "Windows";
    fs::create_directories(windows / "System32" / "config");
    fs::create_directories(windows / "System");
    const fs::path hive = windows / "System32" / "config" / "SOFTWARE";
    const fs::path info = windows / "System" / "oeminfo.ini";
    fs::copy_file(MinimalHivePath(), hive);
    std::ofstream(info) << "[General]\r\nManufacturer=Old\r\n";
    Mark(hive);
    Mark(info);
    const auto hiveBefore = Kept(hive);
    const auto infoBefore = Kept(info);
    ASSERT_EQ(hiveBefore.at("system.ntfs_acl"), kNarrowAcl);

    const int status = Shell("env PELMORA_REGISTRY='" + volume.File("store.sqlite3") + "' '" PELMORA_CLI_EXE
                             "' --windows-dir '" + windows.string() + "' apply-oem --manufacturer Contoso --model X1");
    ASSERT_EQ(status, 0);
    EXPECT_EQ(ReadFromHive(hive.string(), "Microsoft\\Windows\\CurrentVersion\\OEMInformation", "Manufacturer")->data,
              StoredText(u"Contoso"));
    EXPECT_NE(CliTestBed::ReadBytes(info.string()).find("Contoso"), std::string::npos);
    EXPECT_EQ(Kept(hive), hiveBefore);
    EXPECT_EQ(Kept(info), infoBefore);
}

}  // namespace
}  // namespace pelmora::cli::testing
