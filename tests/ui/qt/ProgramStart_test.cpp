#include "testing/qt/ProgramRun.h"

#include <gtest/gtest.h>

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

}  // namespace
