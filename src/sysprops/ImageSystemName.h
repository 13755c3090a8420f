#pragma once

#include <string>

namespace pelmora::sysprops {

// What the General page names under "System:" for the installation at `windowsDir`: with its own
// SOFTWARE hive, the product name and version its registry records (ProductName, then the version
// as DisplayVersion, ReleaseId or CurrentVersion, with CurrentBuild), one per line; otherwise the
// running system's name. The hive is only read.
std::string SystemNameOf(const std::string& windowsDir);

}  // namespace pelmora::sysprops
