#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pelmora {

// How the registry's ANSI entry points meet a hive, which holds text as UTF-16LE.
//
// What advapi32 does with the same calls:
// - RegSetValueExA converts the data of REG_SZ, REG_EXPAND_SZ and REG_MULTI_SZ from the ANSI code
//   page to UTF-16LE before storing it: the stored size is the converted byte count (two bytes per
//   character of a single-byte code page); every other type is stored byte for byte. Beyond the
//   documentation, when the last counted byte of such text is not NUL but the byte after the count
//   is, the NUL is counted in as well: text given without its NUL (as WriteRegString gives it) is
//   stored with one, so Windows finds in the image what it would have written itself.
// - RegQueryValueExA converts the stored UTF-16LE of those three types back to ANSI and reports
//   the size of the converted bytes (also when asked for the size alone); a trailing odd byte is
//   dropped, and a character the code page lacks becomes '?'. When the text has no NUL of its own
//   and the buffer has room, a NUL is written after it without being counted.
bool IsConvertedStringType(std::uint32_t type);

// The byte count RegSetValueExA takes for `size` bytes at `data`: one more for text whose NUL
// follows the counted bytes. The caller's data must be readable there (RegistryApi::SetValue).
std::uint32_t AnsiCallSize(std::uint32_t type, const char* data, std::uint32_t size);

// ANSI bytes as the UTF-16LE bytes stored for them.
std::string AnsiToUtf16(std::string_view ansi);

// Stored UTF-16LE bytes as ANSI bytes.
std::string Utf16ToAnsi(std::string_view utf16);

// Key and value names: hivex takes and gives UTF-8. A name the code page cannot hold has no ANSI
// form that names it (only one with '?' for listing).
std::string HiveName(std::string_view ansi);
std::string ListedName(std::string_view utf8);
std::optional<std::string> AnsiName(std::string_view utf8);

}  // namespace pelmora
