#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pelmora {

// Text lives in memory as UTF-8 and becomes the ANSI code page only where a platform call or a
// file takes nothing else: the system's code page on Windows, Windows-1252 elsewhere. A character
// the code page cannot represent becomes '?', so these two serve display and command lines only;
// stored text goes through the code page calls below, which never guess.
std::string ToAnsi(std::string_view utf8);
std::string FromAnsi(std::string_view ansi);

inline constexpr unsigned kWesternCodePage = 1252;
inline constexpr unsigned kUtf8CodePage = 65001;

// The running system's ANSI code page: GetACP on Windows, Windows-1252 elsewhere.
unsigned SystemCodePage();

// Whether text can be converted to and from `codePage` here.
bool IsUsableCodePage(unsigned codePage);

// The text's bytes in `codePage`; none when one of its characters has no form there (no '?', no
// look-alike) or the text is not valid UTF-8.
std::optional<std::string> EncodeCodePage(std::string_view utf8, unsigned codePage);

// Bytes of `codePage` as UTF-8; a byte with no character there becomes U+FFFD.
std::string DecodeCodePage(std::string_view bytes, unsigned codePage);

// The first character of the text that `codePage` cannot hold (its UTF-8 bytes, or the invalid
// byte); empty when every one fits.
std::string FirstCharacterOutside(std::string_view utf8, unsigned codePage);

}  // namespace pelmora
