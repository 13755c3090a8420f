#pragma once

#include <string>
#include <vector>

namespace pelmora::cli {

// Whether the command line (after the options before the command) only reads the installation, so
// a WIM image is mounted read-only for it: a read-only or solid WIM is then looked at, never refused.
bool CommandOnlyReads(const std::vector<std::string>& args);

}  // namespace pelmora::cli
