// The built program on images of WIM files made here with wimlib's tools: branding lands in one
// update that keeps what Windows keeps, and a failed or killed command leaves the file as it was.
// Mounting needs FUSE as root; where it cannot mount, the tests fail saying so.
#include "CliTestBed.h"
#include "registry/HiveImage.h"
#include "wiring/WimImage.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <thread>

#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace pelmora::cli::testing {
namespace {

namespace fs = std::filesystem;
using pelmora::testing::ReadFromHive;
using pelmora::testing::StoredText;
using pelmora::testing::TempDir;
using pelmora::testing::WindowsImage;

const std::string kOemInformation = "Microsoft\\Windows\\CurrentVersion\\OEMInformation";
const char* const kNoMount = "the image could not be mounted here (wimlib through FUSE, as root)";

TEST(WimImageName, ChoosesAnImageOrSaysWhy)
{
    WimFacts two;
    two.imageNames = {"Home", "Pro"};
    WimFacts one;
    one.imageNames = {"Pro"};
    const struct {
        const char* text;
        const WimFacts& facts;
        std::string file;
        unsigned long index;
        const char* problem;
    } cases[] = {
        {"install.wim", one, "install.wim", 1, ""},
        {"install.wim:1", one, "install.wim", 1, ""},
        {"install.wim:2", two, "install.wim", 2, ""},
        {"/m/a:b.wim", one, "/m/a:b.wim", 1, ""},  // not a number after the colon: part of the name
        {"install.wim:", one, "install.wim:", 1, ""},
        {"install.wim", two, "install.wim", 0, "install.wim holds 2 images; name one as install.wim:INDEX: 1 \"Home\", 2 \"Pro\""},
        {"install.wim:0", two, "install.wim", 0, "install.wim has no image 0; it holds 2 images: 1 \"Home\", 2 \"Pro\""},
        {"install.wim:3", one, "install.wim", 0, "install.wim has no image 3; it holds 1 image: 1 \"Pro\""},
        {"install.wim:99999999999999999999", one, "install.wim", 0, "install.wim has no image 0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const WimImageName name = ParseWimImageName(c.text);
        EXPECT_EQ(name.file, c.file);
        const WimChoice choice = ChooseWimImage(name, c.facts);
        EXPECT_EQ(choice.index, c.index);
        EXPECT_EQ(choice.problem.substr(0, std::string(c.problem).size()), c.problem);
        EXPECT_EQ(choice.problem.empty(), std::string(c.problem).empty());
    }
}

TEST(WimImageName, RefusesChangesToSolidReadOnlyAndSplitFilesSayingWhatToDo)
{
    const WimImageName name{"x.esd", 2};
    const struct {
        bool WimFacts::*flag;
        const char* advice;
    } cases[] = {
        {&WimFacts::solid, "'wimexport x.esd 2 NEW.wim --compress=LZX'"},
        {&WimFacts::markedReadOnly, "'wimexport x.esd 2 NEW.wim'"},
        {&WimFacts::fileReadOnly, "chmod u+w x.esd"},
        {&WimFacts::splitPart, "wimjoin"},
    };
    EXPECT_EQ(WimWriteProblem(name, 2, WimFacts{}), "");
    for (const auto& c : cases) {
        WimFacts facts;
        facts.*c.flag = true;
        EXPECT_NE(WimWriteProblem(name, 2, facts).find(c.advice), std::string::npos) << WimWriteProblem(name, 2, facts);
    }
}

int Shell(const std::string& line)
{
    const int status = std::system(line.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Quoted(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// A WIM captured from a Windows image with the test hive (with an integrity table, which wimverify
// checks), a store and a staging place of its own.
class WimLab {
public:
    WimLab() : m_Image({{"Microsoft\\Windows NT\\CurrentVersion", "ProductName", kRegSz, StoredText(u"Windows 10 Pro")}})
    {
        const fs::path windows = m_Image.WindowsDir();
        fs::create_directories(windows / "System");
        std::ofstream(windows / "System" / "oeminfo.ini") << "[General]\r\nManufacturer=Factory\r\n";
        fs::create_directories(Staging());
        EXPECT_EQ(Shell("wimcapture " + Quoted(windows.parent_path().string()) + " " + Quoted(Wim()) + " Pro --check >/dev/null"), 0);
    }

    std::string Wim() const { return m_Temp.File("install.wim"); }
    std::string Staging() const { return m_Temp.File("tmp"); }

    CliRun Run(const std::string& image, const std::vector<std::string>& args, const std::string& tail = {}) const
    {
        std::string line = "env -u DISPLAY TMPDIR=" + Quoted(Staging()) + " PELMORA_REGISTRY=" +
                           Quoted(m_Temp.File("store.sqlite3")) + " " + Quoted(PELMORA_CLI_EXE) + " --image " + Quoted(image);
        for (const std::string& arg : args)
            line += " " + Quoted(arg);
        const std::string out = m_Temp.File("out");
        const std::string err = m_Temp.File("err");
        const int status = Shell(line + " </dev/null >" + Quoted(out) + " 2>" + Quoted(err) + tail);
        return {status, CliTestBed::ReadBytes(out), CliTestBed::ReadBytes(err)};
    }

    // A file of the image as the WIM holds it now.
    std::string Extract(const std::string& path) const
    {
        const std::string to = m_Temp.File("extracted");
        fs::remove_all(to);
        Shell("wimextract " + Quoted(Wim()) + " 1 " + Quoted(path) + " --dest-dir=" + Quoted(to) + " --no-acls >/dev/null 2>&1");
        return to + "/" + fs::path(path).filename().string();
    }

    bool StagingLeft() const { return !fs::is_empty(Staging()); }
    std::string LockFile() const { return m_Temp.File("store.sqlite3.lock"); }

private:
    TempDir m_Temp;
    WindowsImage m_Image;
};

bool Verified(const std::string& wim)
{
    return Shell("wimverify " + Quoted(wim) + " >/dev/null 2>&1") == 0;
}

std::string Manufacturer(const WimLab& lab)
{
    const auto value = ReadFromHive(lab.Extract("/Windows/System32/config/SOFTWARE"), kOemInformation, "Manufacturer");
    return value ? value->data : "<none>";
}

TEST(CliProgramOnWim, BrandsAndRestoresInOneUpdateEachAndShowNamesTheImage)
{
    WimLab lab;
    const CliRun applied = lab.Run(lab.Wim(), {"apply-oem", "--manufacturer", "Contoso", "--model", "X1"});
    ASSERT_EQ(applied.status, 0) << applied.err << kNoMount;
    EXPECT_EQ(Manufacturer(lab), StoredText(u"Contoso"));
    EXPECT_NE(CliTestBed::ReadBytes(lab.Extract("/Windows/System/oeminfo.ini")).find("Contoso"), std::string::npos);
    EXPECT_TRUE(fs::exists(lab.Extract("/ProgramData/Pelmora/factory-branding")));

    const CliRun shown = lab.Run(lab.Wim() + ":1", {"show", "--json"});
    EXPECT_NE(shown.out.find("\"Image\": \"" + lab.Wim() + ":1\""), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("\"Manufacture\": \"Contoso\""), std::string::npos);

    ASSERT_EQ(lab.Run(lab.Wim(), {"restore-factory"}).status, 0);
    EXPECT_EQ(Manufacturer(lab), "<none>");
    EXPECT_NE(CliTestBed::ReadBytes(lab.Extract("/Windows/System/oeminfo.ini")).find("Factory"), std::string::npos);
    EXPECT_TRUE(Verified(lab.Wim()));
    EXPECT_EQ(Shell("wiminfo " + Quoted(lab.Wim()) + " | grep -q 'Integrity info'"), 0) << "the integrity table was dropped";
    EXPECT_FALSE(lab.StagingLeft());
}

TEST(CliProgramOnWim, AFailedOrKilledCommandLeavesTheFileAsItWas)
{
    WimLab lab;
    const std::string before = CliTestBed::ReadBytes(lab.Wim());
    // A line break is refused before anything is written; the mount still comes and goes.
    const CliRun refused = lab.Run(lab.Wim(), {"apply-oem", "--manufacturer", "A\nB", "--model", "X"});
    EXPECT_EQ(refused.status, 1) << refused.err;
    EXPECT_EQ(CliTestBed::ReadBytes(lab.Wim()), before);

    // Held up by another command's lock with the image mounted, then killed.
    const int lock = ::open(lab.LockFile().c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_EQ(::flock(lock, LOCK_EX), 0);
    const CliRun started =
        lab.Run(lab.Wim(), {"apply-oem", "--manufacturer", "Killed", "--model", "K"}, " & echo $! >" + Quoted(lab.Staging() + ".pid"));
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    EXPECT_TRUE(lab.StagingLeft()) << kNoMount;
    const pid_t pid = std::stoi(CliTestBed::ReadBytes(lab.Staging() + ".pid"));
    ::kill(pid, SIGKILL);
    ::close(lock);
    for (int wait = 0; wait < 100 && lab.StagingLeft(); ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(lab.StagingLeft());
    EXPECT_EQ(CliTestBed::ReadBytes(lab.Wim()), before);
    EXPECT_TRUE(Verified(lab.Wim()));
}

TEST(CliProgramOnWim, ADeadMountAKilledRunLeftIsLetGoByTheNextRun)
{
    WimLab lab;
    // What a run killed between mounting and FUSE's own signal handling leaves: the mount's process
    // gone, the mount answering nothing.
    const std::string left = lab.Staging() + "/pelmora-wim-left";
    fs::create_directories(left + "/image");
    fs::create_directories(left + "/work/install.wim.staging");
    Shell("wimmount --debug " + Quoted(lab.Wim()) + " 1 " + Quoted(left + "/image") + " >/dev/null 2>&1 & for i in $(seq 100); "
          "do mountpoint -q " + Quoted(left + "/image") + " && break; sleep 0.05; done; kill -9 $!; wait");
    struct stat info {};
    ASSERT_NE(::stat((left + "/image").c_str(), &info), 0);
    ASSERT_EQ(errno, ENOTCONN) << kNoMount;
    Shell("touch -d '1 hour ago' " + Quoted(left));

    EXPECT_EQ(lab.Run(lab.Wim(), {"show"}).status, 0);
    EXPECT_FALSE(lab.StagingLeft());
}

TEST(CliProgramOnWim, RefusesWhatItCannotChangeAndStillReadsIt)
{
    WimLab lab;
    const std::string esd = lab.Wim() + ".esd";
    const std::string locked = lab.Wim() + ".ro.wim";
    ASSERT_EQ(Shell("wimexport " + Quoted(lab.Wim()) + " 1 " + Quoted(esd) + " --solid >/dev/null"), 0);
    fs::copy_file(lab.Wim(), locked);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const struct {
        std::string image;
        const char* command;
        int status;
        const char* says;
    } cases[] = {
        {esd, "apply-oem", 1, "solid-compressed (an ESD)"},
        {locked, "apply-oem", 1, "cannot be written; make it writable"},
        {esd, "show", 0, "Image="},
        {locked, "show", 0, "Image="},
        {lab.Wim() + ":2", "show", 1, "has no image 2; it holds 1 image: 1 \"Pro\""},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> args = std::string(c.command) == "show"
                                                  ? std::vector<std::string>{"show"}
                                                  : std::vector<std::string>{c.command, "--manufacturer", "M", "--model", "X"};
        const CliRun run = lab.Run(c.image, args);
        EXPECT_EQ(run.status, c.status) << c.image << ' ' << c.command << ": " << run.err;
        EXPECT_NE((run.out + run.err).find(c.says), std::string::npos) << run.out << run.err;
    }
    EXPECT_FALSE(lab.StagingLeft());
}

// Files captured from an NTFS volume carry real security descriptors; replacing them keeps those.
TEST(CliProgramOnWim, ReplacedFilesKeepTheirSecurityDescriptors)
{
    TempDir temp;
    const std::string volume = temp.File("ntfs.img");
    const std::string mount = temp.File("mnt");
    const std::string wim = temp.File("ntfs.wim");
    fs::create_directory(mount);
    ASSERT_EQ(Shell("truncate -s 16M " + Quoted(volume) + " && mkntfs -F -f -q " + Quoted(volume) +
                    " >/dev/null 2>&1 && ntfs-3g " + Quoted(volume) + " " + Quoted(mount)),
              0)
        << "no NTFS volume could be made and mounted here (mkntfs, ntfs-3g, FUSE as root)";
    fs::create_directories(mount + "/Windows/System32/config");
    fs::create_directories(mount + "/Windows/System");
    fs::copy_file(pelmora::testing::MinimalHivePath(), mount + "/Windows/System32/config/SOFTWARE");
    std::ofstream(mount + "/Windows/System/oeminfo.ini") << "[General]\r\n";
    ASSERT_EQ(Shell("umount " + Quoted(mount) + " && wimcapture " + Quoted(volume) + " " + Quoted(wim) + " W >/dev/null"), 0);
    auto descriptor = [&](const std::string& path) {
        const std::string listing = temp.File("dir");
        Shell("wimdir " + Quoted(wim) + " 1 --detailed --path=" + Quoted(path) + " >" + Quoted(listing));
        std::smatch found;
        const std::string text = CliTestBed::ReadBytes(listing);
        return std::regex_search(text, found, std::regex("Security Descriptor = ([0-9a-f]+)")) ? found[1].str() : "<none>";
    };
    const std::string hiveBefore = descriptor("/Windows/System32/config/SOFTWARE");
    const std::string infoBefore = descriptor("/Windows/System/oeminfo.ini");
    ASSERT_NE(hiveBefore, "<none>");

    const int status = Shell("env TMPDIR=" + Quoted(temp.Path().string()) + " PELMORA_REGISTRY=" +
                             Quoted(temp.File("store.sqlite3")) + " " + Quoted(PELMORA_CLI_EXE) + " --image " + Quoted(wim) +
                             " apply-oem --manufacturer Contoso --model X1 >/dev/null");
    ASSERT_EQ(status, 0) << kNoMount;
    EXPECT_EQ(descriptor("/Windows/System32/config/SOFTWARE"), hiveBefore);
    EXPECT_EQ(descriptor("/Windows/System/oeminfo.ini"), infoBefore);
    EXPECT_TRUE(Verified(wim));
}

}  // namespace
}  // namespace pelmora::cli::testing
