#pragma once

#include "registry/SqliteRegistry.h"

#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// The machine's registration facts, as a new store off Windows is seeded with them.
struct MachineFacts {
    std::string registeredOwner;  // the account's full name, else its login name
    std::string productId;        // from /etc/machine-id, in the Windows form (ProductIdFromMachineId)
    std::string productName;      // PRETTY_NAME of /etc/os-release
};

MachineFacts ReadMachineFacts();

// The full name of a passwd GECOS field (the text before its first comma), else the login name.
std::string OwnerFromAccount(std::string_view gecos, std::string_view login);

// The unquoted PRETTY_NAME of an os-release text; empty when it has none.
std::string PrettyNameFromOsRelease(std::string_view osRelease);

// A product ID in the form Windows gives its own, XXXXX-XXXXX-XXXXX-XXXXX, of a machine id: its
// first 20 hexadecimal digits in upper case, so it is this machine's and fits where the window
// shows a product ID (the whole 32-digit id, or a fifth group, would be cut there). An id with
// fewer digits is kept as it is (trimmed).
std::string ProductIdFromMachineId(std::string_view machineId);

// The values under HKLM "Software\Microsoft\Windows NT\CurrentVersion" for the given facts.
std::vector<RegistrySeedValue> RegistrationSeed(const MachineFacts& facts);

}  // namespace pelmora
