#include "CliTestBed.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <sys/wait.h>

namespace pelmora::cli::testing {
namespace {

std::string Quoted(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// The built program, as a script runs it: its own store and Windows directory, no display.
class Program {
public:
    Program() { std::filesystem::create_directories(m_Temp.Path() / "Windows" / "System"); }

    CliRun Run(const std::vector<std::string>& args) const
    {
        std::string line = "env -u DISPLAY -u WAYLAND_DISPLAY PELMORA_REGISTRY=" + Quoted(m_Temp.File("store.sqlite3")) +
                           " PELMORA_WINDOWS_DIR=" + Quoted(WindowsDir()) + " " + Quoted(PELMORA_CLI_EXE);
        for (const std::string& arg : args)
            line += " " + Quoted(arg);
        line += " >" + Quoted(m_Temp.File("out")) + " 2>" + Quoted(m_Temp.File("err")) + " </dev/null";
        const int status = std::system(line.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, CliTestBed::ReadBytes(m_Temp.File("out")),
                CliTestBed::ReadBytes(m_Temp.File("err"))};
    }

    std::string WindowsDir() const { return (m_Temp.Path() / "Windows").string(); }
    std::string File(const std::string& name) const { return m_Temp.File(name); }

private:
    pelmora::testing::TempDir m_Temp;
};

TEST(CliProgram, RunsFromAScriptWithoutADisplay)
{
    Program program;
    const CliRun added = program.Run({"reg", "add", "HKLM\\SOFTWARE\\Pelmora\\Corvexa\\OEM", "/v", "company", "/d", "C"});
    EXPECT_EQ(added.status, 0) << added.err;

    const CliRun applied = program.Run({"apply-oem", "--manufacturer", "Contoso", "--model", "X1"});
    EXPECT_EQ(applied.status, 0) << applied.err;
    EXPECT_EQ(CliTestBed::ReadBytes(program.WindowsDir() + "/System/oeminfo.ini"),
              "[GENERAL]\r\nMANUFACTURER=Contoso\r\nMODEL=X1\r\n\r\n");

    // A picture with transparency, so the picture backend draws without a window system.
    QImage image(8, 6, QImage::Format_ARGB32);
    image.fill(qRgba(10, 20, 30, 100));
    ASSERT_TRUE(image.save(QString::fromStdString(program.File("logo.png"))));
    const CliRun logo = program.Run({"apply-logo", program.File("logo.png")});
    EXPECT_EQ(logo.status, 0) << logo.err;

    const CliRun shown = program.Run({"show"});
    EXPECT_EQ(shown.status, 0) << shown.err;
    EXPECT_NE(shown.out.find("\nManufacture=Contoso\n"), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("\ncompany=C\n"), std::string::npos);
    EXPECT_NE(shown.out.find("\nStoredLogoPath=" + program.File("logo.png") + "\n"), std::string::npos);
    EXPECT_NE(shown.out.find("\nLogoInstalled=yes\nInfoInstalled=yes\n"), std::string::npos);

    const CliRun refused = program.Run({"remove-logo", "now"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(program.Run({"--version"}).out, std::string("pelmora-cli ") + PELMORA_VERSION + "\n");
}

// Without a Windows directory or store named, the defaults under the home folder would be made.
TEST(CliProgram, HelpAndVersionCreateNothing)
{
    pelmora::testing::TempDir home;
    for (const char* arg : {"--version", "--help"}) {
        const std::string line = "env -u PELMORA_WINDOWS_DIR -u PELMORA_REGISTRY HOME=" + Quoted(home.Path().string()) +
                                 " XDG_DATA_HOME=" + Quoted(home.File("data")) + " XDG_CONFIG_HOME=" +
                                 Quoted(home.File("config")) + " " + Quoted(PELMORA_CLI_EXE) + " " + arg +
                                 " >/dev/null";
        const int status = std::system(line.c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << arg;
        EXPECT_TRUE(std::filesystem::is_empty(home.Path())) << arg;
    }
}

TEST(CliProgram, AStoreThatCannotBeReadIsReportedAndNothingIsWrittenBack)
{
    Program program;
    ASSERT_EQ(program.Run({"apply-oem", "--manufacturer", "Contoso", "--model", "X1"}).status, 0);
    const std::string info = program.WindowsDir() + "/System/oeminfo.ini";
    const std::string file = CliTestBed::ReadBytes(info);
    std::ofstream(program.File("store.sqlite3"), std::ios::binary | std::ios::trunc) << std::string(8192, 'x');

    const CliRun shown = program.Run({"show"});
    EXPECT_EQ(shown.status, 1);
    EXPECT_EQ(shown.out, "");
    EXPECT_NE(shown.err.find("the stored values could not be read: the registry store " + program.File("store.sqlite3") +
                             " is not a database"), std::string::npos) << shown.err;
    const CliRun support = program.Run({"apply-support", "--web", "w"});
    EXPECT_EQ(support.status, 1);
    EXPECT_NE(support.err.find("could not be read when this window opened"), std::string::npos) << support.err;
    EXPECT_EQ(CliTestBed::ReadBytes(info), file);
}

}  // namespace
}  // namespace pelmora::cli::testing
