#include "testing/ScratchLock.h"

namespace pelmora::testing {

std::string ScratchLockName(const TempDir& temp)
{
    return temp.File("registry.sqlite3.lock");
}

}  // namespace pelmora::testing
