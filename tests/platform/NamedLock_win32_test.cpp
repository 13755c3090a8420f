// The named mutex on Windows: one that its holder left by ending is had at once.
#include "platform/NamedLock.h"

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

}  // namespace
}  // namespace pelmora
