#include "platform/qt/RuntimeFolder.h"
#include "registry/SettingsStore.h"
#include "registry/SqliteRegistry.h"
#include "testing/TempDir.h"
#include "testing/qt/ProgramRun.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
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
        {{"--windows-dir"}, "pelmora: Missing value after '--windows-dir'.\n"},
        {{"--windows-dir=/a", "--windows-dir=/b"}, "pelmora: --windows-dir is given twice\n"},
        {{"--windows-dir", "/nowhere/at/all"}, "pelmora: --windows-dir /nowhere/at/all is not a folder\n"},
        {{"--image"}, "pelmora: Missing value after '--image'.\n"},
    };
    for (const auto& c : cases) {
        const ProgramRun run = RunProgram(PELMORA_PROGRAM, c.arguments, true);
        EXPECT_EQ(run.status, 2) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(run.err, c.error + "(pelmora --help shows the options)\n");
        EXPECT_EQ(run.out, "");
    }
}

// The visit counter of a store, as a program under `name` keeps it; nothing when not stored.
std::optional<std::string> StoredVisits(const std::string& store, const std::string& name)
{
    if (!std::filesystem::exists(store))
        return std::nullopt;
    pelmora::SqliteRegistryOptions options;
    options.path = store;
    options.readOnly = true;
    pelmora::SqliteRegistry registry(options);
    const std::string visits = pelmora::SettingsStore(registry).GetSetting(name, "Run", "Run", "");
    return visits.empty() ? std::nullopt : std::optional<std::string>(visits);
}

int FolderMode(const std::filesystem::path& folder)
{
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        return -1;
    return static_cast<int>(info.st_mode & 07777);
}

// A copy of the program under another name, started where no runtime folder is given (as from a
// root shell): it counts its visits under its own name, and gives the toolkit a private runtime
// folder instead of leaving it to warn.
TEST(ProgramStart, ARenamedCopyCountsItsOwnVisitsAndHasARuntimeFolder)
{
    pelmora::testing::TempDir dir;
    const std::filesystem::path copy = dir.Path() / "brand-tool";
    std::filesystem::copy_file(PELMORA_PROGRAM, copy);
    std::filesystem::create_directories(dir.Path() / "Windows" / "System");
    const std::string store = dir.File("registry.sqlite3");

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR"})
        environment.remove(name);
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("TMPDIR", QString::fromStdString(dir.Path().string()));
    environment.insert("PELMORA_REGISTRY", QString::fromStdString(store));
    environment.insert("PELMORA_WINDOWS_DIR", QString::fromStdString((dir.Path() / "Windows").string()));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QString::fromStdString(copy.string()), {});
    ASSERT_TRUE(program.waitForStarted(10000));
    QElapsedTimer waited;
    waited.start();
    std::optional<std::string> visits;
    while (!(visits = StoredVisits(store, "brand-tool")) && waited.elapsed() < 20000 &&
           program.state() == QProcess::Running)
        QThread::msleep(50);
    program.kill();
    program.waitForFinished();

    EXPECT_EQ(visits, "1");
    EXPECT_EQ(StoredVisits(store, "pelmora"), std::nullopt);
    EXPECT_EQ(FolderMode(dir.Path() / ("pelmora-runtime-" + std::to_string(::geteuid()))), 0700);
    EXPECT_FALSE(program.readAllStandardError().contains("XDG_RUNTIME_DIR"));
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
