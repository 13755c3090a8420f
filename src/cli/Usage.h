#pragma once

#include <ostream>

namespace pelmora::cli {

void PrintUsage(std::ostream& out);
void PrintVersion(std::ostream& out);

}  // namespace pelmora::cli
