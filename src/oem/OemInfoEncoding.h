#pragma once

#include <string>
#include <string_view>

namespace pelmora {

// oeminfo.ini's bytes for its text: in the target system's ANSI code page when every character
// fits there (what Windows 9x to XP read), else UTF-16LE after a byte-order mark, which the
// platform's profile functions read as well. Never a '?' in place of a character.
std::string OemInfoFileBytes(std::string_view text, unsigned codePage);

// The text of such a file: by its byte-order mark (UTF-8, UTF-16LE, UTF-16BE), else in the code page.
std::string OemInfoFileText(std::string_view bytes, unsigned codePage);

}  // namespace pelmora
