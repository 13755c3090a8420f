#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// Key paths and value names compare without regard to case, as on Windows: this is the form
// they are compared in. Input and output are UTF-8.
std::string FoldRegistryName(std::string_view utf8);

// The non-empty parts of a backslash-separated key path.
std::vector<std::string> SplitKeyPath(std::string_view path);

}  // namespace pelmora
