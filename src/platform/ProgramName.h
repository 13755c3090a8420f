#pragma once

#include <string>
#include <string_view>

namespace pelmora {

// The running program's file name without its extension, as its per-application settings are
// kept: "pelmora" for /usr/bin/pelmora or C:\Tools\pelmora.exe, "brand.tool" for brand.tool.exe.
// A renamed copy has a name, and settings, of its own. `fallback` when the platform cannot tell.
std::string RunningExecutableName(std::string_view fallback);

// The same for a path: its last part without its extension.
std::string ExecutableNameOf(std::string_view path);

}  // namespace pelmora
