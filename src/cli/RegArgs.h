#pragma once

#include "registry/RegistryApi.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace pelmora::cli {

enum class RegVerb { Query, Add, Delete };

// A key as typed: HKLM\..., HKEY_LOCAL_MACHINE\..., HKCU\..., HKEY_CURRENT_USER\...
struct RegKeyName {
    RegRoot root = RegRoot::LocalMachine;
    std::string path;  // UTF-8, without the root and without a trailing backslash

    // The key as the console tool prints it: the root's long name, then the path.
    std::string Display() const;
};

RegKeyName ParseRegKey(const std::string& text);

struct RegRequest {
    RegVerb verb = RegVerb::Query;
    RegKeyName key;
    std::optional<std::string> valueName;  // /v NAME, or the empty name for /ve; none: the key
    std::uint32_t type = kRegSz;           // /t
    std::string data;                      // /d
    bool force = false;                    // /f
};

// The arguments after "reg": a verb, KEY, then switches written /x or -x in any letter case.
RegRequest ParseRegArgs(std::span<const std::string> args);

}  // namespace pelmora::cli
