#pragma once

#include <string>
#include <string_view>

namespace pelmora {

// Text in memory is UTF-8; the wide Windows entry points take UTF-16. Invalid input becomes
// U+FFFD on the way, so no conversion fails.
std::wstring ToUtf16(std::string_view utf8);
std::string FromUtf16(std::wstring_view utf16);

}  // namespace pelmora
