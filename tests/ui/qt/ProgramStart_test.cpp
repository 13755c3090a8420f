#include "platform/qt/RuntimeFolder.h"
#include "testing/TempDir.h"
#include "testing/qt/ProgramRun.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using pelmora::testing::ProgramRun;
using pelmora::testing::RunProgram;

// Where no window can be shown the program says so in one line and fails, instead of the
// toolkit's abort.
TEST(ProgramStart, WithoutADisplaySaysSoInOneLine)
{
    const ProgramRun run = RunProgram(PELMORA_PROGRAM, {}, false);
    EXPECT_NE(run.status, 0);
    EXPECT_EQ(run.err, "pelmora: no display available (set DISPLAY or QT_QPA_PLATFORM)\n");
    EXPECT_EQ(run.out, "");
}

// A terminal without a display, or a packaging check, can still ask.
TEST(ProgramStart, HelpAndVersionNeedNoDisplay)
{
    const std::string version = std::string("pelmora ") + PELMORA_VERSION + "\n";
    for (const QStringList& arguments : {QStringList{"--version"}, {"-v"}, {"-platform", "xcb", "--version"}}) {
        const ProgramRun run = RunProgram(PELMORA_PROGRAM, arguments, false);
        EXPECT_EQ(run.status, 0) << arguments.join(' ').toStdString();
        EXPECT_EQ(run.out, version);
        EXPECT_EQ(run.err, "");
    }
    const ProgramRun help = RunProgram(PELMORA_PROGRAM, {"--help"}, false);
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: ", 0), 0u) << help.out;
    EXPECT_NE(help.out.find("-v, --version"), std::string::npos) << help.out;
}

TEST(ProgramStart, AnUnknownOptionOrAnArgumentEndsItBeforeAnyWindow)
{
    const struct {
        QStringList arguments;
        std::string error;
    } cases[] = {
        {{"--bogus"}, "pelmora: Unknown option 'bogus'.\n"},
        {{"logo.bmp"}, "pelmora: unexpected argument logo.bmp\n"},
        {{"-reverse", "--", "-v"}, "pelmora: unexpected argument -v\n"},
    };
    for (const auto& c : cases) {
        const ProgramRun run = RunProgram(PELMORA_PROGRAM, c.arguments, true);
        EXPECT_EQ(run.status, 2) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(run.err, c.error + "(pelmora --help shows the options)\n");
        EXPECT_EQ(run.out, "");
    }
}

int FolderMode(const std::filesystem::path& folder)
{
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        return -1;
    return static_cast<int>(info.st_mode & 07777);
}

// The folder is used only when it is this user's own: its mode is put right, and a link or a
// file in its place is not taken.
TEST(ProgramStart, TheRuntimeFolderIsPrivateOrNotUsed)
{
    const char* given = std::getenv("XDG_RUNTIME_DIR");
    const std::optional<std::string> saved = given ? std::optional<std::string>(given) : std::nullopt;
    const char* temp = std::getenv("TMPDIR");
    const std::optional<std::string> savedTemp = temp ? std::optional<std::string>(temp) : std::nullopt;
    pelmora::testing::TempDir dir;
    setenv("TMPDIR", (dir.Path().string() + "/").c_str(), 1);
    const std::filesystem::path folder = dir.Path() / ("pelmora-runtime-" + std::to_string(::geteuid()));

    setenv("XDG_RUNTIME_DIR", "/run/user/elsewhere", 1);
    EXPECT_EQ(pelmora::ProvideRuntimeFolder(), "");
    EXPECT_STREQ(std::getenv("XDG_RUNTIME_DIR"), "/run/user/elsewhere");
    EXPECT_FALSE(std::filesystem::exists(folder));

    unsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(pelmora::ProvideRuntimeFolder(), folder.string());
    EXPECT_EQ(FolderMode(folder), 0700);
    EXPECT_STREQ(std::getenv("XDG_RUNTIME_DIR"), folder.c_str());

    unsetenv("XDG_RUNTIME_DIR");
    ::chmod(folder.c_str(), 0755);
    EXPECT_EQ(pelmora::ProvideRuntimeFolder(), folder.string());
    EXPECT_EQ(FolderMode(folder), 0700);

    std::filesystem::remove(folder);
    std::filesystem::create_directory(dir.Path() / "elsewhere");
    std::filesystem::create_directory_symlink(dir.Path() / "elsewhere", folder);
    unsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(pelmora::ProvideRuntimeFolder(), "");
    EXPECT_EQ(std::getenv("XDG_RUNTIME_DIR"), nullptr);

    std::filesystem::remove(folder);
    std::ofstream(folder) << "a file";
    EXPECT_EQ(pelmora::ProvideRuntimeFolder(), "");

    saved ? setenv("XDG_RUNTIME_DIR", saved->c_str(), 1) : unsetenv("XDG_RUNTIME_DIR");
    savedTemp ? setenv("TMPDIR", savedTemp->c_str(), 1) : unsetenv("TMPDIR");
}

}  // namespace
