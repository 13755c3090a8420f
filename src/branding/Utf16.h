#pragma once

#include <string>
#include <string_view>

namespace pelmora {

// UTF-8 text as UTF-16 code units, the way Windows counts and stores a string's characters.
// A byte that is not part of a valid sequence becomes U+FFFD.
std::u16string Utf16FromUtf8(std::string_view utf8);

// The code units as UTF-16LE bytes.
std::string Utf16LeBytes(std::u16string_view text);

}  // namespace pelmora
