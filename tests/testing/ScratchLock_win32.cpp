#include "testing/ScratchLock.h"

#include "platform/WindowsApi.h"

#include <atomic>

namespace pelmora::testing {

std::string ScratchLockName(const TempDir&)
{
    static std::atomic<unsigned> counter{0};
    return "Local\\PelmoraTests." + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount64()) +
           "-" + std::to_string(counter++);
}

}  // namespace pelmora::testing
