#include "CliTestBed.h"
#include "CommandTable.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace pelmora::cli::testing {
namespace {

// Command lines that do not fit: each says why and where help is on stderr, exits 2 and changes
// nothing.
const std::vector<std::vector<std::string>> kUsageErrors = {
    {},
    {"frobnicate"},
    {"show", "extra"},
    {"--help", "extra"},
    {"apply-oem", "--model", "X1"},
    {"apply-oem", "--manufacturer", "Contoso"},
    {"apply-oem", "--manufacturer=A", "--manufacturer=B", "--model=X1"},
    {"apply-oem", "-m", "A", "--model=X1"},
    {"apply-support", "--colour=red"},
    {"apply-support", "--web"},
    {"apply-logo"},
    {"apply-logo", ""},
    {"apply-logo", "a.bmp", "--no-store=yes"},
    {"remove-logo", "a.bmp"},
    {"reg"},
    {"reg", "query"},
    {"reg", "list", "HKLM\\SOFTWARE\\Test"},
    {"reg", "query", "HKCR\\SOFTWARE\\Test"},
    {"reg", "query", "HKLM\\SOFTWARE\\Test", "/v"},
    {"reg", "query", "HKLM\\SOFTWARE\\Test", "/v", "a", "/ve"},
    {"reg", "query", "HKLM\\SOFTWARE\\Test", "/f"},
    {"reg", "add", "HKLM\\SOFTWARE\\Test", "/v", "n", "/t", "REG_BINARY"},
    {"reg", "add", "HKLM\\SOFTWARE\\Test", "/v", "n", "/t", "REG_DWORD", "/d", "12x"},
    {"reg", "add", "HKLM\\SOFTWARE\\Test", "/v", "n", "/t", "REG_DWORD", "/d", "0x100000000"},
    {"reg", "add", "HKLM\\SOFTWARE\\Test", "/d", "data"},
    {"reg", "delete", "HKLM\\SOFTWARE\\Test"},
    {"reg", "delete", "HKLM\\SOFTWARE\\Test", "/v", "n"},
    {"reg", "delete", "HKLM", "/f"},
    {"export-unattend"},
    {"export-unattend", ""},
    {"export-reg", "a.reg", "b.reg"},
    {"export-reg", "--force", "a.reg"},
    {"restore-factory", "now"},
    {"show", "--json=yes"},
    {"apply-profile"},
    {"apply-profile", ""},
    {"apply-profile", "a.json", "--force"},
    {"check-profile", "a.json", "--dry-run"},
    {"check-profile", "a.json", "b.json"},
    {"export-profile"},
};

TEST(CliUsage, ErrorsSayWhereHelpIsAndExit2WithoutChangingAnything)
{
    CliTestBed bed;
    ASSERT_EQ(bed.Run({"reg", "add", "HKLM\\SOFTWARE\\Test", "/v", "n", "/d", "kept"}).status, 0);
    const auto before = bed.Show();
    const CliRun keyBefore = bed.Run({"reg", "query", "HKLM"});

    for (const auto& args : kUsageErrors) {
        std::string line;
        for (const auto& arg : args)
            line += " [" + arg + "]";
        const CliRun run = bed.Run(args);
        EXPECT_EQ(run.status, 2) << line;
        EXPECT_EQ(run.out, "") << line;
        EXPECT_EQ(run.err.rfind("pelmora-cli: ", 0), 0u) << line << "\n" << run.err;
        // Two lines, not the whole help, so the error stays in sight.
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 2) << line << "\n" << run.err;
        EXPECT_TRUE(run.err.ends_with("\nRun 'pelmora-cli --help' for the commands and their options.\n")) << line;
    }
    EXPECT_EQ(bed.Show(), before);
    EXPECT_EQ(bed.Run({"reg", "query", "HKLM"}).out, keyBefore.out);
    EXPECT_EQ(bed.Run({"reg", "query", "HKLM\\SOFTWARE\\Test", "/v", "n"}).status, 0);
}

TEST(CliUsage, TheErrorLineHintsAtWhatWasMeant)
{
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"aply-oem"}, "unknown command aply-oem; did you mean apply-oem?"},
        {{"shwo"}, "unknown command shwo; did you mean show?"},
        {{"export-profiles", "a.json"}, "unknown command export-profiles; did you mean export-profile?"},
        {{"rge"}, "unknown command rge; did you mean reg?"},
        {{"apply-oem", "--modle=X1"}, "unknown option --modle; did you mean --model?"},
        {{"show", "--jsn"}, "unknown option --jsn; did you mean --json?"},
        {{"show", "--colour"}, "unknown option --colour"},
        {{"show", "--help", "extra"}, "unknown option --help"},
        {{"frobnicate"}, "unknown command frobnicate"},
        {{"ls"}, "unknown command ls"},
        {{"show", "--windows-dir", "/w"},
         "--windows-dir stands before the command: pelmora-cli --windows-dir DIR COMMAND ..."},
        {{"show", "--windows-dir=/w"},
         "--windows-dir stands before the command: pelmora-cli --windows-dir DIR COMMAND ..."},
    };
    CliTestBed bed;
    for (const auto& [args, error] : cases) {
        const CliRun run = bed.Run(args);
        EXPECT_EQ(run.status, 2) << error;
        EXPECT_EQ(run.err.substr(0, run.err.find('\n')), "pelmora-cli: " + error);
    }
}

// A command's own help is its part of the whole help: its usage lines and its text.
TEST(CliUsage, EachCommandsHelpIsItsPartOfTheHelp)
{
    CliTestBed bed;
    const std::string help = bed.Run({"--help"}).out;
    for (const CliCommand& command : CliCommands()) {
        for (const char* asks : {"--help", "-h"}) {
            const CliRun run = bed.Run({std::string(command.name), asks});
            EXPECT_EQ(run.status, 0) << command.name;
            EXPECT_EQ(run.err, "") << command.name;
            const std::size_t text = run.out.find("\n\n");
            ASSERT_NE(text, std::string::npos) << run.out;
            EXPECT_EQ(run.out.rfind("Usage:\n  pelmora-cli " + std::string(command.name), 0), 0u) << run.out;
            EXPECT_NE(help.find(run.out.substr(7, text - 6)), std::string::npos) << run.out;
            EXPECT_NE(help.find(run.out.substr(text + 2)), std::string::npos) << run.out;
        }
    }
}

TEST(CliUsage, HelpAndVersionGoToStdout)
{
    CliTestBed bed;
    const CliRun help = bed.Run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    for (const char* command : {"show", "apply-oem", "remove-oem", "apply-support", "apply-logo", "remove-logo",
                                "reg query", "reg add", "reg delete", "export-unattend FILE", "export-reg FILE",
                                "restore-factory", "apply-profile FILE [--dry-run]", "check-profile FILE",
                                "export-profile FILE", "--help | --version"})
        EXPECT_NE(help.out.find(std::string("pelmora-cli ") + command), std::string::npos) << command;

    const CliRun version = bed.Run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("pelmora-cli ") + PELMORA_VERSION + "\n");
}

}  // namespace
}  // namespace pelmora::cli::testing
