#pragma once

#include "registry/RegistryApi.h"

#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// The lines of a registry editor file (version 5.00), as UTF-8 text without line ends; names and
// data come as the store holds them (UTF-8 text).

// "[HKEY_LOCAL_MACHINE\<path>]"
std::string RegKeyLine(std::string_view rootName, const std::string& keyPath);

// One value: "name"="text" for a string that fits on a line, dword:0000002a for a four-byte
// number, hex(<type>):... for everything else, wrapped the way the editor wraps it. Strings
// travel as UTF-16LE in the hex form, as the editor stores them; other types as their bytes.
std::vector<std::string> RegValueLines(const RegValueEntry& entry);

// "name"=- : deletes the value on import.
std::string RegDeletedValueLine(const std::string& valueName);

// The file's bytes: a UTF-16LE byte-order mark, the header line, then `lines`, every line ended
// by CR LF.
std::string RegFileBytes(const std::vector<std::string>& lines);

}  // namespace pelmora
