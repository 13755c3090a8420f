#pragma once

#include "registry/RegistryApi.h"

#include <memory>
#include <optional>
#include <string>

namespace pelmora {

// The SOFTWARE hive of the Windows installation whose Windows folder is `windowsDir`:
// System32/config/SOFTWARE, each name matched in any letter case (a mounted NTFS shows them as
// they were created). None when there is no such file.
std::optional<std::string> FindSoftwareHive(const std::string& windowsDir);

// Any hive file of that folder (System32/config/<name>), found the same way.
std::optional<std::string> FindImageHive(const std::string& windowsDir, const std::string& name);

// How a change reaches an image's hive: a new file renamed over it, or the file rewritten where
// the image's own commit makes a command whole (a WIM image mounted for this program alone).
enum class HiveWrites { Renamed, InPlace };

// The registry for the Windows folder the program works on: when it holds a SOFTWARE hive,
// HKLM "SOFTWARE" is that hive and everything else stays in `local`; otherwise `local` itself.
std::unique_ptr<RegistryApi> MakeImageRegistry(const std::string& windowsDir, std::unique_ptr<RegistryApi> local,
                                               HiveWrites writes = HiveWrites::Renamed);

}  // namespace pelmora
