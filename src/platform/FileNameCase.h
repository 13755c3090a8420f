#pragma once

#include <string>
#include <string_view>

namespace pelmora {

// A chosen file's name as the program shows it. On Windows, whose file names ignore case, in upper
// case as the ANSI code page upper-cases it (CharUpperA: é becomes É, ß stays); a character the code
// page does not hold keeps its case, so the name still names the file. Elsewhere unchanged, as the
// upper-cased name would name another file.
std::string ShownFileName(std::string_view utf8);

}  // namespace pelmora
