#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pelmora {

// How the registry entry points (UTF-8 text, RegistryApi) meet a hive, which holds text as
// UTF-16LE, the way Windows writes it.
//
// What advapi32 does with the same calls:
// - RegSetValueEx stores the data of REG_SZ, REG_EXPAND_SZ and REG_MULTI_SZ as UTF-16LE: the stored
//   size is the converted byte count; every other type is stored byte for byte. Beyond the
//   documentation, when the last counted byte of such text is not NUL but the byte after the count
//   is, the NUL is counted in as well: text given without its NUL (as WriteRegString gives it) is
//   stored with one, so Windows finds in the image what it would have written itself.
// - RegQueryValueEx hands the stored UTF-16LE of those three types out converted and reports the
//   size of the converted bytes (also when asked for the size alone); a trailing odd byte is
//   dropped; the buffer rules are every store's (CopyOutValue).

// The byte count RegSetValueEx takes for `size` bytes at `data`: one more for text whose NUL
// follows the counted bytes. The caller's data must be readable there (RegistryApi::SetValue).
std::uint32_t TextCallSize(std::uint32_t type, const char* data, std::uint32_t size);

// UTF-8 text as the UTF-16LE bytes stored for it, and back.
std::string StoredText(std::string_view utf8);
std::string CallText(std::string_view utf16);

}  // namespace pelmora
