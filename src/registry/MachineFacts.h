#pragma once

#include "registry/SqliteRegistry.h"

#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// The machine's registration facts, as a new store off Windows is seeded with them.
struct MachineFacts {
    std::string registeredOwner;  // the account's full name, else its login name
    std::string productId;        // /etc/machine-id
    std::string productName;      // PRETTY_NAME of /etc/os-release
};

MachineFacts ReadMachineFacts();

// The full name of a passwd GECOS field (the text before its first comma), else the login name.
std::string OwnerFromAccount(std::string_view gecos, std::string_view login);

// The unquoted PRETTY_NAME of an os-release text; empty when it has none.
std::string PrettyNameFromOsRelease(std::string_view osRelease);

// The values under HKLM "Software\Microsoft\Windows NT\CurrentVersion" for the given facts.
std::vector<RegistrySeedValue> RegistrationSeed(const MachineFacts& facts);

}  // namespace pelmora
