#include "platform/LocalProcesses.h"

#include "testing/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

namespace pelmora {
namespace {

using Clock = std::chrono::steady_clock;

std::string WaitForFile(const std::string& path)
{
    for (const auto end = Clock::now() + std::chrono::seconds(10); Clock::now() < end;) {
        if (std::filesystem::exists(path)) {
            std::ifstream file(path);
            std::ostringstream text;
            text << file.rdbuf();
            return text.str();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return "(never written)";
}

// A shell script stands in for the program: it writes its arguments, one a line, then its
// process and session numbers, and renames the file into place when done.
const char* kRecorder =
    "out=$1; shift; for a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$out.tmp\";"
    " read -r stat < /proc/self/stat; set -- ${stat##*) }; echo \"$$ $4\" >> \"$out.tmp\"; mv \"$out.tmp\" \"$out\"";

TEST(LocalProcessesPosix, TheProgramGetsItsArgumentsInASessionOfItsOwn)
{
    testing::TempDir dir;
    const std::string out = dir.File("started");
    LocalProcesses processes;
    ASSERT_TRUE(processes.StartDetached("sh", {"-c", kRecorder, "sh", out, "C:\\WIN DOWS", "$HOME", "'\"", ""}, 5));
    std::string pid, session;
    std::istringstream lines(WaitForFile(out));
    std::string line;
    std::vector<std::string> arguments;
    while (std::getline(lines, line))
        arguments.push_back(line);
    ASSERT_EQ(arguments.size(), 5u);
    EXPECT_EQ(std::vector<std::string>(arguments.begin(), arguments.end() - 1),
              (std::vector<std::string>{"C:\\WIN DOWS", "$HOME", "'\"", ""}));
    std::istringstream(arguments.back()) >> pid >> session;
    EXPECT_EQ(pid, session);  // it leads a session of its own
    EXPECT_NE(session, std::to_string(getsid(0)));
}

TEST(LocalProcessesPosix, NothingIsWaitedForAndNoChildIsLeft)
{
    LocalProcesses processes;
    const auto start = Clock::now();
    ASSERT_TRUE(processes.StartDetached("/bin/sleep", {"3"}, 5));
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(2));
    errno = 0;
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);  // the program is not our child
    EXPECT_EQ(errno, ECHILD);
}

TEST(LocalProcessesPosix, AProgramThatCannotStartIsReported)
{
    testing::TempDir dir;
    std::ofstream(dir.File("not-executable")) << "#!/bin/sh\n";
    LocalProcesses processes;
    EXPECT_FALSE(processes.StartDetached(dir.File("missing"), {}, 5));
    EXPECT_FALSE(processes.StartDetached("pelmora-no-such-program", {}, 5));
    EXPECT_FALSE(processes.StartDetached(dir.File("not-executable"), {}, 5));
}

}  // namespace
}  // namespace pelmora
