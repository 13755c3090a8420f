#pragma once

// <windows.h> for the Win32 backends, without the macros that would rename the ports' own
// methods (FilePort::DeleteFile, WindowsDirectorySource::GetWindowsDirectory,
// CanvasPort::DrawText).
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#undef DeleteFile
#undef GetWindowsDirectory
#undef DrawText

#include <string>

namespace pelmora {

// The system's text for an error code (FormatMessageA), as UTF-8 without the closing line break.
std::string SystemErrorText(unsigned long code);

}  // namespace pelmora
