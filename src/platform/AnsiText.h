#pragma once

#include <string>
#include <string_view>

namespace pelmora {

// Text lives in memory as UTF-8 and becomes the ANSI code page only at the file and registry
// boundary: the system's code page on Windows, Windows-1252 elsewhere. A character the code
// page cannot represent becomes '?'.
std::string ToAnsi(std::string_view utf8);
std::string FromAnsi(std::string_view ansi);

}  // namespace pelmora
