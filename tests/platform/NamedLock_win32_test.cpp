// The named mutex on Windows: one that its holder left by ending is had at once, and a name in the
// machine-wide namespace is held there or, for an account that may not, in its session's.
#include "platform/NamedLock.h"

#include "platform/WindowsApi.h"
#include "testing/ScratchLock.h"

#include <gtest/gtest.h>

#include <thread>

namespace pelmora {
namespace {

using namespace std::chrono_literals;

TEST(NamedLockMutex, AHolderThatEndsReleasesIt)
{
    testing::TempDir dir;
    const std::string name = testing::ScratchLockName(dir);
    std::thread([&] {
        auto* abandoned = new NamedLock(name, 0ms);  // never released: its thread ends holding it
        EXPECT_FALSE(abandoned->Acquire("dying"));
    }).join();
    NamedLock lock(name, 0ms);
    EXPECT_FALSE(lock.Acquire("pelmora"));
}

TEST(NamedLockMutex, AMachineWideNameIsHeld)
{
    const std::string name = "Global\\PelmoraTests." + std::to_string(GetCurrentProcessId());
    NamedLock lock(name, 0ms);
    EXPECT_FALSE(lock.Acquire("pelmora"));
    EXPECT_TRUE(lock.Name() == name || lock.Name() == "Local\\PelmoraTests." + std::to_string(GetCurrentProcessId()))
        << lock.Name();
}

}  // namespace
}  // namespace pelmora
