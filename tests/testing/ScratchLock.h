#pragma once

#include "testing/TempDir.h"

#include <chrono>
#include <string>

namespace pelmora::testing {

// A command lock of the tests' own, shared by every program of one test machine and by no other
// test: a lock file in `temp` off Windows, a mutex of a unique name on Windows.
std::string ScratchLockName(const TempDir& temp);

// Waits short in tests: a command that does not get the lock says so at once.
inline constexpr std::chrono::milliseconds kScratchLockWait{200};

}  // namespace pelmora::testing
