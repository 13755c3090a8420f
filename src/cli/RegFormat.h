#pragma once

#include <cstdint>
#include <string>

namespace pelmora::cli {

// "REG_SZ", "REG_DWORD", ...; a code without a name prints as its number.
std::string RegTypeName(std::uint32_t type);

// The types a value can be given by /t: REG_SZ, REG_EXPAND_SZ, REG_DWORD (any letter case).
std::uint32_t ParseRegType(const std::string& name);

// /d of a REG_DWORD: decimal or 0x hexadecimal, 0 to 0xFFFFFFFF; empty is 0.
std::uint32_t ParseDword(const std::string& text);

// The bytes stored for /d: strings (UTF-8 here) with their terminating NUL, as the
// platform's own tools write them; a REG_DWORD as four little-endian bytes.
std::string EncodeRegData(std::uint32_t type, const std::string& data);

// Stored bytes as the console tool shows them: strings up to their first NUL, numbers as 0x
// hexadecimal, anything else as hexadecimal bytes.
std::string FormatRegData(std::uint32_t type, const std::string& bytes);

}  // namespace pelmora::cli
