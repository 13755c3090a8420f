#pragma once

#include <optional>
#include <string>
#include <vector>

namespace pelmora::cli {

// The options that stand before the command and choose the installation worked on.
struct TargetOptions {
    std::optional<std::string> windowsDir;  // --windows-dir DIR
    std::optional<std::string> image;       // --image FILE.wim[:INDEX]
};

// Takes them off the front of `args`, in any order; throws UsageError for one given twice or both.
TargetOptions TakeTargetOptions(std::vector<std::string>& args);

// Whether the command line (without the options above) only reads the installation, so a WIM image
// is mounted read-only for it: a read-only or solid WIM is then looked at, never refused.
bool CommandOnlyReads(const std::vector<std::string>& args);

}  // namespace pelmora::cli
