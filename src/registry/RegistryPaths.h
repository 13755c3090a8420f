#pragma once

namespace pelmora {

// The program key and its subkeys under HKEY_LOCAL_MACHINE.
inline constexpr const char* kProgramKey = "SOFTWARE\\Pelmora\\Corvexa";
inline constexpr const char* kOemKey = "SOFTWARE\\Pelmora\\Corvexa\\OEM";
inline constexpr const char* kReadKey = "SOFTWARE\\Pelmora\\Corvexa\\read";

// The key current Windows reads its maker's branding from, under HKEY_LOCAL_MACHINE.
inline constexpr const char* kOemInformationKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\OEMInformation";

// The machine's registration facts.
inline constexpr const char* kCurrentVersionKey = "Software\\Microsoft\\Windows NT\\CurrentVersion";

}  // namespace pelmora
