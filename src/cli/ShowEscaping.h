#pragma once

#include <string>
#include <string_view>

namespace pelmora::cli {

// A value as `show` prints it after NAME=: one line that no value can break or dress up.
// Control characters (C0, DEL and C1) and bytes that are not UTF-8 become \xHH (two upper-case
// hex digits of the byte); a backslash that would read as such an escape becomes \x5C. Every
// other character, backslashes of Windows paths included, is printed as it is, so replacing
// each \xHH by its byte gives the value back.
std::string EscapeForShow(std::string_view value);

}  // namespace pelmora::cli
