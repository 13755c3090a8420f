// The built program on a Windows image, as an imaging script runs it: --windows-dir, what show
// names, and two programs at once on one image.
#include "CliTestBed.h"
#include "registry/HiveImage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

#include <sys/wait.h>

namespace pelmora::cli::testing {
namespace {

namespace fs = std::filesystem;
using pelmora::testing::ReadFromHive;
using pelmora::testing::StoredText;
using pelmora::testing::WindowsImage;

const std::string kOemInHive = "Pelmora\\Corvexa\\OEM";

std::string Quoted(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// An image, a store and another Windows directory named by the environment, which the option
// must win over.
class ImageProgram {
public:
    explicit ImageProgram(const std::vector<std::string>& hiveNames = {"System32", "config", "SOFTWARE"})
        : m_Image({{"Microsoft\\Windows NT\\CurrentVersion", "RegisteredOwner", kRegSz, StoredText(u"Image Owner")}},
                  hiveNames)
    {
        fs::create_directories(fs::path(m_Image.WindowsDir()) / "System");
        fs::create_directories(fs::path(EnvWindowsDir()) / "System");
    }

    // The command line for the program, for a shell.
    std::string Line(const std::vector<std::string>& args) const
    {
        std::string line = "env -u DISPLAY -u WAYLAND_DISPLAY PELMORA_REGISTRY=" + Quoted(StorePath()) +
                           " PELMORA_WINDOWS_DIR=" + Quoted(EnvWindowsDir()) + " " + Quoted(PELMORA_CLI_EXE);
        for (const std::string& arg : args)
            line += " " + Quoted(arg);
        return line + " </dev/null";
    }

    CliRun Run(const std::vector<std::string>& args) const
    {
        const std::string out = m_Image.temp.File("out");
        const std::string err = m_Image.temp.File("err");
        const int status = std::system((Line(args) + " >" + Quoted(out) + " 2>" + Quoted(err)).c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, CliTestBed::ReadBytes(out), CliTestBed::ReadBytes(err)};
    }

    CliRun OnImage(std::vector<std::string> args) const
    {
        args.insert(args.begin(), {"--windows-dir", m_Image.WindowsDir()});
        return Run(args);
    }

    const WindowsImage& Image() const { return m_Image; }
    std::string StorePath() const { return m_Image.temp.File("store.sqlite3"); }
    std::string EnvWindowsDir() const { return m_Image.temp.File("Elsewhere"); }

private:
    WindowsImage m_Image;
};

bool Has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

TEST(CliProgramOnImage, TheOptionPutsTheBrandingIntoTheImageAndItsOwnRegistry)
{
    // A mounted NTFS shows the names as they were created.
    ImageProgram program({"system32", "CONFIG", "software"});
    const CliRun applied = program.OnImage({"apply-oem", "--manufacturer", "Contoso", "--model", "X1"});
    EXPECT_EQ(applied.status, 0) << applied.err;
    EXPECT_TRUE(fs::exists(fs::path(program.Image().WindowsDir()) / "System" / "oeminfo.ini"));
    EXPECT_FALSE(fs::exists(fs::path(program.EnvWindowsDir()) / "System" / "oeminfo.ini"));
    EXPECT_EQ(ReadFromHive(program.Image().HivePath(), kOemInHive, "Manufacture")->data, StoredText(u"Contoso"));

    const CliRun onImage = program.OnImage({"show"});
    EXPECT_TRUE(Has(onImage.out, "\nManufacture=Contoso\n")) << onImage.out;
    EXPECT_TRUE(Has(onImage.out, "\nRegistry=" + program.Image().HivePath() + "\n")) << onImage.out;
    const CliRun owner =
        program.OnImage({"reg", "query", "HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "/v", "RegisteredOwner"});
    EXPECT_TRUE(Has(owner.out, "Image Owner")) << owner.out << owner.err;

    // Without the option the program's own store is used, which never saw those values.
    const CliRun own = program.Run({"show"});
    EXPECT_TRUE(Has(own.out, "\nManufacture=\n")) << own.out;
    EXPECT_TRUE(Has(own.out, "\nRegistry=" + program.StorePath() + "\n")) << own.out;
    EXPECT_TRUE(Has(own.out, "WindowsDir=" + program.EnvWindowsDir() + "\n")) << own.out;
}

TEST(CliProgramOnImage, AWindowsDirectoryThatCannotBeUsedIsRefused)
{
    ImageProgram program;
    const struct {
        std::vector<std::string> args;
        int status;
        const char* message;
    } cases[] = {
        {{"--windows-dir"}, 2, "--windows-dir needs a value"},
        {{"--windows-dir=", "show"}, 2, "--windows-dir needs a folder"},
        {{"--windows-dir=/a", "--windows-dir=/b", "show"}, 2, "--windows-dir is given twice"},
        {{"--windows-dir", program.Image().temp.File("missing"), "apply-oem", "--manufacturer", "A", "--model", "B"},
         1, "is not a folder"},
        {{"show", "--windows-dir", program.Image().WindowsDir()}, 2, "--windows-dir stands before the command"},
    };
    for (const auto& c : cases) {
        const CliRun run = program.Run(c.args);
        EXPECT_EQ(run.status, c.status) << c.message;
        EXPECT_TRUE(Has(run.err, c.message)) << run.err;
    }
    EXPECT_FALSE(fs::exists(program.StorePath()));
}

TEST(CliProgramOnImage, LinksOutOfTheImageAndFoldersThatAreNoWindowsDirectoryAreRefused)
{
    const std::vector<std::string> apply = {"apply-oem", "--manufacturer", "Contoso", "--model", "X1"};
    struct Case {
        const char* what;
        std::function<void(const fs::path& windows, const fs::path& outside)> stage;
        std::string windowsDir;  // below the image's temporary folder; empty: its Windows folder
        std::string message;     // with OUT for the folder outside, WIN for the Windows folder
    };
    const Case cases[] = {
        {"the mount root", [](const fs::path&, const fs::path&) {}, ".",
         "is not a Windows directory: it holds neither System32 nor System; did you mean WIN?"},
        {"System leads out", [](const fs::path& w, const fs::path& o) {
             fs::remove_all(w / "System");
             fs::create_directory_symlink(o, w / "System");
         }, "", "the link WIN/System leads outside the image"},
        {"oeminfo.ini leads to a host file", [](const fs::path& w, const fs::path& o) {
             fs::create_symlink(o / "shadow", w / "System" / "oeminfo.ini");
         }, "", "the link WIN/System/oeminfo.ini leads outside the image"},
        {"config leads out", [](const fs::path& w, const fs::path& o) {
             fs::copy(w / "System32" / "config", o / "config", fs::copy_options::recursive);
             fs::remove_all(w / "System32" / "config");
             fs::create_directory_symlink(o / "config", w / "System32" / "config");
         }, "", "the link WIN/System32/config leads outside the image"},
        {"System leads out and the image brings its own backup", [](const fs::path& w, const fs::path& o) {
             fs::create_directories(w.parent_path() / "ProgramData" / "Pelmora" / "factory-branding");
             fs::remove_all(w / "System");
             fs::create_directory_symlink(o, w / "System");
         }, "", "the link WIN/System leads outside the image"},
        {"a folder in place of the hive", [](const fs::path& w, const fs::path&) {
             fs::remove(w / "System32" / "config" / "SOFTWARE");
             fs::create_directory(w / "System32" / "config" / "SOFTWARE");
         }, "", "SOFTWARE is not a regular file but a folder"},
    };
    for (const Case& c : cases) {
        ImageProgram program;
        const fs::path windows = program.Image().WindowsDir();
        const fs::path outside = program.Image().temp.File("outside");
        fs::create_directories(outside);
        std::ofstream(outside / "shadow") << "root:secret";
        c.stage(windows, outside);
        const bool hadProgramData = fs::exists(windows.parent_path() / "ProgramData");
        const fs::path root = windows.parent_path();
        const std::string dir = c.windowsDir.empty() ? windows.string() : (root / c.windowsDir).lexically_normal().string();
        std::vector<std::string> args = {"--windows-dir", dir.back() == '/' ? dir.substr(0, dir.size() - 1) : dir};
        args.insert(args.end(), apply.begin(), apply.end());
        const CliRun run = program.Run(args);
        std::string message = c.message;
        for (const auto& [from, to] : {std::pair{std::string("WIN"), windows.string()}, {"OUT", outside.string()}})
            for (auto at = message.find(from); at != std::string::npos; at = message.find(from, at + to.size()))
                message.replace(at, from.size(), to);
        EXPECT_EQ(run.status, 1) << c.what;
        EXPECT_TRUE(Has(run.err, message)) << c.what << ": " << run.err;
        EXPECT_EQ(CliTestBed::ReadBytes((outside / "shadow").string()), "root:secret") << c.what;
        EXPECT_FALSE(fs::exists(outside / "oeminfo.ini")) << c.what;
        EXPECT_EQ(fs::exists(root / "ProgramData"), hadProgramData) << c.what;
        EXPECT_FALSE(ReadFromHive(program.Image().HivePath(), kOemInHive, "Manufacture")) << c.what;
        EXPECT_FALSE(fs::exists(program.StorePath())) << c.what << ": the host's store stays untouched";
    }
}

TEST(CliProgramOnImage, TwoProgramsOnOneImageLoseNoValue)
{
    constexpr int kEach = 8;
    ImageProgram program;
    // Each writer is a line of programs one after the other; the two lines run at once.
    std::string script;
    for (const std::string who : {"a", "b"}) {
        script += "( ";
        for (int i = 0; i < kEach; ++i) {
            script += program.Line({"--windows-dir", program.Image().WindowsDir(), "reg", "add",
                                    "HKLM\\SOFTWARE\\Pelmora\\Test", "/v", who + std::to_string(i), "/d", who, "/f"}) +
                      " >/dev/null || exit 1; ";
        }
        script += ") & pids+=($!); ";
    }
    script += "for p in \"${pids[@]}\"; do wait \"$p\" || exit 1; done";
    const int status = std::system(("bash -c " + Quoted(script)).c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    for (const std::string who : {"a", "b"}) {
        for (int i = 0; i < kEach; ++i) {
            const auto stored = ReadFromHive(program.Image().HivePath(), "Pelmora\\Test", who + std::to_string(i));
            ASSERT_TRUE(stored) << who << i;
            EXPECT_EQ(stored->data, StoredText(std::u16string(who.begin(), who.end())));
        }
    }
}

}  // namespace
}  // namespace pelmora::cli::testing
