// Two programs on one machine: a command that runs while another is between its writes, and one
// killed in the middle of its writes.
#include "CliTestBed.h"

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace pelmora::cli::testing {
namespace {

constexpr const char* kOem = "HKLM\\SOFTWARE\\Pelmora\\Corvexa\\OEM";

TEST(CliConcurrency, ACommandStartedWhileAnotherIsBetweenItsWritesWaitsItsTurnOrChangesNothing)
{
    CliTestBed first;
    CliTestBed second(first, CliTestBed::AnotherProgram{});
    CliRun interleaved;
    bool ran = false;
    first.Registry().beforeSet = [&](const std::string& name) {
        if (name == "Model" && !ran) {
            ran = true;
            interleaved = second.Run({"apply-oem", "--manufacturer", "Fabrikam", "--model", "Y2"});
        }
    };
    const CliRun run = first.Run({"apply-oem", "--manufacturer", "Contoso", "--model", "X1"});
    first.Registry().beforeSet = nullptr;
    ASSERT_TRUE(ran);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(interleaved.status, 1);
    EXPECT_EQ(interleaved.out, "");
    EXPECT_EQ(interleaved.err, "Nothing was changed: another command is changing the OEM information (the lock file " +
                                   first.CommandLockName() + " is held by pelmora-cli (process " +
                                   std::to_string(::getpid()) + ")). Try again when it has finished.\n");

    auto shown = second.Show();
    EXPECT_EQ(shown["Manufacture"], "Contoso");
    EXPECT_EQ(shown["Model"], "X1");
    EXPECT_EQ(CliTestBed::ReadBytes(first.InfoPath()), "[GENERAL]\r\nMANUFACTURER=Contoso\r\nMODEL=X1\r\n\r\n");

    // Once it has finished, the other's turn comes.
    EXPECT_EQ(second.Run({"apply-oem", "--manufacturer", "Fabrikam", "--model", "Y2"}).status, 0);
    EXPECT_EQ(first.Show()["Model"], "Y2");
}

TEST(CliConcurrency, ACommandStartedBetweenAnotherOnesReadsAndWritesDoesNotSplitTheStoreFromTheFile)
{
    // Each runs once the first has read the manufacturer and model it will write back into the file.
    const std::vector<std::string> others[] = {
        {"apply-oem", "--manufacturer", "Fabrikam", "--model", "Y2"},
        {"apply-support", "--web", "other web"},
        {"remove-oem"},
    };
    for (const auto& other : others) {
        SCOPED_TRACE(other[0]);
        CliTestBed first;
        CliTestBed second(first, CliTestBed::AnotherProgram{});
        ASSERT_EQ(first.Run({"apply-oem", "--manufacturer", "Contoso", "--model", "X1"}).status, 0);
        CliRun interleaved;
        bool ran = false;
        first.Registry().beforeQuery = [&](const std::string& name) {
            if (name == "web addres" && !ran) {
                ran = true;
                interleaved = second.Run(other);
            }
        };
        const CliRun run = first.Run({"apply-support", "--fax", "555"});
        first.Registry().beforeQuery = nullptr;
        ASSERT_TRUE(ran);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(interleaved.status, 1);
        EXPECT_EQ(interleaved.err.rfind("Nothing was changed: another command is changing the OEM information (", 0), 0u)
            << interleaved.err;

        auto shown = second.Show();
        EXPECT_EQ(shown["Manufacture"], "Contoso");
        EXPECT_EQ(shown["web addres"], "");
        EXPECT_EQ(shown["FAX"], "555");
        const std::string file = CliTestBed::ReadBytes(first.InfoPath());
        EXPECT_EQ(file.rfind("[GENERAL]\r\nMANUFACTURER=Contoso\r\nMODEL=X1\r\n", 0), 0u) << file;
        EXPECT_NE(file.find("555\r\n"), std::string::npos) << file;
    }
}

TEST(CliConcurrency, AnApplySupportKilledBetweenItsWritesLeavesTheStoreAndTheFileAsTheyWere)
{
    CliTestBed machine;
    {
        // Set up through a program that has ended, so no open store crosses the fork.
        CliTestBed earlier(machine, CliTestBed::AnotherProgram{});
        for (const char* name : {"Manufacture", "Model"})
            ASSERT_EQ(earlier.Run({"reg", "add", kOem, "/v", name, "/d", name}).status, 0);
        ASSERT_EQ(earlier.Run({"apply-support", "--web", "old web", "--email", "old mail", "--fax", "old fax"}).status, 0);
    }
    const std::string file = CliTestBed::ReadBytes(machine.InfoPath());

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        CliTestBed killed(machine, CliTestBed::AnotherProgram{});
        killed.Registry().beforeSet = [](const std::string& name) {
            if (name == "TELEPHONE")
                ::raise(SIGKILL);  // as kill -9, after web address, e-mail and address were written
        };
        killed.Run({"apply-support", "--web", "new web", "--email", "new mail", "--fax", "new fax"});
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

    CliTestBed after(machine, CliTestBed::AnotherProgram{});
    auto shown = after.Show();
    EXPECT_EQ(shown["web addres"], "old web");
    EXPECT_EQ(shown["E-MAIL"], "old mail");
    EXPECT_EQ(shown["FAX"], "old fax");
    EXPECT_EQ(CliTestBed::ReadBytes(machine.InfoPath()), file);
    // The lock died with its holder.
    EXPECT_EQ(after.Run({"apply-support", "--fax", "next"}).status, 0);
}

}  // namespace
}  // namespace pelmora::cli::testing
