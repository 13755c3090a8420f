#include "platform/LocalProcesses.h"

#include "testing/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

namespace pelmora {
namespace {

TEST(LocalProcessesWin32, TheProgramRunsWithItsArguments)
{
    testing::TempDir dir;
    const auto made = dir.Path() / "made by cmd";
    LocalProcesses processes;
    ASSERT_TRUE(processes.StartDetached("cmd.exe", {"/c", "mkdir", made.string()}, 0));
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!std::filesystem::exists(made) && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_TRUE(std::filesystem::is_directory(made));
}

TEST(LocalProcessesWin32, AMissingProgramIsReported)
{
    LocalProcesses processes;
    EXPECT_FALSE(processes.StartDetached("pelmora-no-such-program.exe", {}, 5));
}

}  // namespace
}  // namespace pelmora
