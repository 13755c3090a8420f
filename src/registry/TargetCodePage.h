#pragma once

#include <string>

namespace pelmora {

// The ANSI code page of the Windows whose OEM files are written at `windowsDir`: on Windows the
// running system's (GetACP); off Windows, for an offline image (the folder holds
// System32/config/SOFTWARE), the image's own, ACP under the current control set's
// Control\Nls\CodePage in its SYSTEM hive; otherwise, and when that cannot be read, Windows-1252.
unsigned TargetCodePage(const std::string& windowsDir);

}  // namespace pelmora
